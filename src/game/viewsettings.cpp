#include "game/viewsettings.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kZoomKey = QStringLiteral("Window/Zoom");
const QString kFullScreenKey = QStringLiteral("Window/FullScreen");
// A settings file is a few lines; anything bigger is not ours.
constexpr qint64 kMaxFileSize = qint64(64) * 1024;

} // namespace

TViewSettings LoadViewSettings(const QString& fileName)
{
    TViewSettings settings;
    // Only a plain file: a pipe or a device put in its place would hold the game up.
    const QFileInfo file(fileName);
    if (fileName.isEmpty() || !file.isFile() || file.size() > kMaxFileSize)
        return settings;
    const QSettings stored(fileName, QSettings::IniFormat);
    bool valid = false;
    const int zoom = stored.value(kZoomKey).toInt(&valid);
    if (valid && zoom >= 1 && zoom <= TViewSettings::kMaxZoom)
        settings.zoom = zoom;
    settings.fullScreen = stored.value(kFullScreenKey, false).toBool();
    return settings;
}

void SaveViewSettings(const QString& fileName, const TViewSettings& settings)
{
    if (fileName.isEmpty())
        return;
    QSettings stored(fileName, QSettings::IniFormat);
    stored.setValue(kZoomKey, settings.zoom);
    stored.setValue(kFullScreenKey, settings.fullScreen);
}
