#include "desktop/panel.h"
#include "game/bossform.h"
#include "services/timer.h"
#include "support/gamefixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString kScreenText = QStringLiteral("QORVEX N-BASIC Version 2.4\n"
                                           "Copyright (C) 1987 by QORVEX SOFT\n"
                                           "30530 Bytes Free\n"
                                           "\n"
                                           "Ready\n");

// The main window with its disguise window, as the program creates them.
class BossFormTest : public GameFixture {
protected:
    std::unique_ptr<TBossForm1> boss = std::make_unique<TBossForm1>();

    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        BossForm1 = boss.get();
        form->show();
    }
    void TearDown() override
    {
        BossForm1 = nullptr;
        form->hide();
    }

    // Shows the disguise window through F4's handler and runs whileShown inside its modal
    // loop; closes it afterwards should whileShown not have done so. True when N5Click
    // returned after the window was shown.
    bool ShowDisguise(const std::function<void()>& whileShown)
    {
        bool ran = false;
        QTimer::singleShot(0, boss.get(), [&] {
            ran = true;
            whileShown();
            if (boss->isVisible())
                boss->close();
        });
        form->N5Click();
        return ran && !boss->isVisible();
    }
};

TEST_F(BossFormTest, WaitsHiddenWithTheInterpreterScreen)
{
    EXPECT_FALSE(boss->isVisible());
    EXPECT_TRUE(boss->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(boss->size(), QSize(694, 486));
    EXPECT_EQ(boss->Memo1->geometry(), boss->rect());
    EXPECT_EQ(boss->Memo1->toPlainText(), kScreenText);
    EXPECT_FALSE(boss->Memo1->isReadOnly());
    EXPECT_EQ(boss->Memo1->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(boss->Memo1->palette().color(QPalette::Text), QColor(Qt::white));
    EXPECT_EQ(boss->Memo1->font().family(), QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(boss->Memo1->font().pixelSize(), 20);
    EXPECT_TRUE(boss->Memo1->font().bold());
    EXPECT_EQ(boss->Memo1->frameShape(), QFrame::NoFrame);
}

// F4 covers the whole screen with a modal, full-screen window whose memo takes the keys; a
// double click on the text closes it and gives the game back.
TEST_F(BossFormTest, ShowsModalOverTheScreenUntilDoubleClicked)
{
    bool shown = false;
    Qt::WindowModality modality = Qt::NonModal;
    Qt::WindowStates state;
    QRect geometry;
    bool memoHasFocus = false;
    bool stillShownAfterTyping = false;
    bool shownUntilRelease = false;
    const bool returned = ShowDisguise([&] {
        shown = boss->isVisible();
        modality = boss->windowModality();
        state = boss->windowState();
        geometry = boss->geometry();
        QCoreApplication::processEvents(); // the activation arrives as an event
        memoHasFocus = QApplication::focusWidget() == boss->Memo1;
        QTest::keyClicks(boss->Memo1, QStringLiteral("LIST"));
        stillShownAfterTyping = boss->isVisible();
        // A double click as the window system delivers it: its second press, then the release.
        QTest::mouseDClick(boss->Memo1->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
        shownUntilRelease = boss->isVisible();
        QTest::mouseRelease(boss->Memo1->viewport(), Qt::LeftButton, {}, QPoint(30, 10));
    });

    EXPECT_TRUE(returned);
    EXPECT_TRUE(shown);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_TRUE(state & Qt::WindowFullScreen);
    EXPECT_EQ(geometry, boss->screen()->geometry());
    EXPECT_TRUE(memoHasFocus);
    EXPECT_TRUE(stillShownAfterTyping);
    EXPECT_TRUE(shownUntilRelease);
    EXPECT_FALSE(boss->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(boss->Memo1->toPlainText(), kScreenText + "LIST");
    // Gone with the button up: later hover and press handling must see no button held.
    EXPECT_EQ(QGuiApplication::mouseButtons(), Qt::NoButton);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// The window is hidden, never rebuilt: what was typed is there at the next F4.
TEST_F(BossFormTest, TypedTextStaysForTheNextShowing)
{
    ASSERT_TRUE(ShowDisguise([&] { QTest::keyClicks(boss->Memo1, QStringLiteral("RUN")); }));
    QString textAtSecondShowing;
    ASSERT_TRUE(ShowDisguise([&] { textAtSecondShowing = boss->Memo1->toPlainText(); }));
    EXPECT_EQ(textAtSecondShowing, kScreenText + "RUN");
}

// The modal loop keeps delivering timer ticks: the game goes on behind the window.
TEST_F(BossFormTest, TimersTickWhileItIsShown)
{
    int ticks = 0;
    int ticksWhileShown = 0;
    QObject::connect(form->Timer5, &QTimer::timeout, boss.get(), [&] {
        ticksWhileShown += boss->isVisible() ? 1 : 0;
        if (++ticks == 3)
            boss->close();
    });
    form->Timer5->setInterval(0);
    form->Timer5->SetEnabled(true);
    form->N5Click();
    form->Timer5->SetEnabled(false);

    EXPECT_EQ(ticksWhileShown, 3);
    EXPECT_FALSE(boss->isVisible());
    EXPECT_EQ(form->Image7->height(), 133); // the animation ran on each tick
}

} // namespace
