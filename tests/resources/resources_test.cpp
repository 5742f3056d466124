// The delivered pictures, ranking file and sounds fit the places the game puts them.

#include "desktop/panel.h"
#include "services/cp932.h"
#include "support/printrow.h"
#include "support/render.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

QString SourceResources()
{
    // Named by the build: a compiler cache may leave __FILE__ relative to some other folder.
    return QStringLiteral(VELQUAN_SOURCE_DIR "/resources");
}

QByteArray ReadSourceFile(const QString& relative)
{
    QFile file(SourceResources() + '/' + relative);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct PictureCase {
    const char* path;
    int width;
    int height;
    bool alpha;
};
PRINT_ROW_BY_NAME(PictureCase, path)

class PictureSizeTest : public ::testing::TestWithParam<PictureCase> {};

// Each picture is compiled in at the size its panel or overlay was laid out for.
TEST_P(PictureSizeTest, LoadsFromResourcesAtItsLayoutSize)
{
    const PictureCase& c = GetParam();
    const QImage image(QString::fromLatin1(c.path));
    ASSERT_FALSE(image.isNull()) << c.path;
    EXPECT_EQ(image.width(), c.width) << c.path;
    EXPECT_EQ(image.height(), c.height) << c.path;
    EXPECT_EQ(image.hasAlphaChannel(), c.alpha) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Pictures, PictureSizeTest,
                         ::testing::Values(PictureCase{":/pictures/topbar.bmp", 449, 43, false},
                                           PictureCase{":/pictures/column.bmp", 30, 425, false},
                                           PictureCase{":/pictures/bottombar.bmp", 449, 20, false},
                                           PictureCase{":/pictures/sky.bmp", 449, 220, false},
                                           PictureCase{":/pictures/ground.bmp", 449, 220, false},
                                           PictureCase{":/pictures/putter0.png", 80, 70, true},
                                           PictureCase{":/pictures/putter1.png", 80, 70, true},
                                           PictureCase{":/pictures/putter2.png", 80, 70, true},
                                           PictureCase{":/pictures/putter3.png", 80, 70, true},
                                           PictureCase{":/pictures/putter4.png", 80, 70, true},
                                           PictureCase{":/pictures/icon.png", 128, 128, true}),
                         [](const ::testing::TestParamInfo<PictureCase>& info) {
                             // ":/pictures/putter0.png" reads as "putter0".
                             return QFileInfo(QString::fromLatin1(info.param.path)).baseName().toStdString();
                         });

// Each picture has a twice-as-fine companion that scaled screens get in its place: twice the
// size, drawn at the layout size, and really finer, not the 1x picture with doubled pixels.
// (The icon has none: the desktop picks its own size of it.)
TEST_P(PictureSizeTest, ComesTwiceAsFineForScaledScreens)
{
    const PictureCase& c = GetParam();
    const QString path = QString::fromLatin1(c.path);
    if (!QFileInfo::exists(DoubleResolutionName(path))) {
        EXPECT_EQ(path, QStringLiteral(":/pictures/icon.png"));
        return;
    }
    EXPECT_EQ(LoadPicture(path, 1).devicePixelRatio(), 1.0) << c.path;
    const QPixmap fine = LoadPicture(path, 1.5);
    ASSERT_FALSE(fine.isNull()) << c.path;
    EXPECT_EQ(fine.devicePixelRatio(), 2.0) << c.path;
    EXPECT_EQ(fine.size(), QSize(2 * c.width, 2 * c.height)) << c.path;
    EXPECT_EQ(fine.deviceIndependentSize(), QSizeF(c.width, c.height)) << c.path;
    EXPECT_GT(FewestEdgesOverPhases(fine.toImage(), 2), 0) << c.path << " has doubled pixels";
}

TEST(PictureNameTest, TwiceAsFineCompanion)
{
    EXPECT_EQ(DoubleResolutionName(QStringLiteral(":/pictures/sky.bmp")), QStringLiteral(":/pictures/sky@2x.bmp"));
    EXPECT_EQ(DoubleResolutionName(QStringLiteral("a.b/sky")), QStringLiteral("a.b/sky@2x"));
    EXPECT_EQ(DoubleResolutionName(QStringLiteral("dir/.hidden")), QStringLiteral("dir/.hidden@2x"));
}

QString ThemeIcon(const QString& sizeFolder, const char* extension)
{
    return SourceResources() +
           QStringLiteral("/icons/hicolor/%1/apps/%2.%3").arg(sizeFolder, QStringLiteral(VELQUAN_APP_ID), extension);
}

class ThemeIconSizeTest : public ::testing::TestWithParam<int> {};

// Desktops choose an icon by its folder's size: one of another size is shown blurred, or the
// theme falls back to a generic picture. The drawing is round, so the corners stay clear.
TEST_P(ThemeIconSizeTest, IsSquareAtItsFolderSizeWithClearCorners)
{
    const int size = GetParam();
    const QString path = ThemeIcon(QStringLiteral("%1x%1").arg(size), "png");
    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << path.toStdString();
    EXPECT_EQ(image.size(), QSize(size, size));
    ASSERT_TRUE(image.hasAlphaChannel());
    for (const QPoint corner : {QPoint(0, 0), QPoint(size - 1, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
        EXPECT_EQ(qAlpha(image.pixel(corner)), 0) << corner.x() << "," << corner.y();
    EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << "the green is missing";
}

INSTANTIATE_TEST_SUITE_P(Hicolor, ThemeIconSizeTest, ::testing::Values(16, 24, 32, 48, 64, 128, 256),
                         [](const ::testing::TestParamInfo<int>& info) { return "px" + std::to_string(info.param); });

// The window's own icon and the desktop's are one drawing, rendered once.
TEST(ThemeIconTest, WindowIconIsTheThemesIconAt128)
{
    const QImage window = QImage(QStringLiteral(":/pictures/icon.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage theme = QImage(ThemeIcon(QStringLiteral("128x128"), "png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(window, theme);
}

// The scalable icon is a whole SVG document on the same 128 x 128 canvas as the bitmaps.
TEST(ThemeIconTest, ScalableIconIsAWholeSvgDocument)
{
    QFile file(ThemeIcon(QStringLiteral("scalable"), "svg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.attributes().value(QStringLiteral("viewBox")), QStringLiteral("0 0 128 128"));
    int shapes = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            QStringList{"ellipse", "circle", "path", "polyline"}.contains(xml.name().toString()))
            ++shapes;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GE(shapes, 7) << "green, stripes, cup, pole, flag, shadow and ball";
}

QImage Putter(int frame)
{
    return QImage(QStringLiteral(":/pictures/putter%1.png").arg(frame)).convertToFormat(QImage::Format_ARGB32);
}

// Lowest row holding a visible pixel: where the putter head hangs.
int LowestOpaqueRow(const QImage& image)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return y;
    return -1;
}

// The swing is painted over the resting ball at (51, 242), 8 across, from (30, 186).
TEST(PutterSwingTest, NeverCoversTheBall)
{
    for (int frame = 0; frame < 5; ++frame) {
        const QImage image = Putter(frame);
        for (int y = 56; y < 64; ++y)
            for (int x = 21; x < 29; ++x)
                ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << "frame " << frame << " at " << x << "," << y;
    }
}

TEST(PutterSwingTest, RestsJustBehindTheBallAndRisesFrameByFrame)
{
    const QImage rest = Putter(0);
    bool headBesideBall = false;
    for (int x = 16; x < 21; ++x)
        headBesideBall = headBesideBall || qAlpha(rest.pixel(x, 60)) == 255;
    EXPECT_TRUE(headBesideBall);

    int previous = LowestOpaqueRow(rest);
    EXPECT_GE(previous, 62);
    for (int frame = 1; frame < 5; ++frame) {
        const int lowest = LowestOpaqueRow(Putter(frame));
        EXPECT_LT(lowest, previous - 4) << "frame " << frame;
        previous = lowest;
    }
}

// White and yellow captions with black shadows sit on rows 17 to 32 of the top bar.
TEST(TopBarTest, StaysDarkBehindTheCaptions)
{
    const QImage bar(QStringLiteral(":/pictures/topbar.bmp"));
    long long sum = 0;
    int brightest = 0, count = 0;
    for (int y = 17; y < 33; ++y) {
        for (int x = 5; x < 444; ++x) {
            const int grey = qGray(bar.pixel(x, y));
            sum += grey;
            brightest = std::max(brightest, grey);
            ++count;
        }
    }
    EXPECT_LT(sum / count, 45);
    EXPECT_LT(brightest, 80);
}

// The default ranking is read through the CP932 profile layer; it must look like a file
// the game itself would have written.
TEST(DefaultRankingTest, IsCp932WithCrLfLinesInTheGamesKeyOrder)
{
    const QByteArray bytes = ReadSourceFile(QStringLiteral("VELQUAN.ini"));
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n"));

    const QString text = cp932::decode(bytes);
    EXPECT_EQ(cp932::encode(text), bytes) << "bytes that are not plain CP932";
    EXPECT_FALSE(text.contains(QChar(0xFFFD)));

    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[0], QStringLiteral("[RANK]"));
    int previousScore = 0;
    for (int rank = 1; rank <= 5; ++rank) {
        const QString& nameLine = lines[qsizetype(2) * rank - 1];
        const QString& scoreLine = lines[qsizetype(2) * rank];
        EXPECT_TRUE(nameLine.startsWith(QStringLiteral("NAME%1=").arg(rank))) << nameLine.toStdString();
        const QString prefix = QStringLiteral("SCORE%1=").arg(rank);
        ASSERT_TRUE(scoreLine.startsWith(prefix)) << scoreLine.toStdString();
        bool ok = false;
        const int score = scoreLine.mid(prefix.size()).toInt(&ok);
        ASSERT_TRUE(ok) << scoreLine.toStdString();
        if (rank > 1) {
            EXPECT_LT(score, previousScore) << "rank " << rank;
        }
        previousScore = score;
    }
}

class SoundFileTest : public ::testing::TestWithParam<const char*> {};

// Short 16-bit PCM mono effects that start and end at silence, so they never click.
TEST_P(SoundFileTest, IsShortCleanPcm)
{
    const QByteArray wav = ReadSourceFile(QStringLiteral("sounds/") + QString::fromLatin1(GetParam()));
    ASSERT_GT(wav.size(), 44);
    const auto* d = reinterpret_cast<const uchar*>(wav.constData());
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(qFromLittleEndian<quint32>(d + 4), quint32(wav.size() - 8));
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 20), 1);  // PCM
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 22), 1);  // mono
    EXPECT_EQ(qFromLittleEndian<quint16>(d + 34), 16); // bits per sample
    const quint32 rate = qFromLittleEndian<quint32>(d + 24);
    ASSERT_EQ(wav.mid(36, 4), QByteArray("data"));
    const quint32 dataBytes = qFromLittleEndian<quint32>(d + 40);
    ASSERT_EQ(dataBytes, quint32(wav.size() - 44));

    const int samples = int(dataBytes / 2);
    EXPECT_LT(samples, int(rate)) << "longer than a second";
    int peak = 0;
    for (int i = 0; i < samples; ++i)
        peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(d + 44 + qsizetype(2) * i))));
    EXPECT_GT(peak, 8000) << "nearly silent";
    EXPECT_LT(peak, 32767) << "clipped";
    EXPECT_LT(std::abs(int(qFromLittleEndian<qint16>(d + 44))), 200);
    EXPECT_LT(std::abs(int(qFromLittleEndian<qint16>(d + 44 + qsizetype(2) * (samples - 1)))), 200);
}

INSTANTIATE_TEST_SUITE_P(Sounds, SoundFileTest,
                         ::testing::Values("snd_start.wav", "snd_shot.wav", "snd_in.wav", "snd_approach.wav",
                                           "snd_dame.wav", "snd_akuma.wav", "snd_over.wav"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             return QFileInfo(QString::fromLatin1(info.param)).baseName().toStdString();
                         });

} // namespace
