#include "game/rankingtable.h"

#include "services/convert.h"
#include "services/exceptions.h"
#include "services/filelock.h"
#include "services/profile.h"

#include <QFileInfo>

namespace {

constexpr int kRanks = 5;
const QString kSection = QStringLiteral("RANK");

QString NameKey(int rank)
{
    return QStringLiteral("NAME%1").arg(rank);
}

QString ScoreKey(int rank)
{
    return QStringLiteral("SCORE%1").arg(rank);
}

} // namespace

int RankFor(const TRankingTable& table, std::int32_t score)
{
    int rank = 0;
    for (int row = kRanks; row >= 1; --row)
        if (StrToInt(table[size_t(row - 1)].Score) < score)
            rank = row;
    return rank;
}

void InsertAt(TRankingTable& table, int rank, const TRankingEntry& entry)
{
    for (int row = kRanks; row > rank; --row)
        table[size_t(row - 1)] = table[size_t(row - 2)];
    table[size_t(rank - 1)] = entry;
}

std::optional<TRankingTable> Merged(TRankingTable table, const QList<TRankingEntry>& entries)
{
    try {
        // Converts every score, so a table with one that is no number is refused with no entries too.
        RankFor(table, 0);
        for (const TRankingEntry& entry : entries)
            if (const int rank = RankFor(table, StrToInt(entry.Score)))
                InsertAt(table, rank, entry);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
    return table;
}

TRankingTable TableToSave(const TRankingTable& own, const TRankingTable& base,
                          const std::optional<TRankingTable>& theirs, const QList<TRankingEntry>& ours)
{
    if (!theirs || *theirs == base)
        return own;
    return Merged(*theirs, ours).value_or(own);
}

std::optional<TRankingTable> ReadRankingTable(const QString& fileName)
{
    if (!QFileInfo(fileName).isFile())
        return std::nullopt;
    TRankingTable table;
    for (int rank = 1; rank <= kRanks; ++rank)
        table[size_t(rank - 1)] = {ReadProfileString(fileName, kSection, NameKey(rank), QString()),
                                   ReadProfileString(fileName, kSection, ScoreKey(rank), QString())};
    return table;
}

void WriteRankingTable(const QString& fileName, const TRankingTable& table)
{
    QList<TProfileWrite> writes;
    for (int rank = 1; rank <= kRanks; ++rank) {
        writes.append({kSection, NameKey(rank), table[size_t(rank - 1)].Name});
        writes.append({kSection, ScoreKey(rank), table[size_t(rank - 1)].Score});
    }
    WriteProfileStrings(fileName, writes);
}

TRankingTable SaveRankingTable(const QString& fileName, const TRankingTable& own, const TRankingTable& base,
                               const QList<TRankingEntry>& ours)
{
    // Read, merged and written while no other player's save can come in between.
    const TFileLock saving(fileName, TFileLock::TKind::Exclusive, kRankingLockWait);
    TRankingTable table = TableToSave(own, base, ReadRankingTable(fileName), ours);
    // One transaction: a crash while saving must never pair names with the wrong scores.
    WriteRankingTable(fileName, table);
    return table;
}
