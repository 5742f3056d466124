#include "services/appdir.h"

#include "services/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

#ifdef VELQUAN_DATA_FROM_BIN
constexpr char kDataFromBin[] = VELQUAN_DATA_FROM_BIN;
#else
constexpr char kDataFromBin[] = "../share/velquan";
#endif
#ifdef VELQUAN_LIBRARY_FROM_BIN
constexpr char kLibraryFromBin[] = VELQUAN_LIBRARY_FROM_BIN;
#else
constexpr char kLibraryFromBin[] = "../lib/velquan";
#endif
const QString kRankingName = QStringLiteral("VELQUAN.ini");
const QString kUserFolder = QStringLiteral("velquan");

QString WithSeparator(const QString& directory)
{
    return directory.endsWith(u'/') ? directory : directory + u'/';
}

bool Writable(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
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

QString InstalledLibraryDir()
{
    return WithSeparator(QDir::cleanPath(ApplicationDir() + QLatin1String(kLibraryFromBin)));
}

TRankingFile LocateRankingFile(const TRankingPlaces& places)
{
    const QString beside = WithSeparator(places.executableDir) + kRankingName;
    const QString seed = places.installed && !places.besideExists ? places.starterFile : beside;
    if (!places.chosenFile.isEmpty())
        return {places.chosenFile, places.installed || places.besideExists ? seed : QString()};
    // Without a data folder of the player's there is nowhere else to go.
    if (places.dataHome.isEmpty())
        return {beside, places.installed && !places.besideExists ? seed : QString()};
    const QString playerCopy = WithSeparator(places.dataHome) + kUserFolder + u'/' + kRankingName;
    if (places.installed && !places.besideExists)
        return {playerCopy, seed};
    // Replaced when the folder is writable, written in place when only the file is.
    if (places.executableDirWritable || (places.besideExists && places.besideWritable))
        return {beside, QString()};
    return {playerCopy, seed};
}

bool SeedRankingFile(const TRankingFile& file)
{
    if (QFileInfo::exists(file.path))
        return true;
    if (file.seedFrom.isEmpty())
        return false;
    QByteArray starter;
    if (ReadRegularFile(file.seedFrom, starter) != TReadResult::Read ||
        !QDir().mkpath(QFileInfo(file.path).absolutePath()))
        return false;
    return CreateFileExclusively(file.path, starter);
}

TRankingFile RankingFile(const QString& chosenFile)
{
    TRankingPlaces places;
    if (!chosenFile.isEmpty())
        places.chosenFile = QFileInfo(chosenFile).absoluteFilePath();
    places.executableDir = ApplicationDir();
    places.installed = QFileInfo(InstalledDataDir()).isDir();
    const QString beside = places.executableDir + kRankingName;
    places.besideExists = QFileInfo::exists(beside);
    places.executableDirWritable = Writable(places.executableDir);
    places.besideWritable = Writable(beside);
    places.dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    places.starterFile = InstalledDataDir() + kRankingName;
    return LocateRankingFile(places);
}
