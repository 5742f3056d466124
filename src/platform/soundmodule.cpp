// The sound module: Qt Multimedia's QSoundEffect behind SoundPlayer, loaded by QtSoundService
// when the game plays its first sound.
#include "platform/sound.h"

#include <QSoundEffect>
#include <QUrl>

#include <map>

namespace {

class SoundEffectPlayer final : public SoundPlayer {
public:
    void PlayFile(const QString& fullPath) override
    {
        for (auto& [path, effect] : FEffects)
            effect->stop();
        // Keyed by the full path: the same name means another file after a change of folder.
        std::unique_ptr<QSoundEffect>& effect = FEffects[fullPath];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(fullPath));
        }
        effect->play();
    }

    int LoadedCount() const override { return int(FEffects.size()); }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> FEffects;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* VelquanCreateSoundPlayer()
{
    return new SoundEffectPlayer;
}
