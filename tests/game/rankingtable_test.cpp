#include "game/rankingtable.h"
#include "support/printrow.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// "A:500 B:400 …", five rows; "-" for no table at all.
std::optional<TRankingTable> Table(const char* text)
{
    if (QLatin1String(text) == QLatin1String("-"))
        return std::nullopt;
    TRankingTable table;
    const QStringList rows = QString::fromUtf8(text).split(u' ');
    for (size_t row = 0; row < table.size(); ++row)
        table[row] = {rows.value(qsizetype(row)).section(u':', 0, 0), rows.value(qsizetype(row)).section(u':', 1)};
    return table;
}

QList<TRankingEntry> Entries(const char* text)
{
    QList<TRankingEntry> entries;
    for (const QString& entry : QString::fromUtf8(text).split(u' ', Qt::SkipEmptyParts))
        entries.append({entry.section(u':', 0, 0), entry.section(u':', 1)});
    return entries;
}

struct SaveCase {
    const char* Name;
    const char* Own;    // the window's grid: base with ours put in
    const char* Base;   // the file as the window last read or wrote it
    const char* Theirs; // the file now
    const char* Ours;   // the window's entries since the base, in the order made
    const char* Saved;
};
PRINT_ROW_BY_NAME(SaveCase, Name)

class RankingSaveTest : public ::testing::TestWithParam<SaveCase> {};

// A save keeps every player's entries: the file as another player left it, with this window's
// new ones put in by the game's own rule, one after the other; alone, the window's own table.
TEST_P(RankingSaveTest, MergesTheFileWithTheEntriesMadeSince)
{
    const SaveCase& c = GetParam();
    EXPECT_EQ(TableToSave(*Table(c.Own), *Table(c.Base), Table(c.Theirs), Entries(c.Ours)), *Table(c.Saved));
}

constexpr char kStart[] = "A:500 B:400 C:300 D:200 E:100";

INSTANTIATE_TEST_SUITE_P(
    Cases, RankingSaveTest,
    ::testing::Values(SaveCase{"AloneTheOwnTableWhatever", "A:500 x:450 B:400 C:300 D:200", kStart, kStart, "x:450",
                               "A:500 x:450 B:400 C:300 D:200"},
                      SaveCase{"NoFileTheOwnTable", kStart, kStart, "-", "", kStart},
                      SaveCase{"TheirsAndOursBoth", "A:500 x:450 B:400 C:300 D:200", kStart,
                               "A:500 y:420 B:400 C:300 D:200", "x:450", "A:500 x:450 y:420 B:400 C:300"},
                      SaveCase{"OursTiesTheirsAndGoesBelow", "A:500 x:400 B:400 C:300 D:200", kStart,
                               "y:600 A:500 B:400 C:300 D:200", "x:400", "y:600 A:500 B:400 x:400 C:300"},
                      SaveCase{"RemovedByHandStaysRemoved", "A:500 x:450 B:400 C:300 D:200", kStart,
                               "A:500 C:300 D:200 E:100 :0", "x:450", "A:500 x:450 C:300 D:200 E:100"},
                      SaveCase{"UnsortedHandMadeTableIsNotResorted", "A:500 x:450 B:400 C:300 D:200", kStart,
                               "P:10 Q:900 R:50 S:700 T:5", "x:450", "x:450 P:10 Q:900 R:50 S:700"},
                      SaveCase{"OursInTheOrderMadeMoreThanFive", "x:900 z:800 y:700 A:500 B:400", kStart,
                               "q:1000 A:500 B:400 C:300 D:200", "x:900 y:700 z:800 v:300 w:600",
                               "q:1000 x:900 z:800 y:700 w:600"},
                      SaveCase{"OursThatNoLongerQualifiesDropsOut", "A:500 B:400 C:300 D:200 x:150", kStart,
                               "a:900 b:800 c:700 d:600 e:550", "x:150", "a:900 b:800 c:700 d:600 e:550"},
                      SaveCase{"TheirsWithABadScoreGetsTheOwnTable", "A:500 x:450 B:400 C:300 D:200", kStart,
                               "A:500 B:oops C:300 D:200 E:100", "x:450", "A:500 x:450 B:400 C:300 D:200"}),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
