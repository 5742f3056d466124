#include "controls/dxfcolorbutton.h"
#include "game/accessibility.h"
#include "game/surface.h"
#include "platform/zoomhost.h"
#include "support/gamefixture.h"

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <sys/stat.h>

TEST(ViewSettingsTest, FilesThatCannotBeReadGiveTheDefaultsAndWritesThatFailChangeNothing)
{
    QTemporaryDir folder;
    const auto isDefault = [](const TViewSettings& settings) { return settings.zoom == 1 && !settings.fullScreen; };
    const QString file = folder.filePath(QStringLiteral("velquan/settings.ini"));
    EXPECT_TRUE(isDefault(LoadViewSettings(file)));
    SaveViewSettings(file, {3, true});
    const TViewSettings saved = LoadViewSettings(file);
    EXPECT_EQ(saved.zoom, 3);
    EXPECT_TRUE(saved.fullScreen);

    for (const char* zoom : {"7", "0", "two"}) {
        QFile foreign(file);
        ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
        foreign.write(QByteArray("[Window]\nZoom=") + zoom + "\n");
        foreign.close();
        EXPECT_EQ(LoadViewSettings(file).zoom, 1) << zoom;
    }
    // A pipe in the file's place would block a reader until someone writes.
    const QString pipe = folder.filePath(QStringLiteral("pipe.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_TRUE(isDefault(LoadViewSettings(pipe)));
    // A folder where the file should be: the write fails quietly and the folder stays.
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("taken/settings.ini")));
    SaveViewSettings(folder.filePath(QStringLiteral("taken/settings.ini")), {2, false});
    EXPECT_TRUE(QFileInfo(folder.filePath(QStringLiteral("taken/settings.ini"))).isDir());
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

TEST_F(ViewTest, SizesAreOneChoiceBesideFullScreenOnF11AndAreKeptForTheNextStart)
{
    ASSERT_TRUE(form->ZoomGroup->isExclusive());
    EXPECT_EQ(form->ZoomItems[1]->text(), QStringLiteral("×&2"));
    EXPECT_TRUE(form->ZoomItems[0]->isChecked());
    EXPECT_EQ(form->FullScreen1->shortcut(), QKeySequence(Qt::Key_F11));

    form->ZoomItemClick(3);
    CreateForm();
    EXPECT_TRUE(form->ZoomItems[2]->isChecked());
    // A screen too small for the choice shows the largest zoom that fits, and disables the rest.
    if (Available().width() < 2 * 509) {
        EXPECT_EQ(form->ZoomHost()->Zoom(), 1);
        emit form->O1->aboutToShow();
        EXPECT_TRUE(form->ZoomItems[0]->isEnabled());
        EXPECT_FALSE(form->ZoomItems[1]->isEnabled());
    }

    form->FullScreen1Click();
    CreateForm();
    EXPECT_TRUE(form->FullScreen1->isChecked());
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
    EXPECT_FALSE(form->windowState() & Qt::WindowFullScreen);
    EXPECT_FALSE(form->ZoomHost()->Filling());
    EXPECT_FALSE(LoadViewSettings(settingsFile).fullScreen);
    form->hide();
}

// Enlarged, the controls are the window's, found where they show and as large.
TEST_F(ViewTest, ScreenReadersFindEnlargedControlsInTheWindowWhereTheyShow)
{
    InstallAccessibility();
    form->show();
    form->ZoomHost()->SetZoom(2);
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(form->bCharge);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->rect(), QRect(form->ZoomHost()->mapToGlobal(QPoint(2 * 118, 2 * 184)), QSize(2 * 77, 2 * 33)));
    QAccessibleInterface* up = button;
    while (up && up->object() != form.get())
        up = up->parent();
    EXPECT_NE(up, nullptr) << "the button is not within the window";
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    for (int index = 0; index < application->childCount(); ++index)
        EXPECT_NE(application->child(index)->object(), form->Surface());
    form->hide();
}
