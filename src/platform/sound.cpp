#include "platform/sound.h"

#include "platform/appdir.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

class EffectPlayer final : public SoundPlayer {
public:
    explicit EffectPlayer(const QString& filePath) { FEffect.setSource(QUrl::fromLocalFile(filePath)); }
    // Plays once loaded when the file is still being decoded.
    void Play() override { FEffect.play(); }
    void Stop() override { FEffect.stop(); }

private:
    QSoundEffect FEffect;
};

} // namespace

std::unique_ptr<SoundPlayer> MakeEffectPlayer(const QString& filePath)
{
    return std::make_unique<EffectPlayer>(filePath);
}

QtSoundService::QtSoundService(QString ownFolder, SoundPlayerFactory makePlayer)
    : FOwnFolder(std::move(ownFolder)), FMakePlayer(std::move(makePlayer))
{
}

QtSoundService::QtSoundService() : QtSoundService(ApplicationDir()) {}

QtSoundService::~QtSoundService() = default;

QString QtSoundService::Locate(const QString& fileName) const
{
    if (fileName.isEmpty())
        return {};
    for (const QDir& folder : {QDir::current(), QDir(FOwnFolder)}) {
        const QFileInfo file(folder.absoluteFilePath(fileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

void QtSoundService::Play(const QString& fileName)
{
    const QString path = Locate(fileName);
    if (path.isEmpty())
        return;

    std::unique_ptr<SoundPlayer>& player = FPlayers[path];
    if (!player)
        player = FMakePlayer(path);
    if (!player) {
        FPlayers.erase(path);
        return;
    }
    if (FPlaying)
        FPlaying->Stop();
    FPlaying = player.get();
    FPlaying->Play();
}
