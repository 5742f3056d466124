#pragma once

#include <QList>
#include <QString>

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

// One row of the ranking as the file holds it: the name and the score's text.
struct TRankingEntry {
    QString Name;
    QString Score;
    bool operator==(const TRankingEntry&) const = default;
};

// Ranks 1 to 5, best first as far as nobody has edited the file by hand.
using TRankingTable = std::array<TRankingEntry, 5>;

// The rank a score enters at: the first row from the top whose stored score is lower, so that
// a tie ranks below the score it ties with and nothing is re-sorted; 0 when none is lower.
// Every stored score is converted, from rank 5 up; one that is no whole number throws
// EConvertError.
int RankFor(const TRankingTable& table, std::int32_t score);

// Puts the entry at the rank (1 to 5): the rows below move down one and the last one drops out.
void InsertAt(TRankingTable& table, int rank, const TRankingEntry& entry);

// A table in the file with new entries put in, one after the other in the order they were
// made, each where RankFor puts its score; none when a score of the table is no whole number.
std::optional<TRankingTable> Merged(TRankingTable table, const QList<TRankingEntry>& entries);

// What a save writes. While the file holds the table this window last read or wrote (base),
// or no table that can be merged into, the window's own table, as a window alone saves it;
// once another player has saved (theirs), theirs with this window's entries made since the
// base (ours) put in, so that no player's score is lost and one removed by hand stays removed.
TRankingTable TableToSave(const TRankingTable& own, const TRankingTable& base,
                          const std::optional<TRankingTable>& theirs, const QList<TRankingEntry>& ours);

// The table in the ranking file as the game reads it (a missing key reads as an empty text),
// none when there is no file.
std::optional<TRankingTable> ReadRankingTable(const QString& fileName);

// Writes the table's ten keys in their order, in one step, and everything else in the file as
// it was; throws EWriteError.
void WriteRankingTable(const QString& fileName, const TRankingTable& table);

// A window's save: under the file's exclusive lock, reads the file, writes what TableToSave
// makes of it and returns that. Throws EWriteError.
TRankingTable SaveRankingTable(const QString& fileName, const TRankingTable& own, const TRankingTable& base,
                               const QList<TRankingEntry>& ours);

// How long a save or a read waits for another player's save to let go of the file; far longer
// than a save takes. Past it, they go on without the lock.
inline constexpr std::chrono::milliseconds kRankingLockWait{3000};
