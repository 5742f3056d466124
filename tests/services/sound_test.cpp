#include "services/sound.h"
#include "support/printrow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// A silent 8-bit mono PCM WAV file of eight samples.
const QByteArray kSilentWave = QByteArray("RIFF,\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                                          "\x01\0\x08\0data\x08\0\0\0",
                                          44) +
                               QByteArray(8, char(0x80));

// Writes down what the service asks of its players, in order.
class RecordingPlayer final : public SoundPlayer {
public:
    RecordingPlayer(QString path, QStringList& log) : FPath(std::move(path)), FLog(log) {}
    void Play() override { FLog << QStringLiteral("play ") + FPath; }
    void Stop() override { FLog << QStringLiteral("stop ") + FPath; }

private:
    QString FPath;
    QStringList& FLog;
};

// What outputs in the audio thread were asked, and in which threads.
class AudioThreadLog {
public:
    void Add(const QString& entry)
    {
        const QMutexLocker lock(&FMutex);
        FEntries << entry;
        FThreads.insert(QThread::currentThread());
    }
    QStringList Entries() const
    {
        const QMutexLocker lock(&FMutex);
        return FEntries;
    }
    QSet<QThread*> Threads() const
    {
        const QMutexLocker lock(&FMutex);
        return FThreads;
    }

private:
    mutable QMutex FMutex;
    QStringList FEntries;
    QSet<QThread*> FThreads;
};

class AudioThreadOutput final : public SoundPlayer {
public:
    AudioThreadOutput(QString name, AudioThreadLog& log) : FName(std::move(name)), FLog(log)
    {
        FLog.Add("make " + FName);
    }
    ~AudioThreadOutput() override { FLog.Add("destroy " + FName); }
    void Play() override { FLog.Add("play " + FName); }
    void Stop() override { FLog.Add("stop " + FName); }

private:
    QString FName;
    AudioThreadLog& FLog;
};

bool Mapped(const char* library)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(library);
}

enum class Where { Current, Own, Nowhere };

// The current directory and the game's own folder, each with some of the effects; the
// service under test records instead of playing.
class SoundServiceTest : public ::testing::Test {
protected:
    QTemporaryDir current;
    QTemporaryDir own;
    QString saved = QDir::currentPath();
    QStringList log;
    QtSoundService sound{QStringList{own.path()}, [this](const QString& path) {
                             return std::make_unique<RecordingPlayer>(QFileInfo(path).fileName() + "@" + Folder(path),
                                                                      log);
                         }};

    void SetUp() override
    {
        Write(current, "snd_in.wav", kSilentWave);
        Write(current, "snd_start.wav", kSilentWave);
        Write(own, "snd_start.wav", kSilentWave);
        Write(own, "snd_over.wav", kSilentWave);
        ASSERT_TRUE(QDir(current.path()).mkdir("snd_folder.wav"));
        ASSERT_TRUE(QDir::setCurrent(current.path()));
    }
    void TearDown() override { QDir::setCurrent(saved); }

    static void Write(const QTemporaryDir& folder, const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString Folder(const QString& path) const
    {
        QString folder = QFileInfo(path).absolutePath();
        if (folder == QFileInfo(current.path()).absoluteFilePath())
            return QStringLiteral("current");
        if (folder == QFileInfo(own.path()).absoluteFilePath())
            return QStringLiteral("own");
        return folder;
    }
};

struct LocateRow {
    const char* name;
    const char* fileName;
    Where where;
};
PRINT_ROW_BY_NAME(LocateRow, name)

class SoundServiceLocateTest : public SoundServiceTest, public ::testing::WithParamInterface<LocateRow> {};

// The current directory comes first; the game's own folder keeps a game started elsewhere
// from being silent; folders and empty names are not sounds.
TEST_P(SoundServiceLocateTest, FindsTheFileWhereExpected)
{
    const LocateRow& row = GetParam();
    const QString found = sound.Locate(row.fileName);
    switch (row.where) {
    case Where::Current: EXPECT_EQ(found, QFileInfo(current.filePath(row.fileName)).absoluteFilePath()); break;
    case Where::Own: EXPECT_EQ(found, QFileInfo(own.filePath(row.fileName)).absoluteFilePath()); break;
    case Where::Nowhere: EXPECT_TRUE(found.isEmpty()) << found.toStdString(); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Names, SoundServiceLocateTest,
                         ::testing::Values(LocateRow{"current_only", "snd_in.wav", Where::Current},
                                           LocateRow{"own_only", "snd_over.wav", Where::Own},
                                           LocateRow{"both_current_wins", "snd_start.wav", Where::Current},
                                           LocateRow{"missing", "snd_missing.wav", Where::Nowhere},
                                           LocateRow{"folder", "snd_folder.wav", Where::Nowhere},
                                           LocateRow{"empty", "", Where::Nowhere}),
                         [](const ::testing::TestParamInfo<LocateRow>& info) { return std::string(info.param.name); });

// A new effect cuts off the one still playing, the same effect starts over, and a
// missing file neither plays nor disturbs what plays.
TEST_F(SoundServiceTest, NewEffectStopsThePreviousOne)
{
    sound.Play("snd_in.wav");
    sound.Play("snd_over.wav");
    sound.Play("snd_missing.wav");
    sound.Play("snd_over.wav");
    EXPECT_EQ(log, QStringList({"play snd_in.wav@current", "stop snd_in.wav@current", "play snd_over.wav@own",
                                "stop snd_over.wav@own", "play snd_over.wav@own"}));
    EXPECT_EQ(sound.LoadedCount(), 2);
}

// Each file gets one player, kept; after a change of directory the same name is another file.
TEST_F(SoundServiceTest, PlayersAreKeptPerFile)
{
    sound.Play("snd_start.wav");
    sound.Play("snd_start.wav");
    EXPECT_EQ(sound.LoadedCount(), 1);
    ASSERT_TRUE(QDir::setCurrent(own.path()));
    sound.Play("snd_start.wav");
    EXPECT_EQ(sound.LoadedCount(), 2);
    EXPECT_EQ(log.last(), "play snd_start.wav@own");
}

// The real players, with or without a sound server: a good and an unplayable file each get
// one, a missing file none, and nothing is reported.
TEST_F(SoundServiceTest, RealPlayersTakeAnyFileThatExists)
{
    Write(current, "snd_shot.wav", "not a wave file");
    QtSoundService real(QStringList{own.path()});
    real.Play("snd_in.wav");
    real.Play("snd_shot.wav");
    real.Play("snd_missing.wav");
    EXPECT_EQ(real.LoadedCount(), 2);
}

// An output is made when its file first plays, and made, played and destroyed in the one
// audio thread, never in the game's: whatever it loads is loaded there.
TEST_F(SoundServiceTest, OutputsLiveInTheAudioThreadFromTheFirstPlay)
{
    AudioThreadLog audio;
    {
        QtSoundService threaded(QStringList{own.path()}, TAudioThreadOutputs{[&audio](const QString& path) {
                                    return std::make_unique<AudioThreadOutput>(QFileInfo(path).fileName(), audio);
                                }});
        threaded.Play("snd_missing.wav");
        threaded.Play("snd_in.wav");
        threaded.Play("snd_over.wav");
        threaded.Play("snd_in.wav");
    }
    const QStringList entries = audio.Entries();
    ASSERT_EQ(entries.size(), 9) << entries.join(", ").toStdString();
    EXPECT_EQ(entries.mid(0, 7),
              QStringList({"make snd_in.wav", "play snd_in.wav", "stop snd_in.wav", "make snd_over.wav",
                           "play snd_over.wav", "stop snd_over.wav", "play snd_in.wav"}));
    EXPECT_EQ(QSet<QString>(entries.begin() + 7, entries.end()),
              QSet<QString>({"destroy snd_in.wav", "destroy snd_over.wav"}));
    ASSERT_EQ(audio.Threads().size(), 1);
    EXPECT_NE(*audio.Threads().begin(), QThread::currentThread());
}

// The real outputs come from the sound module built beside the executable, loaded by the
// first output asked for.
TEST_F(SoundServiceTest, ModuleBesideTheExecutableMakesTheOutputs)
{
    const std::unique_ptr<SoundPlayer> output = SoundModuleOutputs().makeOutput(current.filePath("snd_in.wav"));
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(Mapped("velquan-sound.so"));
}

} // namespace
