// Wall time of the two banners as a player sees them: from F3 to the ranking grid being
// hidden, and from the last countdown tick to the grid coming back, against their 3160 ms
// of waits. Run it on a real display (e.g. Xvfb); it prints what painting adds.
#include "game/mainform.h"
#include "platform/clock.h"
#include "platform/fonts.h"
#include "platform/inputbox.h"
#include "platform/messagebox.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/stringgrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double kWaits = 3160;

class SilentSound final : public SoundService {
public:
    void Play(const QString&) override {}
};

class NoShell final : public ShellService {
public:
    void OpenUrl(const QString&) override {}
};

class CancelledInputBox final : public InputBoxService {
public:
    QString InputBox(const QString&, const QString&, const QString& defaultValue) override { return defaultValue; }
};

void Report(const char* banner, qint64 milliseconds)
{
    std::printf("%-12s %5lld ms for %4.0f ms of waits: painting adds %lld ms (%.2f %%)\n", banner,
                static_cast<long long>(milliseconds), kWaits, static_cast<long long>(milliseconds - qint64(kWaits)),
                100.0 * (double(milliseconds) - kWaits) / kWaits);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    InstallFontSubstitutions();
    QTemporaryDir folder;
    const QString ranking = folder.filePath(QStringLiteral("VELQUAN.ini"));
    QFile file(ranking);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("[RANK]\r\nSCORE1=1\r\nSCORE2=1\r\nSCORE3=1\r\nSCORE4=1\r\nSCORE5=1\r\n");
    file.close();

    RealClock clock;
    SilentSound sound;
    NoShell shell;
    CancelledInputBox inputBox;
    TRandomGenerator random;
    TMainForm1 form(TGameServices{.clock = &clock,
                                  .sound = &sound,
                                  .shell = &shell,
                                  .inputBox = &inputBox,
                                  .messageBox = &MessageBoxes(),
                                  .random = &random,
                                  .rankingFile = ranking});
    form.show();
    clock.ProcessMessagesUntil(clock.TickCount() + 500);

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        form.N2Click();  // returns right after the grid is hidden and the game set up
        Report("GAME START", timer.elapsed());
        clock.ProcessMessages();
        while (form.TimeLeft() > 1)
            form.Timer3Timer();
        timer.restart();
        form.Timer3Timer();  // the end of the game, the cancelled ranking box included
        Report("GAME OVER", timer.elapsed());
        clock.ProcessMessages();
    }
    return 0;
}
