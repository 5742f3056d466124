#include "platform/sound.h"

#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

QtSoundService::QtSoundService() = default;
QtSoundService::~QtSoundService() = default;

void QtSoundService::Play(const QString& fileName)
{
    // Keyed by the full path: the same name means another file after a change of directory.
    const QFileInfo file(QDir::current().absoluteFilePath(fileName));
    if (!file.isFile())
        return;

    for (auto& [path, effect] : FEffects)
        effect->stop();

    std::unique_ptr<QSoundEffect>& effect = FEffects[file.absoluteFilePath()];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    }
    effect->play();
}
