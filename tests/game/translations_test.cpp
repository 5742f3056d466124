#include "controls/shadolbl.h"
#include "platform/panel.h"
#include "platform/stringgrid.h"
#include "platform/textdraw.h"
#include "platform/translations.h"
#include "support/gamefixture.h"

#include <QApplication>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// Where a text shows, and so how much room it has there.
enum class TPlace {
    StatusLine,    // the top bar's line, up to "SCORE"
    ShotResult,    // the result over the play strip, up to the right-hand column
    RankingColumn, // a heading or rank title of the ranking, in its column
    Menu,          // a menu's title, which the menu bar must show, or an item; the Alt key stays
    NameBox,       // the name box's caption and prompt, over its edit's width
    Box,           // a box or button that grows with its text
};

struct TShownText {
    const char* context;
    const char* source;
    TPlace place;
    int column = 0;
};

const TShownText kShownTexts[] = {
    {"TMainForm1", "F3 デ ゲ～ムヲ開始シマス", TPlace::StatusLine},
    {"TMainForm1", "F3 デ ゲームヲ開始シマス", TPlace::StatusLine},
    {"TMainForm1", "ジュンビハイイカ・・・", TPlace::StatusLine},
    {"TMainForm1", "ノコリ %1 ビョウ", TPlace::StatusLine},
    {"TMainForm1", "時間ギレデス", TPlace::StatusLine},
    {"TMainForm1", "ナイスイン!! +100+%1 point", TPlace::ShotResult},
    {"TMainForm1", "ナイスアプロ～チ!! +30+%1 point", TPlace::ShotResult},
    {"TMainForm1", "フ～ン!! %1 point", TPlace::ShotResult},
    {"TMainForm1", "順位 (爵位)", TPlace::RankingColumn, 0},
    {"TMainForm1", "1位 (魔神)", TPlace::RankingColumn, 0},
    {"TMainForm1", "2位 (魔王)", TPlace::RankingColumn, 0},
    {"TMainForm1", "3位 (魔将)", TPlace::RankingColumn, 0},
    {"TMainForm1", "4位 (悪魔)", TPlace::RankingColumn, 0},
    {"TMainForm1", "5位 (人間)", TPlace::RankingColumn, 0},
    {"TMainForm1", "VELQUAN ランキング", TPlace::RankingColumn, 1},
    {"TMainForm1", "スコア", TPlace::RankingColumn, 2},
    {"TMainForm1", "モード(&M)", TPlace::Menu},
    {"TMainForm1", "オプション(&O)", TPlace::Menu},
    {"TMainForm1", "ヘルプ(&H)", TPlace::Menu},
    {"TMainForm1", "ゲーム開始(&G)", TPlace::Menu},
    {"TMainForm1", "ボスが来た!!(&B)...", TPlace::Menu},
    {"TMainForm1", "終了(&X)", TPlace::Menu},
    {"TMainForm1", "効果音を鳴らす(&S)", TPlace::Menu},
    {"TMainForm1", "インフォメーション(&I)...", TPlace::Menu},
    {"TMainForm1", "%1 位ニ ランクサレマシタ", TPlace::NameBox},
    {"TMainForm1", " アナタノ名前 ：", TPlace::NameBox},
    {"TInputBoxDialog", "キャンセル", TPlace::Box},
    {"Profile", "%1 に書き込めません", TPlace::Box},
    {"Profile", "%1 はフォルダではありません", TPlace::Box},
    {"Profile", "%1 は通常のファイルではありません", TPlace::Box},
    {"Profile", "%1 は大きすぎます (%2 MiB まで)", TPlace::Box},
    {"Profile", "%1 を読み込めません", TPlace::Box},
    {"Convert", "'%1' は整数ではありません", TPlace::Box},
};

// The widest a number in a text gets in play: a level or a score of three digits, a miss's sign.
constexpr auto kWidestNumber = "-999";
// As far in as the ranking draws its cells' texts, and the name box's edit is wide.
constexpr int kCellTextInset = 2;
constexpr int kNameEditWidth = 280;

QString Key(const QString& context, const QString& source)
{
    return context + u'|' + source;
}

// Every message of a translation file, as context|source.
QSet<QString> MessagesOf(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QSet<QString> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            messages.insert(Key(context, xml.readElementText()));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

const QRegularExpression kPlaceholder(QStringLiteral("%[0-9]"));

QStringList Placeholders(const QString& text)
{
    QStringList found;
    for (const auto& match : kPlaceholder.globalMatch(text))
        found.append(match.captured());
    return found;
}

QChar Accelerator(const QString& text)
{
    const qsizetype at = text.indexOf(u'&');
    return at >= 0 && at + 1 < text.size() ? text.at(at + 1).toUpper() : QChar();
}

class TranslationsTest : public GameFixture {
protected:
    QTranslator english;

    void SetUp() override
    {
        ASSERT_TRUE(english.load(QStringLiteral(":/i18n/velquan_en.qm")));
        QCoreApplication::installTranslator(&english);
        WriteRankingFile(RankingWithScores({500, 400, 300, 200, 100}));
        CreateForm();
        form->show();
    }
    void TearDown() override
    {
        form.reset();
        QCoreApplication::removeTranslator(&english);
    }
};

// Every English text fits where it shows, at the window's own fonts, and the table knows every
// text there is to translate.
TEST_F(TranslationsTest, EveryEnglishTextFitsItsPlace)
{
    QSet<QString> listed;
    for (const TShownText& shown : kShownTexts)
        listed.insert(Key(QString::fromUtf8(shown.context), QString::fromUtf8(shown.source)));
    EXPECT_EQ(listed, MessagesOf(QStringLiteral(VELQUAN_SOURCE_DIR "/translations/velquan_en.ts")));

    const QString number = QString::fromLatin1(kWidestNumber);
    for (const TShownText& shown : kShownTexts) {
        const QString source = QString::fromUtf8(shown.source);
        const QString english = QCoreApplication::translate(shown.context, shown.source);
        SCOPED_TRACE(source.toStdString() + " -> " + english.toStdString());
        ASSERT_NE(english, source);
        EXPECT_EQ(Placeholders(english), Placeholders(source)) << "the numbers and names a text carries";
        QString text = english;
        text.replace(kPlaceholder, number);

        switch (shown.place) {
        case TPlace::StatusLine:
            form->Label1->SetCaption(text);
            EXPECT_LE(form->Label1->x() + form->Label1->width(), form->Label2->x());
            break;
        case TPlace::ShotResult:
            form->Label9->SetCaption(text);
            EXPECT_LE(form->Label9->x() + form->Label9->width(), form->Panel6->x());
            break;
        case TPlace::RankingColumn:
            EXPECT_LE(kCellTextInset + TextWidth(form->StringGrid1->font(), text),
                      form->StringGrid1->ColWidths(shown.column));
            break;
        case TPlace::Menu:
            EXPECT_EQ(Accelerator(english), Accelerator(source));
            for (QAction* title : form->menuBar()->actions()) {
                if (title->text() != english)
                    continue;
                const QRect place = form->menuBar()->actionGeometry(title);
                EXPECT_TRUE(!place.isEmpty() && place.right() < form->menuBar()->width());
            }
            break;
        case TPlace::NameBox: EXPECT_LE(TextWidth(QApplication::font("QLabel"), text), kNameEditWidth); break;
        case TPlace::Box: EXPECT_FALSE(english.trimmed().isEmpty()); break;
        }
    }
}

// The language lists are the ones Qt gives for the locale settings named.
TEST(ChooseTranslationTest, FollowsThePlayersLanguages)
{
    const QStringList english{QStringLiteral("en")};
    const QStringList more{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pt_BR")};
    const struct {
        const char* settings;
        QStringList languages;
        QStringList translated;
        QString chosen;
    } cases[] = {
        {"LANG=ja_JP.UTF-8", {"ja-JP", "ja-Jpan-JP", "ja"}, english, {}},
        {"LANG=C.UTF-8, C or POSIX", {"C"}, english, {}},
        {"LANG=en_US.UTF-8", {"en-US", "en-Latn-US", "en"}, english, "en"},
        {"LANG=de_DE.UTF-8", {"de-DE", "de-Latn-DE", "de"}, english, "en"},
        {"LANG=fr_FR.UTF-8", {"fr-FR", "fr-Latn-FR", "fr"}, english, "en"},
        {"LANGUAGE=ja over LANG=en_US.UTF-8", {"ja", "ja-Jpan-JP", "ja-JP"}, english, {}},
        {"LANGUAGE=fr:ja", {"fr", "fr-Latn-FR", "fr-FR", "ja", "ja-Jpan-JP", "ja-JP"}, english, {}},
        {"LANG=de_DE.UTF-8, German there", {"de-DE", "de-Latn-DE", "de"}, more, "de"},
        {"LANGUAGE=ja:de, German there", {"ja", "ja-Jpan-JP", "ja-JP", "de"}, more, {}},
        {"LANG=pt_BR.UTF-8, Brazilian there", {"pt-BR", "pt-Latn-BR", "pt"}, more, "pt_BR"},
        {"LANG=en_GB.UTF-8, German there", {"en-GB", "en-Latn-GB", "en"}, more, "en"},
    };
    for (const auto& one : cases)
        EXPECT_EQ(ChooseTranslation(one.languages, one.translated), one.chosen) << one.settings;
}

} // namespace
