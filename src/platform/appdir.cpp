#include "platform/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

#ifdef VELQUAN_DATA_FROM_BIN
constexpr char kDataFromBin[] = VELQUAN_DATA_FROM_BIN;
#else
constexpr char kDataFromBin[] = "../share/velquan";
#endif
const QString kRankingName = QStringLiteral("VELQUAN.ini");
const QString kUserFolder = QStringLiteral("velquan");

QString WithSeparator(const QString& directory)
{
    return directory.endsWith(u'/') ? directory : directory + u'/';
}

// Copies the starter ranking to target unless target exists; true when target exists after.
bool Seed(const QString& target, const QString& starterFile)
{
    if (QFileInfo::exists(target))
        return true;
    if (!QFileInfo(starterFile).isFile() || !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    if (!QFile::copy(starterFile, target))
        return QFileInfo::exists(target); // another instance may have seeded it first
    // The copy keeps the installed file's read-only mode; the player's ranking must take writes.
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                                 QFileDevice::ReadOther);
    return true;
}

} // namespace

QString ApplicationDir()
{
    return WithSeparator(QCoreApplication::applicationDirPath());
}

QString InstalledDataDir()
{
    return WithSeparator(QDir::cleanPath(ApplicationDir() + QLatin1String(kDataFromBin)));
}

QString LocateRankingFile(const TRankingPlaces& places)
{
    if (places.executableDirWritable) {
        const QString besideExecutable = WithSeparator(places.executableDir) + kRankingName;
        Seed(besideExecutable, places.starterFile);
        return besideExecutable;
    }
    if (!places.dataHome.isEmpty()) {
        const QString userFile = WithSeparator(places.dataHome) + kUserFolder + u'/' + kRankingName;
        if (Seed(userFile, places.starterFile))
            return userFile;
    }
    return places.starterFile;
}

QString RankingFilePath()
{
    TRankingPlaces places;
    places.executableDir = ApplicationDir();
    places.executableDirWritable = QFileInfo(places.executableDir).isWritable();
    places.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    places.starterFile = InstalledDataDir() + kRankingName;
    return LocateRankingFile(places);
}
