#include "services/sound.h"

#include "services/appdir.h"
#include "services/soundmodule.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QThread>

namespace {

// Loads the sound module at its first use, in the thread of that use.
class SoundModule {
public:
    std::unique_ptr<SoundPlayer> MakeOutput(const QString& filePath)
    {
        if (!FTried) {
            FTried = true;
            FMake = Load();
        }
        return FMake ? std::unique_ptr<SoundPlayer>(FMake(filePath)) : nullptr;
    }

private:
    static TMakeEffectOutput Load()
    {
        for (const QString& folder : {ApplicationDir(), InstalledLibraryDir()}) {
            QLibrary module(folder + QLatin1String(kSoundModuleName));
            // The outputs' code must outlive them, and the sound server's library does not
            // expect to be unloaded: the module stays until the program ends.
            module.setLoadHints(QLibrary::PreventUnloadHint);
            if (!module.load())
                continue;
            if (const auto make = reinterpret_cast<TMakeEffectOutput>(module.resolve(kMakeEffectOutputSymbol)))
                return make;
        }
        return nullptr;
    }

    bool FTried = false;
    TMakeEffectOutput FMake = nullptr;
};

// A file's player as the game's thread sees it. Its output is made when the file is first
// prepared or played, and made, played and destroyed in the audio thread only, so nothing of it is loaded or
// waited for in the game's thread.
class AudioThreadPlayer final : public SoundPlayer {
public:
    AudioThreadPlayer(QString filePath, QObject* audioThreadContext, SoundPlayerFactory makeOutput)
        : FPath(std::move(filePath)), FContext(audioThreadContext), FMakeOutput(std::move(makeOutput))
    {
    }

    ~AudioThreadPlayer() override
    {
        if (FUsed)
            QMetaObject::invokeMethod(
                FContext, [this] { FOutput.reset(); }, Qt::BlockingQueuedConnection);
    }

    void Play() override
    {
        InAudioThread([this] {
            if (SoundPlayer* output = Output())
                output->Play();
        });
    }

    void Prepare() override
    {
        InAudioThread([this] {
            if (SoundPlayer* output = Output())
                output->Prepare();
        });
    }

    void Stop() override
    {
        if (FUsed)
            QMetaObject::invokeMethod(
                FContext,
                [this] {
                    if (FOutput)
                        FOutput->Stop();
                },
                Qt::QueuedConnection);
    }

private:
    template <typename Work>
    void InAudioThread(Work work)
    {
        FUsed = true;
        QMetaObject::invokeMethod(FContext, std::move(work), Qt::QueuedConnection);
    }

    // The audio thread only.
    SoundPlayer* Output()
    {
        if (!FOutput && !FMade) {
            FMade = true;
            FOutput = FMakeOutput(FPath);
        }
        return FOutput.get();
    }

    const QString FPath;
    QObject* const FContext;
    const SoundPlayerFactory FMakeOutput;
    bool FUsed = false; // the game's thread only
    // The audio thread only.
    bool FMade = false;
    std::unique_ptr<SoundPlayer> FOutput;
};

} // namespace

TAudioThreadOutputs SoundModuleOutputs()
{
    return {
        [module = std::make_shared<SoundModule>()](const QString& filePath) { return module->MakeOutput(filePath); }};
}

QtSoundService::QtSoundService(QStringList ownFolders, SoundPlayerFactory makePlayer)
    : FOwnFolders(std::move(ownFolders)), FMakePlayer(std::move(makePlayer))
{
}

QtSoundService::QtSoundService(QStringList ownFolders, TAudioThreadOutputs outputs)
    : FOwnFolders(std::move(ownFolders)), FAudioThread(std::make_unique<QThread>()),
      FAudioContext(std::make_unique<QObject>())
{
    FAudioThread->setObjectName(QStringLiteral("audio"));
    FAudioContext->moveToThread(FAudioThread.get());
    FAudioThread->start();
    FMakePlayer = [context = FAudioContext.get(), makeOutput = std::move(outputs.makeOutput)](const QString& path) {
        return std::make_unique<AudioThreadPlayer>(path, context, makeOutput);
    };
}

QtSoundService::QtSoundService(QStringList ownFolders) : QtSoundService(std::move(ownFolders), SoundModuleOutputs()) {}

QtSoundService::QtSoundService() : QtSoundService(QStringList{ApplicationDir(), InstalledDataDir()}) {}

QtSoundService::~QtSoundService()
{
    // The players close their outputs in the audio thread, which must still run for that.
    FPlaying = nullptr;
    FPlayers.clear();
    if (FAudioThread) {
        FAudioThread->quit();
        FAudioThread->wait();
    }
}

QString QtSoundService::Locate(const QString& fileName) const
{
    if (fileName.isEmpty())
        return {};
    for (const QString& folder : QStringList{QDir::currentPath()} + FOwnFolders) {
        const QFileInfo file(QDir(folder).absoluteFilePath(fileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

SoundPlayer* QtSoundService::PlayerFor(const QString& fileName)
{
    const QString path = Locate(fileName);
    if (path.isEmpty())
        return nullptr;
    std::unique_ptr<SoundPlayer>& player = FPlayers[path];
    if (!player)
        player = FMakePlayer(path);
    SoundPlayer* made = player.get();
    if (!made)
        FPlayers.erase(path);
    return made;
}

void QtSoundService::Play(const QString& fileName)
{
    SoundPlayer* player = PlayerFor(fileName);
    if (!player)
        return;
    if (FPlaying)
        FPlaying->Stop();
    FPlaying = player;
    FPlaying->Play();
}

void QtSoundService::Prepare(const QStringList& fileNames)
{
    for (const QString& fileName : fileNames)
        if (SoundPlayer* player = PlayerFor(fileName))
            player->Prepare();
}
