// Reading a 1 MB ranking file: the conversion of every line, beside the cutting alone; then
// start-up's ten reads whole.
#include "services/cp932.h"
#include "services/profile.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype kFileSize = qsizetype(1024) * 1024;

QByteArray Ranking()
{
    return cp932::encode(QStringLiteral("[RANK]\r\nNAME1=魔神\r\nSCORE1=9000\r\nNAME2=魔王\r\nSCORE2=8000\r\n"
                                        "NAME3=Mage\r\nSCORE3=7000\r\nNAME4=悪魔\r\nSCORE4=6000\r\n"
                                        "NAME5=Human\r\nSCORE5=5000\r\n"));
}

// A long hand-kept history of past tables in Japanese and ASCII.
QByteArray History()
{
    QByteArray data;
    for (int day = 0; data.size() < kFileSize; ++day) {
        data += cp932::encode(QStringLiteral("\r\n; %1 日目の記録\r\n[HISTORY%1]\r\n").arg(day));
        for (int rank = 1; rank <= 5; ++rank)
            data += cp932::encode(
                QStringLiteral("NAME%1=山田～太郎%2\r\nSCORE%1=%3\r\n").arg(rank).arg(day).arg(rank * day));
    }
    return data;
}

QByteArray RankingFile()
{
    return Ranking() + History();
}

// What reading does with every line: cut the file at its line breaks and convert each line.
template <typename Decode>
void ReadLines(benchmark::State& state, Decode decode)
{
    const QByteArray data = RankingFile();
    for (auto _ : state) {
        qsizetype characters = 0;
        qsizetype start = 0;
        for (qsizetype at = 0; at <= data.size(); ++at) {
            if (at < data.size() && data.at(at) != '\r' && data.at(at) != '\n')
                continue;
            characters += decode(QByteArray::fromRawData(data.constData() + start, at - start)).size();
            start = at + 1;
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() * data.size());
}

void BM_ReadLines_Decode(benchmark::State& state)
{
    ReadLines(state, cp932::decode);
}

// The cutting alone, with a conversion that knows only ASCII: what no decoder can go below.
void BM_ReadLines_Floor(benchmark::State& state)
{
    ReadLines(state, [](const QByteArray& line) { return QString::fromLatin1(line); });
}

// Start-up's ten reads of the ranking from the file on disk, whole.
void LoadRanking(benchmark::State& state, const QByteArray& content)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VELQUAN.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) < 0) {
        state.SkipWithError("cannot write the ranking file");
        return;
    }
    file.close();
    for (auto _ : state) {
        for (int rank = 1; rank <= 5; ++rank) {
            benchmark::DoNotOptimize(ReadProfileString(path, "RANK", QStringLiteral("NAME%1").arg(rank), ""));
            benchmark::DoNotOptimize(ReadProfileString(path, "RANK", QStringLiteral("SCORE%1").arg(rank), ""));
        }
    }
}

void BM_LoadRanking_First(benchmark::State& state)
{
    LoadRanking(state, Ranking() + History());
}

// The worst place for it: every line of the history is walked before the ranking is found.
void BM_LoadRanking_Last(benchmark::State& state)
{
    LoadRanking(state, History() + "\r\n" + Ranking());
}

} // namespace

BENCHMARK(BM_ReadLines_Decode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLines_Floor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRanking_First)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadRanking_Last)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
