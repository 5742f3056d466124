#pragma once

#include <QString>

// The folder of the running executable with its trailing separator, ready to take a file name.
QString ApplicationDir();

// The folder of the game's installed data (sounds, the starter ranking) with its trailing
// separator, found from the executable's folder; it exists only in an installed game.
QString InstalledDataDir();

// Where the ranking file can live, as the running system offers.
struct TRankingPlaces {
    QString executableDir; // with its trailing separator
    bool executableDirWritable = false;
    QString dataHome;    // the user's data folder ($XDG_DATA_HOME); may be empty
    QString starterFile; // the installed starter ranking; may not exist
};

// The ranking file's full path. Beside the executable whenever its folder is writable, as a
// game run from its build folder has it. Otherwise (a game installed in a system folder) in
// the user's data folder under "velquan". A missing file in the chosen place is seeded once
// from the starter ranking and never overwritten. When the user's data folder cannot take
// the file either, the starter itself is read, and saving reports that it cannot be written.
QString LocateRankingFile(const TRankingPlaces& places);

// LocateRankingFile for the running executable and the user's data folder.
QString RankingFilePath();
