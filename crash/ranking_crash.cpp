// Kills a process that saves rankings over and over, at random moments, and checks after
// every kill that the ranking file is one complete ranking and that the next save works.
//
//   ranking_crash [--kills N] [--mode normal|inplace|shared|both|all]
//
// "inplace" puts the file in a folder the saving process may not write into (as root, with
// the permission override dropped), so every save rewrites the file in place. "shared" gives
// the file to another user and saves as a third one in a folder everyone may write, as a
// group-shared ranking is saved: in place too, since a new file would change its owner.
// "both" runs normal and inplace; "all" adds shared (it needs root). "concurrent" runs two
// players' processes saving entries into one file at once, as windows of a shared ranking do,
// and kills one or the other: the file must stay one whole table, and no entry whose save
// finished may be lost unless five higher scores have pushed it out.
#include "game/rankingtable.h"
#include "services/cp932.h"
#include "services/filelock.h"
#include "services/profile.h"
#include "support/nooverride.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kRankings = 7;
constexpr int kRanks = 5;
constexpr int kDefaultKills = 250;
constexpr int kTimingSaves = 20;

enum class TMode { Normal, InPlace, Shared };

constexpr uid_t kFileOwner = 64101;
constexpr uid_t kSaver = 64102;

QString Name(int ranking, int rank)
{
    // Lengths differ from ranking to ranking, so shorter files follow longer ones.
    return QStringLiteral("魔%1-%2").arg(ranking).arg(rank) + QString((ranking * 5 + rank * 3) % 13, u'ｱ');
}

QString Score(int ranking, int rank)
{
    return QString::number((kRankings - ranking) * 1000 + (kRanks - rank) * 97 + ranking);
}

QList<TProfileWrite> Writes(int ranking)
{
    QList<TProfileWrite> writes;
    for (int rank = 1; rank <= kRanks; ++rank) {
        writes.append({"RANK", QStringLiteral("NAME%1").arg(rank), Name(ranking, rank)});
        writes.append({"RANK", QStringLiteral("SCORE%1").arg(rank), Score(ranking, rank)});
    }
    return writes;
}

// The file a ranking makes, spelled out here rather than produced by the code under test.
QByteArray Expected(int ranking)
{
    QByteArray data = "[RANK]\r\n";
    for (int rank = 1; rank <= kRanks; ++rank)
        data += "NAME" + QByteArray::number(rank) + "=" + cp932::encode(Name(ranking, rank)) + "\r\nSCORE" +
                QByteArray::number(rank) + "=" + Score(ranking, rank).toLatin1() + "\r\n";
    return data;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool ReadsAs(const QString& path, int ranking)
{
    for (int rank = 1; rank <= kRanks; ++rank) {
        if (ReadProfileString(path, "RANK", QStringLiteral("NAME%1").arg(rank), "-") != Name(ranking, rank) ||
            ReadProfileString(path, "RANK", QStringLiteral("SCORE%1").arg(rank), "-") != Score(ranking, rank))
            return false;
    }
    return true;
}

struct TTally {
    int Kills = 0;
    int Complete = 0;
    int CompleteWithPadding = 0;
    int TemporariesLeft = 0;
    int Failures = 0;
    long long SavesDone = 0;
    QList<int> Seen = QList<int>(kRankings, 0);
};

enum class TOutcome { Complete, CompleteWithPadding, Broken };

// What the killed process left: a complete ranking, or a complete ranking followed by the
// comment line that pads it to the length of a longer one that was there before (only an
// in-place rewrite killed between its write and its cut can leave that).
TOutcome Classify(const QString& path, const QByteArray& bytes, TMode mode, TTally& tally)
{
    for (int ranking = 0; ranking < kRankings; ++ranking) {
        if (bytes == Expected(ranking)) {
            ++tally.Complete;
            ++tally.Seen[ranking];
            return TOutcome::Complete;
        }
    }
    if (mode == TMode::Normal)
        return TOutcome::Broken;
    for (int ranking = 0; ranking < kRankings; ++ranking) {
        const QByteArray head = Expected(ranking);
        const QByteArray tail = bytes.mid(head.size());
        const QByteArray marker = ";VELQUAN save padding";
        if (bytes.startsWith(head) && tail.startsWith(marker) && tail.endsWith("\r\n") &&
            tail.count(' ') == tail.size() - marker.size() - 2 + marker.count(' ') && ReadsAs(path, ranking)) {
            ++tally.CompleteWithPadding;
            ++tally.Seen[ranking];
            return TOutcome::CompleteWithPadding;
        }
    }
    return TOutcome::Broken;
}

[[noreturn]] void SaveForever(const QString& path, int first, int ready, long long* savesDone)
{
    const char signal = 1;
    if (::write(ready, &signal, 1) != 1)
        ::_exit(2);
    for (int ranking = first;; ranking = (ranking + 1) % kRankings) {
        try {
            WriteProfileStrings(path, Writes(ranking));
        } catch (...) {
            ::_exit(3);
        }
        __atomic_add_fetch(savesDone, 1, __ATOMIC_RELAXED);
    }
}

QStringList Leftovers(const QString& folder)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    entries.removeAll(QStringLiteral("VELQUAN.ini"));
    return entries;
}

// The mean time of one save, so that kills are spread over a few saves' time.
std::chrono::microseconds SaveTime(const QString& path)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kTimingSaves; ++i)
        WriteProfileStrings(path, Writes(i % kRankings));
    return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) /
           kTimingSaves;
}

const char* ModeName(TMode mode)
{
    return mode == TMode::InPlace  ? "in-place (read-only folder)"
           : mode == TMode::Shared ? "in-place (another user's file)"
                                   : "normal folder";
}

// In the saving child: gives up what would let the save take another path than the mode's.
void BecomeSaver(TMode mode, const QString& folder, const QString& path)
{
    if (mode == TMode::Shared) {
        const QByteArray file = QFile::encodeName(path);
        if (::chmod(QFile::encodeName(folder).constData(), 0777) != 0 ||
            ::chown(file.constData(), kFileOwner, kFileOwner) != 0 || ::chmod(file.constData(), 0666) != 0 ||
            ::setgroups(0, nullptr) != 0 || ::setresgid(kSaver, kSaver, kSaver) != 0 ||
            ::setresuid(kSaver, kSaver, kSaver) != 0) {
            std::fprintf(stderr, "%s: cannot save as another user (needs root)\n", ModeName(mode));
            ::_exit(1);
        }
    }
    if (mode == TMode::InPlace) {
        ::chmod(QFile::encodeName(folder).constData(), 0555);
        NoPermissionOverride::DropForGood();
        const int probe = ::open(QFile::encodeName(folder + "/probe").constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        if (probe >= 0) {
            std::fprintf(stderr, "%s: the folder is still writable; cannot test the in-place mode\n", ModeName(mode));
            ::_exit(1);
        }
    }
}

// Starts a child that runs work, which tells through the descriptor it is given once it has
// started; returns the child once it has.
template <class Work>
pid_t StartChild(Work work)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        ::_exit(1);
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        work(pipeFds[1]);
    }
    ::close(pipeFds[1]);
    char signal = 0;
    [[maybe_unused]] const ssize_t started = ::read(pipeFds[0], &signal, 1);
    ::close(pipeFds[0]);
    return child;
}

// Starts a process saving ranking after ranking and kills it at a random moment within
// maxDelay microseconds; true when it was the kill that ended it.
bool KillASave(const QString& path, int next, long long maxDelay, long long* savesDone)
{
    const pid_t saver = StartChild([&](int ready) { SaveForever(path, next, ready, savesDone); });
    ::usleep(useconds_t(QRandomGenerator::global()->bounded(maxDelay + 1)));
    ::kill(saver, SIGKILL);
    int status = 0;
    ::waitpid(saver, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

// After a kill: the file must be a whole ranking, and the next save must succeed, give
// exactly its ranking (without any padding) and leave nothing beside it. Returns the ranking
// the file now holds.
int CheckAfterKill(TMode mode, const QString& folder, const QString& path, int next, int kill, TTally& tally)
{
    const QByteArray bytes = ReadBytes(path);
    const TOutcome outcome = Classify(path, bytes, mode, tally);
    if (outcome == TOutcome::Broken) {
        std::fprintf(stderr, "kill %d: the file is no complete ranking (%lld bytes):\n%s\n", kill,
                     static_cast<long long>(bytes.size()), bytes.toHex(' ').constData());
        ++tally.Failures;
    }
    tally.TemporariesLeft += int(Leftovers(folder).size());

    next = (next + 1) % kRankings;
    try {
        WriteProfileStrings(path, Writes(next));
    } catch (...) {
        std::fprintf(stderr, "kill %d: the next save failed\n", kill);
        ++tally.Failures;
    }
    const QByteArray saved = ReadBytes(path);
    const bool exact = saved == Expected(next);
    if (!exact || !Leftovers(folder).isEmpty()) {
        std::fprintf(stderr, "kill %d: after the next save: %s, beside it: %s\n", kill,
                     exact ? "right file" : "wrong file", qPrintable(Leftovers(folder).join(' ')));
        ++tally.Failures;
    }
    // Each kill starts from a plain ranking, so that every outcome can be told apart.
    if (!exact) {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Expected(next)) < 0)
            ++tally.Failures;
    }
    return next;
}

void Report(TMode mode, const TTally& tally, long long saveMicroseconds, long long maxDelay)
{
    QStringList seen;
    for (int ranking = 0; ranking < kRankings; ++ranking)
        seen << QString::number(tally.Seen[ranking]);
    std::printf("%s: %d kills over %lld completed saves (one save %lld us, kill within %lld us): "
                "%d complete rankings, %d complete with padding, %d failures; "
                "temporary files found after kills: %d (all removed by the next save); rankings seen: %s\n",
                ModeName(mode), tally.Kills, tally.SavesDone, saveMicroseconds, maxDelay, tally.Complete,
                tally.CompleteWithPadding, tally.Failures, tally.TemporariesLeft, qPrintable(seen.join('/')));
    std::fflush(stdout);
}

bool Run(TMode mode, int kills)
{
    QTemporaryDir dir;
    const QString folder = dir.path();
    const QString path = dir.filePath(QStringLiteral("VELQUAN.ini"));
    WriteProfileStrings(path, Writes(0));
    if (ReadBytes(path) != Expected(0)) {
        std::fprintf(stderr, "%s: the first save does not give the expected file\n", ModeName(mode));
        return false;
    }

    // The saving side runs without the permission override for the rest of this mode, in a
    // child of its own so that the override comes back for the clean-up.
    const pid_t runner = ::fork();
    if (runner != 0) {
        int status = 0;
        ::waitpid(runner, &status, 0);
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    BecomeSaver(mode, folder, path);

    const auto saveTime = SaveTime(path);
    const long long maxDelay = 4 * saveTime.count() + 200;
    auto* savesDone = static_cast<long long*>(
        ::mmap(nullptr, sizeof(long long), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    TTally tally;
    int next = 1;
    for (int kill = 0; kill < kills; ++kill) {
        ++tally.Kills;
        if (!KillASave(path, next, maxDelay, savesDone)) {
            std::fprintf(stderr, "kill %d: the saving process failed by itself\n", kill);
            ++tally.Failures;
        }
        next = CheckAfterKill(mode, folder, path, next, kill, tally);
        next = (next + 1) % kRankings;
    }
    tally.SavesDone = *savesDone;
    struct stat kept {};
    if (mode == TMode::Shared &&
        (::stat(QFile::encodeName(path).constData(), &kept) != 0 || kept.st_uid != kFileOwner)) {
        std::fprintf(stderr, "%s: the file no longer belongs to its owner\n", ModeName(mode));
        ++tally.Failures;
    }
    Report(mode, tally, static_cast<long long>(saveTime.count()), maxDelay);
    ::_exit(tally.Failures == 0 ? 0 : 1);
}

// The concurrent mode's shared memory: the next score to enter, and which scores' saves finished.
constexpr int kMaxScores = 1 << 16;
struct TSharedScores {
    int Next;
    char Finished[kMaxScores];
};

QString PlayerName(int score)
{
    return QStringLiteral("魔%1").arg(score);
}

// A player's window: enters a new, higher score again and again and saves each at once.
[[noreturn]] void EnterForever(const QString& path, TSharedScores* shared, int ready)
{
    const char signal = 1;
    if (::write(ready, &signal, 1) != 1)
        ::_exit(2);
    TRankingTable base = ReadRankingTable(path).value_or(TRankingTable{});
    for (;;) {
        const int score = __atomic_add_fetch(&shared->Next, 1, __ATOMIC_RELAXED);
        if (score >= kMaxScores)
            ::_exit(0);
        const QList<TRankingEntry> ours{{PlayerName(score), QString::number(score)}};
        try {
            base = SaveRankingTable(path, Merged(base, ours).value_or(base), base, ours);
        } catch (...) {
            ::_exit(3);
        }
        __atomic_store_n(&shared->Finished[score], 1, __ATOMIC_RELEASE);
    }
}

pid_t StartPlayer(const QString& path, TSharedScores* shared)
{
    return StartChild([&](int ready) { EnterForever(path, shared, ready); });
}

// The file read as the game reads it, while no save is under way: one whole table of the
// players' entries, holding every finished entry that five higher ones have not pushed out.
bool CheckShared(const QString& path, const TSharedScores& shared, int kill)
{
    // The other player goes on saving meanwhile: only what had finished before the read must
    // be in what was read.
    const int next = std::min(__atomic_load_n(&shared.Next, __ATOMIC_ACQUIRE), kMaxScores);
    std::vector<char> finished(size_t(next), 0);
    for (int score = 0; score < next; ++score)
        finished[size_t(score)] = __atomic_load_n(&shared.Finished[score], __ATOMIC_ACQUIRE);
    std::optional<TRankingTable> table;
    {
        const TFileLock reading(path, TFileLock::TKind::Shared, kRankingLockWait);
        table = ReadRankingTable(path);
    }
    QList<int> scores;
    for (const TRankingEntry& entry : table.value_or(TRankingTable{})) {
        bool number = false;
        const int score = entry.Score.toInt(&number);
        if (!number || entry.Name != PlayerName(score)) {
            std::fprintf(stderr, "kill %d: the file is no whole table: '%s' '%s'\n", kill, qPrintable(entry.Name),
                         qPrintable(entry.Score));
            return false;
        }
        scores.append(score);
    }
    const int lowest = *std::min_element(scores.begin(), scores.end());
    for (int score = std::max(lowest + 1, 0); score < next; ++score) {
        if (finished[size_t(score)] && !scores.contains(score)) {
            std::fprintf(stderr, "kill %d: the finished entry %d is lost from %s\n", kill, score,
                         qPrintable(QStringList({QString::number(scores[0]), QString::number(scores[4])}).join("..")));
            return false;
        }
    }
    return true;
}

bool RunConcurrent(int kills)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VELQUAN.ini"));
    TRankingTable start;
    for (int rank = 0; rank < kRanks; ++rank)
        start[size_t(rank)] = {PlayerName(-rank), QString::number(-rank)};
    WriteRankingTable(path, start);
    auto* shared = static_cast<TSharedScores*>(
        ::mmap(nullptr, sizeof(TSharedScores), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::array<pid_t, 2> players{StartPlayer(path, shared), StartPlayer(path, shared)};
    int failures = 0;
    for (int kill = 0; kill < kills && failures == 0; ++kill) {
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(3000)));
        pid_t& victim = players[size_t(kill % 2)];
        ::kill(victim, SIGKILL);
        ::waitpid(victim, nullptr, 0);
        failures += CheckShared(path, *shared, kill) ? 0 : 1;
        victim = StartPlayer(path, shared);
    }
    for (const pid_t player : players) {
        ::kill(player, SIGKILL);
        ::waitpid(player, nullptr, 0);
    }
    failures += CheckShared(path, *shared, kills) ? 0 : 1;
    int finished = 0;
    for (int score = 1; score < std::min(shared->Next, kMaxScores); ++score)
        finished += shared->Finished[score];
    std::printf("two players saving at once: %d kills over %d finished entries, %d failures\n", kills, finished,
                failures);
    std::fflush(stdout);
    return failures == 0 && finished > kills;
}

} // namespace

int main(int argc, char** argv)
{
    int kills = kDefaultKills;
    QString mode = QStringLiteral("both");
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--kills") == 0)
            kills = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--mode") == 0)
            mode = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (mode == "shared" && ::geteuid() != 0) {
        std::printf("SKIP: saving as another user needs root\n");
        return 77;
    }
    if (mode == "concurrent")
        return RunConcurrent(kills) ? 0 : 1;
    bool passed = true;
    if (mode == "normal" || mode == "both" || mode == "all")
        passed = Run(TMode::Normal, kills) && passed;
    if (mode == "inplace" || mode == "both" || mode == "all")
        passed = Run(TMode::InPlace, kills) && passed;
    if (mode == "shared" || mode == "all")
        passed = Run(TMode::Shared, kills) && passed;
    return passed ? 0 : 1;
}
