#include "game/mainform.h"

#include "controls/shadolbl.h"
#include "desktop/announcer.h"
#include "desktop/inputbox.h"
#include "desktop/stringgrid.h"
#include "services/appdir.h"
#include "services/convert.h"
#include "services/filelock.h"
#include "services/profile.h"
#include "services/timer.h"

#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QScopedValueRollback>

namespace {

constexpr int kRanks = 5;
constexpr int kNameColumn = 1;
constexpr int kScoreColumn = 2;

} // namespace

void TMainForm1::WriteRankingHeadings()
{
    StringGrid1->SetCells(0, 0, tr("順位 (爵位)"));
    StringGrid1->SetCells(1, 0, tr("VELQUAN ランキング"));
    StringGrid1->SetCells(2, 0, tr("スコア"));
    StringGrid1->SetCells(0, 1, tr("1位 (魔神)"));
    StringGrid1->SetCells(0, 2, tr("2位 (魔王)"));
    StringGrid1->SetCells(0, 3, tr("3位 (魔将)"));
    StringGrid1->SetCells(0, 4, tr("4位 (悪魔)"));
    StringGrid1->SetCells(0, 5, tr("5位 (人間)"));
}

void TMainForm1::LoadRanking()
{
    // Until the player's copy could be made, the ranking it is made from is read in its place.
    const bool useSeed =
        !FServices.rankingSeed.isEmpty() && !SeedRankingFile({FServices.rankingFile, FServices.rankingSeed});
    const QString source = useSeed ? FServices.rankingSeed : FServices.rankingFile;
    // A FIFO or a huge file in the way stops the start with a clear message, before any read.
    CheckProfileFile(FServices.rankingFile);
    CheckProfileFile(source);
    // A missing file or key leaves its cell as it is: empty.
    FRankingBase = ReadRankingTable(source).value_or(TRankingTable{});
    ShowRanking(FRankingBase);
}

TRankingTable TMainForm1::Ranking() const
{
    TRankingTable table;
    for (int rank = 1; rank <= kRanks; ++rank)
        table[size_t(rank - 1)] = {StringGrid1->Cells(kNameColumn, rank), StringGrid1->Cells(kScoreColumn, rank)};
    return table;
}

void TMainForm1::ShowRanking(const TRankingTable& table)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        StringGrid1->SetCells(kNameColumn, rank, table[size_t(rank - 1)].Name);
        StringGrid1->SetCells(kScoreColumn, rank, table[size_t(rank - 1)].Score);
    }
}

void TMainForm1::ShowHighScore()
{
    FHighScore = StrToInt(StringGrid1->Cells(kScoreColumn, 1));
    Label5->SetCaption(QString::number(FHighScore));
}

void TMainForm1::RefreshRanking()
{
    // The name box's rank was announced against the grid as it is.
    if (FEnteringRanking)
        return;
    std::optional<TRankingTable> theirs;
    {
        const TFileLock reading(FServices.rankingFile, TFileLock::TKind::Shared, kRankingLockWait);
        theirs = ReadRankingTable(FServices.rankingFile);
    }
    if (!theirs || *theirs == FRankingBase)
        return;
    // A table with a score that is no number (a hand edit under way) leaves the grid alone.
    const std::optional<TRankingTable> shown = Merged(*theirs, FRankingOurs);
    if (!shown)
        return;
    FRankingBase = *theirs;
    ShowRanking(*shown);
    ShowHighScore();
}

void TMainForm1::RankingFileChanged()
{
    // A save that replaces the file leaves the watch on the old one.
    if (!FRankingWatcher->files().contains(FServices.rankingFile) && QFileInfo(FServices.rankingFile).isFile())
        FRankingWatcher->addPath(FServices.rankingFile);
    // A running game hides the grid; its game over reads the file anyway.
    if (FTimeLeft <= 0)
        RefreshRanking();
}

void TMainForm1::WatchRankingFile()
{
    FRankingWatcher = new QFileSystemWatcher(this);
    FRankingWatcher->addPath(QFileInfo(FServices.rankingFile).absolutePath());
    if (QFileInfo(FServices.rankingFile).isFile())
        FRankingWatcher->addPath(FServices.rankingFile);
    connect(FRankingWatcher, &QFileSystemWatcher::fileChanged, this, Guard([this] { RankingFileChanged(); }));
    connect(FRankingWatcher, &QFileSystemWatcher::directoryChanged, this, Guard([this] { RankingFileChanged(); }));
}

void TMainForm1::EnterRanking()
{
    // The rank the name box announces is the rank in the file as other players left it.
    RefreshRanking();
    TRankingTable table = Ranking();
    // Every stored score is converted, so a damaged table is reported at each game over.
    const int target = RankFor(table, FScore);
    const QString ranked = tr("%1 位ニ ランクサレマシタ").arg(target);
    FAnnouncer->Announce(QStringLiteral("GAME OVER"));
    FAnnouncer->Announce(Label2->Caption() + u' ' + Label3->Caption());
    if (target > 0) {
        FAnnouncer->Announce(ranked);
        // Before the box: its title and prompt are read when it takes the keyboard.
        FAnnouncer->Flush();
        InsertAt(table, target, {QString(), QString::number(FScore)});
        ShowRanking(table);
        QString name;
        {
            const QScopedValueRollback entering(FEnteringRanking, true);
            name = FServices.inputBox->InputBox(ranked, tr(" アナタノ名前 ："), QString());
        }
        StringGrid1->SetCells(kNameColumn, target, name);
        FRankingOurs.append({name, QString::number(FScore)});
    }
    ShowHighScore();
    // A score the game announced is on the disk before anything can lose it.
    if (target > 0)
        SaveRanking();
}

void TMainForm1::SaveRanking()
{
    // A copy that failed at start (a full disk, say) is tried again; the save then writes the
    // player's copy, never the file it is made from.
    if (!FServices.rankingSeed.isEmpty())
        SeedRankingFile({FServices.rankingFile, FServices.rankingSeed});
    const TRankingTable own = Ranking();
    const TRankingTable table = SaveRankingTable(FServices.rankingFile, own, FRankingBase, FRankingOurs);
    FRankingBase = table;
    FRankingOurs.clear();
    if (table != own) {
        ShowRanking(table);
        ShowHighScore();
    }
}

void TMainForm1::FormCloseQuery(bool&)
{
    // A running game must not reach its game over while the window closes.
    Timer3->SetEnabled(false);
    SaveRanking();
}
