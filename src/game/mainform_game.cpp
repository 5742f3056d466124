#include "game/mainform.h"

#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/announcer.h"
#include "desktop/panel.h"
#include "desktop/shape.h"
#include "desktop/stringgrid.h"
#include "services/clock.h"
#include "services/timer.h"

#include <QAction>
#include <algorithm>
#include <array>

namespace {

constexpr int kGameSeconds = 60;
constexpr int kGreenWidthAtStart = 130;
constexpr int kCupWidthAtStart = 50;
// A screen reader is told the time left at these seconds.
constexpr std::array kSpokenSeconds{30, 10};

constexpr int kBannerStartPoints = 184;
constexpr int kBannerSteps = 36;
constexpr std::uint32_t kShrinkWait = 40;
constexpr int kShrinkTurn = 10;
constexpr int kShrinkPoints = -4;
constexpr std::uint32_t kBannerPause = 1000;
constexpr std::uint32_t kGrowWait = 20;
constexpr int kGrowTurn = 40;
constexpr int kGrowPoints = 8;

// One frame of the banner: turn and resize the text, then show it at once, since the
// thread is blocked and nothing else would paint it.
void StepBanner(TdxfLabel* banner, int turn, int points)
{
    banner->SetAngle(banner->Angle() + turn);
    if (banner->Angle() == 360)
        banner->SetAngle(0);
    banner->SetFontSize(banner->FontSize() + points);
    banner->repaint();
}

} // namespace

void TMainForm1::PlayBanner(const QString& text, const QString& sound)
{
    dxfLabel1->SetCaption(text);
    dxfLabel1->SetAngle(0);
    dxfLabel1->SetFontSize(kBannerStartPoints);
    PlaySoundEffect(sound);
    Panel2->show();

    for (int step = 0; step < kBannerSteps; ++step) {
        Pause(kShrinkWait);
        StepBanner(dxfLabel1, kShrinkTurn, kShrinkPoints);
    }
    Pause(kBannerPause);
    for (int step = 0; step < kBannerSteps; ++step) {
        Pause(kGrowWait);
        StepBanner(dxfLabel1, kGrowTurn, kGrowPoints);
    }
}

void TMainForm1::N2Click()
{
    // Where the file system cannot report another player's save, F3 shows it.
    RefreshRanking();
    Label1->SetCaption(tr("ジュンビハイイカ・・・"));
    RepaintNow();
    PlayBanner(QStringLiteral("GAME START"), QStringLiteral("snd_start.wav"));

    StringGrid1->hide();
    Panel2->hide();
    N2->setEnabled(false);
    bCharge->setEnabled(true);

    FScore = 0;
    FTimeLeft = kGameSeconds;
    FLevel = 1;
    Label3->SetCaption(QString::number(FScore));

    // Only the widths start afresh: green and cup keep the left edges the last game left.
    Shape2->resize(kGreenWidthAtStart, Shape2->height());
    Shape3->resize(kCupWidthAtStart, Shape3->height());

    RepaintNow();
    DrawSwingPicture(30, 186, 0);
    ProgressBar1->SetPosition(0);

    Timer3->SetEnabled(true);
    Timer2->SetEnabled(true);
    Timer5->SetEnabled(true);
    // Said once the banner has gone, when the game can be played.
    FAnnouncer->Announce(QStringLiteral("GAME START"));
    AnnounceGreen();
}

void TMainForm1::Timer3Timer()
{
    --FTimeLeft;
    // The seconds are counted: a translation words them with its plural forms.
    Label1->SetCaption(tr("ノコリ %n ビョウ", nullptr, FTimeLeft));
    if (std::find(kSpokenSeconds.begin(), kSpokenSeconds.end(), FTimeLeft) != kSpokenSeconds.end())
        FAnnouncer->Announce(Label1->Caption());
    if (FTimeLeft > 0)
        return;

    Label1->SetCaption(tr("時間ギレデス"));
    Label1->repaint();

    Timer1->SetEnabled(false);
    Timer3->SetEnabled(false);
    Timer2->SetEnabled(false);
    Timer5->SetEnabled(false);
    Timer5->Tag = Timer5->Tag == 0 ? 1 : 0;

    PlayBanner(QStringLiteral("GAME OVER"), QStringLiteral("snd_over.wav"));

    Panel2->hide();
    StringGrid1->show();
    Label9->hide();
    N2->setEnabled(true);
    Label1->SetCaption(tr("F3 デ ゲームヲ開始シマス"));
    RepaintNow();

    EnterRanking();
}

void TMainForm1::AnnounceTimeLeft()
{
    // Before the first second has gone the status line still reads as the banner left it.
    const QString time = FTimeLeft > 0 ? tr("ノコリ %n ビョウ", nullptr, FTimeLeft) : Label1->Caption();
    FAnnouncer->Announce(time);
    FAnnouncer->Announce(Label2->Caption() + u' ' + Label3->Caption());
}
