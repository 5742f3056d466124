#include "controls/shadolbl.h"
#include "desktop/stringgrid.h"
#include "services/atomicfile.h"
#include "services/cp932.h"
#include "services/exceptions.h"
#include "services/timer.h"
#include "support/files.h"
#include "support/gamefixture.h"
#include "support/printrow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QStringList Column(const TStringGrid& grid, int col)
{
    QStringList cells;
    for (int row = 1; row <= 5; ++row)
        cells << grid.Cells(col, row);
    return cells;
}

} // namespace

class RankingTest : public GameFixture {};

TEST_F(RankingTest, LoadFillsTheGridAndShowsTheTopScore)
{
    WriteRankingFile("[RANK]\r\nNAME1=Alice\r\nSCORE1=1500\r\nNAME2=Bob\r\nSCORE2=1200\r\n"
                     "NAME3=\r\nSCORE3=900\r\nNAME4=Dan\r\nSCORE4=-5\r\nSCORE5=x\r\n");
    CreateForm();
    const TStringGrid& grid = *form->StringGrid1;
    EXPECT_EQ(Column(grid, 0), QStringList({"1位 (魔神)", "2位 (魔王)", "3位 (魔将)", "4位 (悪魔)", "5位 (人間)"}));
    EXPECT_EQ(grid.Cells(0, 0), QStringLiteral("順位 (爵位)"));
    EXPECT_EQ(grid.Cells(1, 0), QStringLiteral("VELQUAN ランキング"));
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("スコア"));
    EXPECT_EQ(Column(grid, 1), QStringList({"Alice", "Bob", "", "Dan", ""}));
    // Only the top score is converted at start; a bad fifth score goes unnoticed here.
    EXPECT_EQ(Column(grid, 2), QStringList({"1500", "1200", "900", "-5", "x"}));
    EXPECT_EQ(form->HighScore(), 1500);
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("1500"));
    EXPECT_EQ(form->Score(), 0);
}

TEST_F(RankingTest, BadTopScoreFailsStartUpWithTheConversionMessage)
{
    WriteRankingFile("[RANK]\r\nNAME1=Alice\r\nSCORE1=12a\r\n");
    try {
        CreateForm();
        FAIL() << "the window was created";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'12a' は整数ではありません"));
    }
}

TEST_F(RankingTest, MissingFileFailsStartUpOnTheEmptyScore)
{
    try {
        CreateForm();
        FAIL() << "the window was created";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("'' は整数ではありません"));
    }
}

struct InsertionCase {
    const char* name;
    std::array<int, 5> stored;
    int score;
    int rank; // 0: not ranked
    QStringList names;
    QStringList scores;
};
PRINT_ROW_BY_NAME(InsertionCase, name)

class RankingInsertionTest : public GameFixture, public ::testing::WithParamInterface<InsertionCase> {};

TEST_P(RankingInsertionTest, PutsTheScoreBelowEqualsAndAboveLowerOnes)
{
    const InsertionCase& row = GetParam();
    WriteRankingFile(RankingWithScores(row.stored));
    CreateForm();
    inputBox.answers.push_back(QStringLiteral("NEW"));
    form->SetScoreForRanking(row.score);
    form->EnterRanking();

    EXPECT_EQ(Column(*form->StringGrid1, 1), row.names);
    EXPECT_EQ(Column(*form->StringGrid1, 2), row.scores);
    if (row.rank == 0) {
        EXPECT_TRUE(inputBox.captions.isEmpty());
    } else {
        ASSERT_EQ(inputBox.captions.size(), 1);
        EXPECT_EQ(inputBox.captions[0], QString::number(row.rank) + QStringLiteral(" 位ニ ランクサレマシタ"));
        EXPECT_EQ(inputBox.prompts[0], QStringLiteral(" アナタノ名前 ："));
    }
    EXPECT_EQ(form->Label5->Caption(), Column(*form->StringGrid1, 2)[0]);
    EXPECT_EQ(form->HighScore(), Column(*form->StringGrid1, 2)[0].toInt());
}

INSTANTIATE_TEST_SUITE_P(Cases, RankingInsertionTest,
                         ::testing::Values(InsertionCase{"EqualScoreRanksBelow",
                                                         {900, 700, 500, 300, 100},
                                                         500,
                                                         4,
                                                         {"A", "B", "C", "NEW", "D"},
                                                         {"900", "700", "500", "500", "300"}},
                                           InsertionCase{"EqualToFifthEntersNowhere",
                                                         {900, 700, 500, 300, 100},
                                                         100,
                                                         0,
                                                         {"A", "B", "C", "D", "E"},
                                                         {"900", "700", "500", "300", "100"}},
                                           InsertionCase{"BelowFifthEntersNowhere",
                                                         {900, 700, 500, 300, 100},
                                                         -20,
                                                         0,
                                                         {"A", "B", "C", "D", "E"},
                                                         {"900", "700", "500", "300", "100"}},
                                           InsertionCase{"AboveFirstShiftsAll",
                                                         {900, 700, 500, 300, 100},
                                                         1000,
                                                         1,
                                                         {"NEW", "A", "B", "C", "D"},
                                                         {"1000", "900", "700", "500", "300"}},
                                           InsertionCase{"NegativeBeatsLowerNegative",
                                                         {900, 700, 500, 300, -50},
                                                         -10,
                                                         5,
                                                         {"A", "B", "C", "D", "NEW"},
                                                         {"900", "700", "500", "300", "-10"}},
                                           InsertionCase{"UnsortedTableTakesFirstLowerRow",
                                                         {100, 900, 50, 700, 300},
                                                         200,
                                                         1,
                                                         {"NEW", "A", "B", "C", "D"},
                                                         {"200", "100", "900", "50", "700"}}),
                         [](const ::testing::TestParamInfo<InsertionCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(RankingTest, CancelledNameLeavesTheRankEmptyAndIsSavedEmpty)
{
    WriteRankingFile(RankingWithScores({900, 700, 500, 300, 100}));
    CreateForm();
    form->SetScoreForRanking(800);
    form->EnterRanking(); // no answer queued: the box is cancelled
    EXPECT_EQ(Column(*form->StringGrid1, 1), QStringList({"A", "", "B", "C", "D"}));
    form->close();
    EXPECT_TRUE(RankingFileBytes().contains("\r\nNAME2=\r\nSCORE2=800\r\n"));
}

TEST_F(RankingTest, DamagedScoreAtGameOverIsReportedAndChangesNothing)
{
    WriteRankingFile("[RANK]\r\nNAME1=A\r\nSCORE1=900\r\nSCORE2=800\r\nSCORE3=700\r\nSCORE4=oops\r\nSCORE5=100\r\n");
    CreateForm();
    form->SetScoreForRanking(2000);
    EXPECT_THROW(form->EnterRanking(), EConvertError);
    EXPECT_EQ(form->StringGrid1->Cells(2, 1), QStringLiteral("900"));
    EXPECT_TRUE(inputBox.captions.isEmpty());
}

// Saving rewrites the ten keys in place and leaves everything else byte for byte.
TEST_F(RankingTest, SaveWritesTheTenKeysInOrderAndKeepsOtherContent)
{
    WriteRankingFile("; my scores\r\n[Other]\r\nkey = kept ;really\r\n\r\n[rank]\r\nscore1 = 300\r\n"
                     "Extra=stay\r\n\r\n[Tail]\nx=1\n");
    CreateForm();
    form->close();
    EXPECT_EQ(RankingFileBytes(),
              QByteArray("; my scores\r\n[Other]\r\nkey = kept ;really\r\n\r\n[rank]\r\nscore1=300\r\n"
                         "Extra=stay\r\nNAME1=\r\nNAME2=\r\nSCORE2=\r\nNAME3=\r\nSCORE3=\r\nNAME4=\r\nSCORE4=\r\n"
                         "NAME5=\r\nSCORE5=\r\n\r\n[Tail]\nx=1\n"));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(RankingTest, SaveCreatesAMissingFileWithTheKeysInOrder)
{
    WriteRankingFile(RankingWithScores({5, 4, 3, 2, 1}));
    CreateForm();
    ASSERT_TRUE(QFile::remove(RankingFile()));
    form->close();
    EXPECT_EQ(RankingFileBytes(), RankingWithScores({5, 4, 3, 2, 1}));
}

TEST_F(RankingTest, UnwritableFileShowsTheWriteErrorAndKeepsTheWindowOpen)
{
    WriteRankingFile(RankingWithScores({5, 4, 3, 2, 1}));
    CreateForm();
    form->show();
    form->Timer3->SetEnabled(true);
    // Running as root makes permissions no obstacle; a folder in the file's place is one.
    ASSERT_TRUE(QFile::remove(RankingFile()));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("VELQUAN.ini")));

    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->Timer3->Enabled());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].caption, QStringLiteral("VELQUAN"));
    EXPECT_EQ(messageBox.shown[0].text, RankingFile() + QStringLiteral(" に書き込めません."));
    EXPECT_EQ(messageBox.shown[0].icon, MessageBoxService::Icon::Error);
    form->hide();
}

// The close handler stops a failed save itself: nothing is thrown back into Qt's event code,
// the error box shows once and the window stays open.
TEST_F(RankingTest, FailedSaveIsStoppedInTheCloseHandler)
{
    WriteRankingFile(RankingWithScores({5, 4, 3, 2, 1}));
    CreateForm();
    form->show();
    ASSERT_TRUE(QFile::remove(RankingFile()));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("VELQUAN.ini")));

    // Delivered straight to the window, past the application's last-resort handler.
    QCloseEvent event;
    QObject* const window = form.get();
    EXPECT_NO_THROW(window->event(&event));
    EXPECT_FALSE(event.isAccepted());
    EXPECT_TRUE(form->isVisible());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, RankingFile() + QStringLiteral(" に書き込めません."));

    // The exit command takes the same way.
    form->Exit1->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(messageBox.shown.size(), 2u);
    form->hide();
}

TEST_F(RankingTest, JapaneseNameRoundTripsThroughTheFileInCp932)
{
    WriteRankingFile(RankingWithScores({900, 700, 500, 300, 100}));
    CreateForm();
    inputBox.answers.push_back(QStringLiteral("山田～太郎"));
    form->SetScoreForRanking(1000);
    form->EnterRanking();
    form->close();
    EXPECT_TRUE(RankingFileBytes().contains("NAME1=" + cp932::encode(QStringLiteral("山田～太郎")) + "\r\n"));

    form.reset();
    CreateForm();
    EXPECT_EQ(form->StringGrid1->Cells(1, 1), QStringLiteral("山田～太郎"));
    EXPECT_EQ(form->HighScore(), 1000);
}

namespace {

struct BadFileCase {
    const char* Name;
    const char* Message; // after the offending path
    bool UnderTheFolder; // the bad thing takes the folder's place, not the file's
    std::function<void(const QString&)> Make;
};

void MakeFifo(const QString& path)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
}

} // namespace

class BadRankingFileTest : public GameFixture, public ::testing::WithParamInterface<BadFileCase> {};

// Something that is no ranking file stops the start at once with a message naming it; a FIFO
// would otherwise wait for a writer for ever, a huge file take seconds and gigabytes.
TEST_P(BadRankingFileTest, StopsTheStartWithAClearMessage)
{
    const BadFileCase& row = GetParam();
    const QString bad = row.UnderTheFolder ? folder.filePath("data") : RankingFile();
    row.Make(bad);
    TGameServices services = Services();
    if (row.UnderTheFolder)
        services.rankingFile = bad + "/velquan/VELQUAN.ini";
    try {
        TMainForm1 window(services);
        FAIL() << "the window was created";
    } catch (const EReadError& error) {
        EXPECT_EQ(error.Message(), bad + QString::fromUtf8(row.Message));
    }
    EXPECT_TRUE(QFileInfo(bad).exists());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, BadRankingFileTest,
    ::testing::Values(BadFileCase{"Fifo", " は通常のファイルではありません", false, MakeFifo},
                      BadFileCase{"Device", " は通常のファイルではありません", false,
                                  [](const QString& path) { ASSERT_TRUE(QFile::link("/dev/zero", path)); }},
                      BadFileCase{"Folder", " は通常のファイルではありません", false,
                                  [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
                      BadFileCase{"OverTheLimit", " は大きすぎます (64 MiB まで)", false,
                                  [](const QString& path) {
                                      WriteBytes(path, "[RANK]\r\nSCORE1=1\r\n");
                                      ASSERT_EQ(::truncate(QFile::encodeName(path).constData(), kMaxFileSize + 1), 0);
                                  }},
                      BadFileCase{"FifoForTheDataFolder", " はフォルダではありません", true, MakeFifo}),
    [](const auto& info) { return std::string(info.param.Name); });

// The player's copy could not be made at start (a full disk): the game reads what it is made
// from, and the save makes the copy and writes it, never the file it came from.
TEST_F(RankingTest, FailedCopyAtStartIsMadeAtTheSave)
{
    const QString starter = folder.filePath("starter.ini");
    WriteBytes(starter, RankingWithScores({5, 4, 3, 2, 1}) + "; kept\r\n");
    const QString player = folder.filePath("data/velquan/VELQUAN.ini");
    SetSaveFaultHook([](TSaveStep) { return ENOSPC; });
    const std::unique_ptr<void, void (*)(void*)> roomAgain(this, [](void*) { SetSaveFaultHook(nullptr); });
    TGameServices services = Services();
    services.rankingFile = player;
    services.rankingSeed = starter;
    TMainForm1 window(services);
    EXPECT_EQ(window.HighScore(), 5);

    window.show();
    EXPECT_FALSE(window.close());
    ASSERT_EQ(messageBox.shown.size(), 1u);
    EXPECT_EQ(messageBox.shown[0].text, player + QStringLiteral(" に書き込めません."));

    SetSaveFaultHook(nullptr);
    window.StringGrid1->SetCells(1, 1, QStringLiteral("Zed"));
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(ReadBytes(player).startsWith("[RANK]\r\nNAME1=Zed\r\n"));
    EXPECT_TRUE(ReadBytes(player).endsWith("; kept\r\n"));
    EXPECT_EQ(ReadBytes(starter), RankingWithScores({5, 4, 3, 2, 1}) + "; kept\r\n");
}

// Windows of one shared ranking, as players in one office have them: each ends a game with a
// qualifying score and enters its name, then they close in every order.
class SharedRankingTest : public RankingTest, public ::testing::WithParamInterface<std::array<int, 3>> {};

TEST_P(SharedRankingTest, EveryEntryStaysWhateverOrderTheyCloseIn)
{
    WriteRankingFile(RankingWithScores({50, 40, 30, 20, 10}));
    // All three read the file before anyone has played, and hear of no change meanwhile.
    std::array<std::unique_ptr<TMainForm1>, 3> windows;
    for (auto& window : windows)
        window = std::make_unique<TMainForm1>(Services());
    const std::array<std::pair<const char*, int>, 3> games = {{{"Aki", 300}, {"Ben", 200}, {"Cho", 250}}};
    for (size_t player = 0; player < windows.size(); ++player) {
        inputBox.answers.push_back(QString::fromLatin1(games[player].first));
        windows[player]->SetScoreForRanking(games[player].second);
        windows[player]->EnterRanking();
        // On the disk once the name is in.
        EXPECT_TRUE(RankingFileBytes().contains(QByteArray("=") + games[player].first + "\r\n"));
    }
    EXPECT_EQ(inputBox.captions,
              QStringList({"1 位ニ ランクサレマシタ", "2 位ニ ランクサレマシタ", "2 位ニ ランクサレマシタ"}));
    for (const int player : GetParam())
        EXPECT_TRUE(windows[size_t(player)]->close());
    EXPECT_EQ(RankingFileBytes(),
              QByteArray("[RANK]\r\nNAME1=Aki\r\nSCORE1=300\r\nNAME2=Cho\r\nSCORE2=250\r\n"
                         "NAME3=Ben\r\nSCORE3=200\r\nNAME4=A\r\nSCORE4=50\r\nNAME5=B\r\nSCORE5=40\r\n"));
}

INSTANTIATE_TEST_SUITE_P(CloseOrders, SharedRankingTest,
                         ::testing::Values(std::array{0, 1, 2}, std::array{0, 2, 1}, std::array{1, 0, 2},
                                           std::array{1, 2, 0}, std::array{2, 0, 1}, std::array{2, 1, 0}),
                         [](const auto& info) {
                             return "Close" + std::to_string(info.param[0]) + std::to_string(info.param[1]) +
                                    std::to_string(info.param[2]);
                         });

// A save that fails at the entry closes nothing, and the entry goes with the next save.
TEST_F(RankingTest, AnEntryWhoseSaveFailedGoesWithTheNext)
{
    WriteRankingFile(RankingWithScores({50, 40, 30, 20, 10}));
    CreateForm();
    inputBox.answers = {"Ben"};
    form->SetScoreForRanking(60);
    SetSaveFaultHook([](TSaveStep) { return ENOSPC; });
    EXPECT_THROW(form->EnterRanking(), EWriteError);
    SetSaveFaultHook(nullptr);
    EXPECT_EQ(form->HighScore(), 60);
    EXPECT_EQ(RankingFileBytes(), RankingWithScores({50, 40, 30, 20, 10}));
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(RankingFileBytes().startsWith("[RANK]\r\nNAME1=Ben\r\nSCORE1=60\r\nNAME2=A\r\n"));
}

// An idle window shows another player's save; a table that cannot be read, or a game under way,
// leaves the grid alone, and the game over reads the file before it announces a rank.
TEST_F(RankingTest, AnotherPlayersSaveShowsWhenTheGridDoes)
{
    WriteRankingFile(RankingWithScores({50, 40, 30, 20, 10}));
    CreateForm();
    WriteRankingFile(RankingWithScores({90, 50, 40, 30, 20}));
    form->RankingFileChanged();
    EXPECT_EQ(Column(*form->StringGrid1, 2), QStringList({"90", "50", "40", "30", "20"}));
    EXPECT_EQ(form->Label5->Caption(), QStringLiteral("90"));

    WriteRankingFile(RankingWithScores({95, 50, 40, 30, 20}).replace("SCORE3=40", "SCORE3=4O"));
    form->RankingFileChanged();
    EXPECT_EQ(form->StringGrid1->Cells(2, 1), QStringLiteral("90"));

    form->N2Click();
    WriteRankingFile(RankingWithScores({99, 90, 50, 40, 30}));
    form->RankingFileChanged();
    EXPECT_EQ(form->StringGrid1->Cells(2, 1), QStringLiteral("90"));
    form->SetScoreForRanking(95);
    form->EnterRanking();
    EXPECT_EQ(inputBox.captions, QStringList({"2 位ニ ランクサレマシタ"}));
    EXPECT_EQ(Column(*form->StringGrid1, 2), QStringList({"99", "95", "90", "50", "40"}));
}
