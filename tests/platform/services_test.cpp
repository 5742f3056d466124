#include "platform/appdir.h"
#include "platform/sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A silent 8-bit mono PCM WAV file of eight samples.
const QByteArray kSilentWave = QByteArray("RIFF,\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0"
                                          "\x01\0\x08\0data\x08\0\0\0", 44)
                               + QByteArray(8, char(0x80));

class SoundServiceTest : public ::testing::Test {
protected:
    QTemporaryDir FDir;
    QString FSaved = QDir::currentPath();

    void SetUp() override
    {
        QFile file(FDir.filePath("snd_in.wav"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kSilentWave);
        file.close();
        ASSERT_TRUE(QDir::setCurrent(FDir.path()));
    }
    void TearDown() override { QDir::setCurrent(FSaved); }
};

bool MultimediaLoaded()
{
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

// Names are looked up in the current directory; a missing file is silently skipped, and
// each file gets one player that is reused. The multimedia libraries come in only with the
// first file that can be played.
TEST_F(SoundServiceTest, PlaysFilesOfTheCurrentDirectoryOnly)
{
    QtSoundService sound;
    sound.Play("snd_missing.wav");
    EXPECT_EQ(sound.LoadedCount(), 0);
    EXPECT_FALSE(sound.ModuleLoaded());
    EXPECT_FALSE(MultimediaLoaded());
    sound.Play("snd_in.wav");
    ASSERT_TRUE(sound.ModuleLoaded());
    EXPECT_TRUE(MultimediaLoaded());
    sound.Play("snd_in.wav");
    EXPECT_EQ(sound.LoadedCount(), 1);

    QDir::setCurrent(FSaved);
    sound.Play("snd_in.wav");
    EXPECT_EQ(sound.LoadedCount(), 1);
}

TEST(ApplicationDirTest, IsTheExecutablesFolderWithSeparator)
{
    const QString directory = ApplicationDir();
    EXPECT_TRUE(directory.endsWith('/'));
    EXPECT_TRUE(QFileInfo(directory + QFileInfo(QCoreApplication::applicationFilePath()).fileName()).isExecutable());
}

} // namespace
