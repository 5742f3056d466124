#include "game/mainform.h"

#include "controls/shadolbl.h"
#include "platform/appdir.h"
#include "platform/convert.h"
#include "platform/inputbox.h"
#include "platform/profile.h"
#include "platform/stringgrid.h"
#include "platform/timer.h"

namespace {

constexpr int kRanks = 5;
constexpr int kNameColumn = 1;
constexpr int kScoreColumn = 2;
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
    for (int rank = 1; rank <= kRanks; ++rank) {
        StringGrid1->SetCells(
            kNameColumn, rank,
            ReadProfileString(source, kSection, NameKey(rank), StringGrid1->Cells(kNameColumn, rank)));
        StringGrid1->SetCells(
            kScoreColumn, rank,
            ReadProfileString(source, kSection, ScoreKey(rank), StringGrid1->Cells(kScoreColumn, rank)));
    }
}

void TMainForm1::ShowHighScore()
{
    FHighScore = StrToInt(StringGrid1->Cells(kScoreColumn, 1));
    Label5->SetCaption(QString::number(FHighScore));
}

void TMainForm1::EnterRanking()
{
    // Every stored score is converted, so a damaged table is reported at each game over.
    int target = 0;
    for (int rank = kRanks; rank >= 1; --rank)
        if (StrToInt(StringGrid1->Cells(kScoreColumn, rank)) < FScore)
            target = rank;

    if (target > 0) {
        for (int rank = kRanks; rank > target; --rank) {
            StringGrid1->SetCells(kNameColumn, rank, StringGrid1->Cells(kNameColumn, rank - 1));
            StringGrid1->SetCells(kScoreColumn, rank, StringGrid1->Cells(kScoreColumn, rank - 1));
        }
        StringGrid1->SetCells(kNameColumn, target, QString());
        StringGrid1->SetCells(kScoreColumn, target, QString::number(FScore));
        const QString name =
            FServices.inputBox->InputBox(tr("%1 位ニ ランクサレマシタ").arg(target), tr(" アナタノ名前 ："), QString());
        StringGrid1->SetCells(kNameColumn, target, name);
    }
    ShowHighScore();
}

void TMainForm1::SaveRanking()
{
    // One transaction: a crash while saving must never pair names with the wrong scores.
    QList<TProfileWrite> writes;
    for (int rank = 1; rank <= kRanks; ++rank) {
        writes.append({kSection, NameKey(rank), StringGrid1->Cells(kNameColumn, rank)});
        writes.append({kSection, ScoreKey(rank), StringGrid1->Cells(kScoreColumn, rank)});
    }
    // A copy that failed at start (a full disk, say) is tried again; the save then writes the
    // player's copy, never the file it is made from.
    if (!FServices.rankingSeed.isEmpty())
        SeedRankingFile({FServices.rankingFile, FServices.rankingSeed});
    WriteProfileStrings(FServices.rankingFile, writes);
}

void TMainForm1::FormCloseQuery(bool&)
{
    // A running game must not reach its game over while the window closes.
    Timer3->SetEnabled(false);
    SaveRanking();
}
