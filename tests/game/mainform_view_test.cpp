#include "desktop/zoomhost.h"
#include "support/gamefixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <sys/stat.h>

TEST(ViewSettingsTest, ZoomsBeyondTheMenuAndPipesGiveTheDefaults)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("settings.ini"));
    for (const char* zoom : {"7", "two"}) {
        QFile foreign(file);
        ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray("[Window]\nZoom=") + zoom + "\n");
        foreign.close();
        EXPECT_EQ(LoadViewSettings(file).zoom, 1) << zoom;
    }
    // A pipe in the file's place would block a reader until someone writes.
    const QString pipe = folder.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_EQ(LoadViewSettings(pipe).zoom, 1);
}

class ViewTest : public GameFixture {
protected:
    void SetUp() override
    {
        settingsFile = folder.filePath(QStringLiteral("config/velquan/settings.ini"));
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
    }
    QSize Available() const { return form->screen()->availableGeometry().size(); }
};

TEST_F(ViewTest, SizeAndFullScreenAreKeptForTheNextStart)
{
    form->ZoomItemClick(3);
    CreateForm();
    EXPECT_TRUE(form->ZoomItems[2]->isChecked());
    // A screen too small for the choice shows the largest zoom that fits, and disables the rest.
    if (Available().width() < 2 * 509) {
        EXPECT_EQ(form->ZoomHost()->ShownZoom(), 1);
        emit form->O1->aboutToShow();
        EXPECT_FALSE(form->ZoomItems[1]->isEnabled());
    }

    form->FullScreen1Click();
    CreateForm();
    EXPECT_TRUE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(form->ZoomHost()->Filling());
}

// On the whole screen the game still plays in its own 509 pixels, and Escape ends it.
TEST_F(ViewTest, FullScreenKeepsTheGreenOnThePictureAndEscapeEndsIt)
{
    form->show();
    form->FullScreen1Click();
    form->ZoomHost()->resize(Available());
    ASSERT_GT(form->ZoomHost()->width(), 509);
    int highest = 0;
    for (int draw = 0; draw < 2000; ++draw)
        highest = std::max(highest, form->PlaceGreen(-1));
    EXPECT_EQ(highest, 347);

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &escape);
    EXPECT_FALSE(form->ZoomHost()->Filling());
    EXPECT_FALSE(LoadViewSettings(settingsFile).fullScreen);
    form->hide();
}
