#pragma once

#include <QString>

// The folder of the running executable with its trailing separator, ready to take a file name.
QString ApplicationDir();

// The folder of the game's installed data (sounds, the starter ranking) with its trailing
// separator, found from the executable's folder; it exists only in an installed game.
QString InstalledDataDir();

// The folder of the installed game's own library (the sound module), found the same way.
QString InstalledLibraryDir();

// What the running system offers for the ranking file.
struct TRankingPlaces {
    QString executableDir;     // with or without its trailing separator
    bool installed = false;    // the installed data folder exists
    bool besideExists = false; // a ranking file lies beside the executable
    bool executableDirWritable = false;
    bool besideWritable = false; // that file may be written
    QString dataHome;            // the user's data folder ($XDG_DATA_HOME); may be empty
    QString starterFile;         // the installed starter ranking
    QString chosenFile;          // the file the player named (absolute), or empty
};

// The ranking file of a run: read at start and written at every save. When it is missing, it
// is first copied from seedFrom (when set), at start and again at a save whose start-up copy
// failed; a copy never overwrites a file.
struct TRankingFile {
    QString path;
    QString seedFrom;

    bool operator==(const TRankingFile&) const = default;
};

// Where the ranking lives. A portable copy (no installed data folder) keeps it beside the
// executable while that file or its folder can be written, and otherwise in the player's data
// folder, copied from the one beside the executable. An installed copy keeps it in the
// player's data folder, copied from the installed starter, unless a ranking already lies
// beside the executable, which is then treated as a portable copy's. A file the player named
// is used wherever it is, copied when missing from the starter the copy would use otherwise.
// Decides only; touches nothing.
TRankingFile LocateRankingFile(const TRankingPlaces& places);

// Copies file.seedFrom to file.path when the path is missing, in one step and never over an
// existing file. True when the path exists afterwards.
bool SeedRankingFile(const TRankingFile& file);

// The ranking file of the running executable: chosenFile (relative to the current folder)
// when set, else the one its places give.
TRankingFile RankingFile(const QString& chosenFile = QString());
