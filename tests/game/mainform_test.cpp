#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/panel.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "game/surface.h"
#include "services/timer.h"
#include "support/gamefixture.h"
#include "support/printrow.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

class MainFormTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
    }
};

TEST_F(MainFormTest, WindowHasAFixedBlackClientAreaAndItsTitle)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("VELQUAN"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(509, 425));
    EXPECT_EQ(form->centralWidget()->minimumSize(), form->centralWidget()->maximumSize());
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    form->show();
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->centralWidget()->palette().color(QPalette::Window), QColor(Qt::black));
    form->hide();
}

TEST_F(MainFormTest, MenuHasItsCaptionsShortcutsAndSoundSwitch)
{
    const auto menus = form->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("モード(&M)"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("オプション(&O)"));
    EXPECT_EQ(menus[2]->text(), QStringLiteral("ヘルプ(&H)"));

    const auto modeItems = form->N1->actions();
    ASSERT_EQ(modeItems.size(), 5);
    EXPECT_EQ(modeItems[0], form->N2);
    EXPECT_TRUE(modeItems[1]->isSeparator());
    EXPECT_EQ(modeItems[2], form->N5);
    EXPECT_TRUE(modeItems[3]->isSeparator());
    EXPECT_EQ(modeItems[4], form->Exit1);
    EXPECT_EQ(form->N2->text(), QStringLiteral("ゲーム開始(&G)"));
    EXPECT_EQ(form->N2->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(form->N5->text(), QStringLiteral("ボスが来た!!(&B)..."));
    EXPECT_EQ(form->N5->shortcut(), QKeySequence(Qt::Key_F4));
    EXPECT_EQ(form->Exit1->text(), QStringLiteral("終了(&X)"));
    EXPECT_EQ(form->N6->text(), QStringLiteral("インフォメーション(&I)..."));
    EXPECT_TRUE(form->N2->isEnabled());

    EXPECT_EQ(form->S1->text(), QStringLiteral("効果音を鳴らす(&S)"));
    EXPECT_TRUE(form->S1->isChecked());
    form->S1Click();
    EXPECT_FALSE(form->S1->isChecked());
    form->S1->trigger(); // chosen from the menu
    EXPECT_TRUE(form->S1->isChecked());
}

TEST_F(MainFormTest, TimersAndGameStateStartIdle)
{
    const std::pair<TTimer*, int> timers[] = {
        {form->Timer1, 25}, {form->Timer2, 80}, {form->Timer3, 1000}, {form->Timer5, 200}};
    for (const auto& [timer, interval] : timers) {
        EXPECT_EQ(timer->interval(), interval);
        EXPECT_FALSE(timer->Enabled());
    }
    EXPECT_EQ(form->Timer5->Tag, 0);
    EXPECT_EQ(form->TimeLeft(), 0);
    EXPECT_EQ(form->Level(), 0);
    EXPECT_EQ(form->Label1->Caption(), QStringLiteral("F3 デ ゲ～ムヲ開始シマス"));
    EXPECT_EQ(form->Label3->Caption(), QStringLiteral("0"));
    EXPECT_FALSE(form->Label9->isVisibleTo(form.get()));
    EXPECT_FALSE(form->Panel2->isVisibleTo(form.get()));
    EXPECT_TRUE(form->StringGrid1->isVisibleTo(form.get()));
}

TEST_F(MainFormTest, PlayStripLiesWhereTheLayoutPutsIt)
{
    EXPECT_EQ(form->Shape2->geometry(), QRect(317, 234, 130, 22));
    EXPECT_EQ(form->Shape3->geometry(), QRect(358, 240, 50, 10));
    EXPECT_EQ(form->Shape1->geometry(), QRect(51, 242, 8, 8));
    EXPECT_EQ(form->Shape4->geometry(), QRect(28, 236, 453, 17));
    EXPECT_EQ(form->Shape5->geometry(), QRect(28, 244, 453, 1));
    EXPECT_EQ(form->Shape2->BrushStyle(), TBrushStyle::bsHorizontal);
    EXPECT_EQ(form->Shape1->Shape(), TShapeType::stCircle);
    EXPECT_EQ(form->Image6->geometry(), QRect(0, -300, 449, 430));
    EXPECT_TRUE(form->Image6->Stretch());
    EXPECT_EQ(form->Image7->geometry(), QRect(0, 0, 449, 130));
    EXPECT_EQ(form->StringGrid1->geometry(), QRect(34, 185, 441, 90));
    EXPECT_EQ(form->Panel2->geometry(), QRect(30, 173, 449, 102));
}

// While idle the grid covers the play strip: it must lie above the shapes and the shot controls.
TEST_F(MainFormTest, RankingGridCoversThePlayStripWhileIdle)
{
    form->show();
    QWidget* surface = form->centralWidget();
    EXPECT_EQ(surface->childAt(QPoint(100, 244)), form->StringGrid1);
    EXPECT_EQ(surface->childAt(QPoint(360, 245)), form->StringGrid1);
    const QImage shot = form->grab().toImage();
    EXPECT_NE(shot.size(), QSize());
    form->hide();
}

TEST_F(MainFormTest, RankingGridShowsPurpleHeadingAndWhiteText)
{
    EXPECT_EQ(form->StringGrid1->ColWidths(0), 83);
    EXPECT_EQ(form->StringGrid1->ColWidths(1), 220);
    EXPECT_EQ(form->StringGrid1->ColWidths(2), 135);
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(form->StringGrid1->RowHeights(row), 14);

    form->show();
    const QImage grid = form->StringGrid1->grab().toImage();
    form->hide();
    EXPECT_EQ(QColor(grid.pixel(1, 1)), QColor(128, 0, 128));
    EXPECT_EQ(QColor(grid.pixel(1, 15)), QColor(0, 0, 0));
    bool whiteInk = false;
    for (int y = 14; y < 28; ++y)
        for (int x = 0; x < 83; ++x)
            whiteInk = whiteInk || grid.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_TRUE(whiteInk);
}

TEST_F(MainFormTest, SwingPictureStaysUntilTheNextImmediateRepaint)
{
    ASSERT_EQ(form->ImageList1.size(), 5u);
    for (const QPixmap& picture : form->ImageList1)
        EXPECT_EQ(picture.size(), QSize(80, 70));
    form->DrawSwingPicture(30, 186, 4);
    EXPECT_EQ(form->Surface()->Drawing()->PictureCount(), 1);
    form->RepaintNow();
    EXPECT_EQ(form->Surface()->Drawing()->PictureCount(), 0);
}

TEST_F(MainFormTest, BannerWaitsHiddenWithItsOutlineFont)
{
    EXPECT_EQ(form->dxfLabel1->geometry(), QRect(0, 0, 449, 102));
    EXPECT_EQ(form->dxfLabel1->parentWidget(), form->Panel2);
    EXPECT_EQ(form->dxfLabel1->Caption(), QStringLiteral("GAME OVER"));
    EXPECT_EQ(form->dxfLabel1->Style(), TdxfLabelStyle::dxfOutLine);
    EXPECT_EQ(form->dxfLabel1->FontSize(), 184);
    EXPECT_TRUE(form->dxfLabel1->font().bold());
    EXPECT_EQ(form->dxfLabel1->Effect3D()->Style(), TdxfEffectStyle::dxfCool);
    EXPECT_EQ(form->dxfLabel1->Effect3D()->Depth(), 3);
    EXPECT_EQ(form->dxfLabel1->Effect3D()->ShadowedColor(), clMaroon);
}

// The power bar as the shot drives it: 20 steps from empty to full, in a purple-to-white gradient.
TEST_F(MainFormTest, PowerBarIsSetUpForTheShot)
{
    TdxfProgressBar& bar = *form->ProgressBar1;
    EXPECT_EQ(bar.geometry(), QRect(36, 260, 120, 10));
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 20);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.Style(), TdxfPBStyle::sExSolid);
    EXPECT_EQ(bar.BeginColor(), clPurple);
    EXPECT_EQ(bar.EndColor(), clWhite);
    EXPECT_EQ(bar.FontColor(), clYellow);
    bar.SetPosition(10);
    EXPECT_EQ(bar.PositionText(), QStringLiteral("50 %"));
}

TEST_F(MainFormTest, ShotButtonLiesBeneathTheGridWhileIdle)
{
    EXPECT_EQ(form->bCharge->geometry(), QRect(118, 184, 77, 33));
    EXPECT_EQ(form->bCharge->Caption(), QStringList{QStringLiteral("SHOT!!")});
    EXPECT_EQ(form->bCharge->Color(), clBlack);
    EXPECT_TRUE(form->bCharge->isEnabled());
    form->show();
    QWidget* surface = form->centralWidget();
    // Only its top pixel row shows above the grid.
    EXPECT_EQ(surface->childAt(QPoint(156, 184)), form->bCharge);
    EXPECT_EQ(surface->childAt(QPoint(156, 200)), form->StringGrid1);
    form->StringGrid1->hide();
    EXPECT_EQ(surface->childAt(QPoint(156, 200)), form->bCharge);
    form->hide();
}

// One seam: while a window lives, the controls and the last-resort error box use the game's
// message box service, even when an older window goes first.
TEST_F(MainFormTest, MessageBoxesGoThroughTheGameServiceWhileAWindowLives)
{
    EXPECT_EQ(&MessageBoxes(), &messageBox);
    auto second = std::make_unique<TMainForm1>(Services());
    form.reset();
    EXPECT_EQ(&MessageBoxes(), &messageBox);
    second.reset();
    EXPECT_NE(&MessageBoxes(), &messageBox);
}

// The window holds the controls the layout names, found by their own class names.
TEST_F(MainFormTest, ControlsAreFoundByTheirClasses)
{
    EXPECT_EQ(form->findChildren<TShadowLabel*>().size(), 6);
    EXPECT_EQ(form->findChildren<TdxfLabel*>().size(), 1);
    EXPECT_EQ(form->findChildren<TdxfColorButton*>().size(), 1);
    EXPECT_EQ(form->findChildren<TdxfProgressBar*>().size(), 1);
    EXPECT_EQ(form->findChildren<TTimer*>().size(), 4);
    EXPECT_EQ(form->findChildren<TStringGrid*>().size(), 1);
    EXPECT_EQ(qobject_cast<TCustomLabel*>(form->dxfLabel1), form->dxfLabel1);
    EXPECT_STREQ(form->metaObject()->className(), "TMainForm1");
    EXPECT_STREQ(form->Surface()->metaObject()->className(), "TFormSurface");
}

// The labels are sized to their captions, which in the game's fonts take the widths the
// layout gives them and one line of the layout's height.
struct LabelPlace {
    const char* Name;
    TShadowLabel* TMainForm1::*Label;
    const char* Caption;
    QRect Layout;
};
PRINT_ROW_BY_NAME(LabelPlace, Name)

class MainFormLabelTest : public MainFormTest, public ::testing::WithParamInterface<LabelPlace> {};

TEST_P(MainFormLabelTest, CaptionFillsItsLaidOutPlace)
{
    TShadowLabel* label = form.get()->*GetParam().Label;
    label->SetCaption(QString::fromUtf8(GetParam().Caption));
    const QRect layout = GetParam().Layout;
    EXPECT_EQ(label->pos(), layout.topLeft());
    EXPECT_NEAR(label->width(), layout.width(), 2);
    EXPECT_EQ(label->height(), layout.height());
}

INSTANTIATE_TEST_SUITE_P(
    Labels, MainFormLabelTest,
    ::testing::Values(LabelPlace{"Status", &TMainForm1::Label1, "F3 デ ゲ～ムヲ開始シマス", QRect(5, 17, 176, 16)},
                      LabelPlace{"Score", &TMainForm1::Label2, "SCORE", QRect(205, 17, 51, 16)},
                      LabelPlace{"HighScoreTitle", &TMainForm1::Label4, "HIGH-SCORE", QRect(313, 17, 94, 16)},
                      LabelPlace{"HighScore", &TMainForm1::Label5, "0", QRect(413, 17, 8, 16)},
                      LabelPlace{"ScoreValue", &TMainForm1::Label3, "0", QRect(261, 17, 8, 16)},
                      LabelPlace{"Result", &TMainForm1::Label9, "NICE IN!! +0", QRect(212, 191, 63, 12)}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainFormTest, FourDigitHighScoreEndsLeftOfTheRightColumn)
{
    form->Label5->SetCaption(QStringLiteral("8888"));
    form->show();
    QWidget* window = form->centralWidget();
    const QImage shown = window->grab().toImage();
    form->Label5->hide();
    const QImage hidden = window->grab().toImage();
    form->hide();

    const QRect label(form->Label5->mapTo(window, QPoint(0, 0)), form->Label5->size());
    EXPECT_LT(label.right(), form->Panel6->x());
    int lastInk = -1;
    for (int x = label.left(); x < shown.width(); ++x)
        for (int y = label.top(); y <= label.bottom(); ++y)
            if (shown.pixel(x, y) != hidden.pixel(x, y))
                lastInk = x;
    EXPECT_GT(lastInk, label.left() + 24);
    EXPECT_LT(lastInk, form->Panel6->x());
}
