#include "commandline.h"
#include "desktop/application.h"
#include "desktop/fonts.h"
#include "desktop/fullscreen.h"
#include "desktop/inputbox.h"
#include "desktop/keyrepeat.h"
#include "desktop/messagebox.h"
#include "desktop/panel.h"
#include "desktop/shell.h"
#include "desktop/signals.h"
#include "desktop/windowsystem.h"
#include "game/bossform.h"
#include "game/mainform.h"
#include "game/pictures.h"
#include "services/appdir.h"
#include "services/clock.h"
#include "services/exceptions.h"
#include "services/random.h"
#include "services/sound.h"
#include "services/translations.h"

#include <QGuiApplication>
#include <QIcon>
#include <QStandardPaths>
#include <memory>
#include <optional>

namespace {

// The player's own settings: $XDG_CONFIG_HOME/velquan/settings.ini, or nowhere without a home.
QString SettingsFile()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/velquan/settings.ini");
}

} // namespace

int main(int argc, char* argv[])
{
    const TCommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.answer)
        return *commandLine.answer;
    TWindowSystemChoice windowSystem;
    TApplication application(argc, argv);
    windowSystem.Forget();
    HoldSizeLimitsForFirstFrames(application);
    application.SetTitle(QStringLiteral("VELQUAN"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELQUAN_VERSION));
    // Wayland compositors match the window to its desktop entry, and so to its icon, by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(VELQUAN_APP_ID));
    application.setWindowIcon(QIcon(LoadPicture(Pictures::kIcon)));
    InstallFontSubstitutions();
    // A held Space is one putt however late its repeats arrive.
    RequestDetectableAutoRepeat();
    // Before any window: they take their texts and fonts as they are built.
    const QString language = InstallTranslations(QStringLiteral(":/i18n"));
    InstallLanguageFont(language);

    RealClock clock;
    QtSoundService sound;
    QtShellService shell;
    QtInputBoxService inputBox;
    TRandomGenerator random;
    const TRankingFile ranking = RankingFile(commandLine.rankingFile ? QString::fromLocal8Bit(*commandLine.rankingFile)
                                                                     : qEnvironmentVariable("VELQUAN_RANKING"));
    const TGameServices services{.clock = &clock,
                                 .sound = &sound,
                                 .shell = &shell,
                                 .inputBox = &inputBox,
                                 .messageBox = &MessageBoxes(),
                                 .random = &random,
                                 .rankingFile = ranking.path,
                                 .rankingSeed = ranking.seedFrom,
                                 .homePage = QStringLiteral(VELQUAN_HOMEPAGE),
                                 .language = language,
                                 .settingsFile = SettingsFile()};
    int status = 0;
    try {
        std::unique_ptr<TMainForm1> mainForm = std::make_unique<TMainForm1>(services);
        MainForm1 = mainForm.get();
        std::unique_ptr<TBossForm1> bossForm = std::make_unique<TBossForm1>();
        BossForm1 = bossForm.get();
        const TTerminationSignals endOnSignals(mainForm.get());
        QObject::connect(&endOnSignals, &TTerminationSignals::Finished, &application, &TApplication::exit);
        clock.SetWakeDescriptor(endOnSignals.WakeDescriptor());
        mainForm->show();
        status = TApplication::exec();
        TTerminationSignals::HoldUntilExit();
        clock.SetWakeDescriptor(-1);
    } catch (const Exception& error) {
        application.ShowException(error.Message());
    } catch (...) {
        application.ShowException(QString());
    }
    MainForm1 = nullptr;
    BossForm1 = nullptr;
    return status;
}
