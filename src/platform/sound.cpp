#include "platform/sound.h"

#include "platform/appdir.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {

#ifdef VELQUAN_MODULE_FROM_BIN
constexpr char kModuleFromBin[] = VELQUAN_MODULE_FROM_BIN;
#else
constexpr char kModuleFromBin[] = "../lib/velquan";
#endif
constexpr char kModuleName[] = "velquan_sound";
constexpr char kFactoryName[] = "VelquanCreateSoundPlayer";

using Factory = SoundPlayer* (*)();

} // namespace

QtSoundService::QtSoundService() = default;

QtSoundService::~QtSoundService()
{
    // The players belong to the module's code: they go before it would.
    FPlayer.reset();
}

int QtSoundService::LoadedCount() const
{
    return FPlayer ? FPlayer->LoadedCount() : 0;
}

void QtSoundService::Play(const QString& fileName)
{
    const QFileInfo file(QDir::current().absoluteFilePath(fileName));
    if (!file.isFile())
        return;
    if (!FTriedLoading)
        LoadModule();
    if (FPlayer)
        FPlayer->PlayFile(file.absoluteFilePath());
}

void QtSoundService::LoadModule()
{
    FTriedLoading = true;
    // Beside the executable in a build folder, in the library folder when installed.
    for (const QString& folder : {ApplicationDir(), QDir::cleanPath(ApplicationDir() + QLatin1String(kModuleFromBin)) + u'/'}) {
        auto module = std::make_unique<QLibrary>(folder + QLatin1String(kModuleName));
        if (!module->load())
            continue;
        if (const auto create = reinterpret_cast<Factory>(module->resolve(kFactoryName))) {
            FPlayer.reset(create());
            FModule = std::move(module);  // never unloaded: Qt Multimedia does not expect it
            return;
        }
        module->unload();
    }
}
