#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

class QObject;
class QThread;

// Sound effects behind a seam, so tests can hear what the game plays.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts playing a WAV file given by its bare name and returns at once. A missing or
    // unplayable file plays nothing and reports nothing.
    virtual void Play(const QString& fileName) = 0;
    // Gets these files' outputs ready ahead of their first play, without blocking the caller.
    virtual void Prepare(const QStringList& fileNames) { (void)fileNames; }
};

// What the service asks of the player of one file.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts from the beginning and returns at once.
    virtual void Play() = 0;
    virtual void Stop() = 0;
    // Opens what a play needs, so the first one is as prompt as any other.
    virtual void Prepare() {}
};

using SoundPlayerFactory = std::function<std::unique_ptr<SoundPlayer>(const QString& filePath)>;

// Makes the output of one file, in the audio thread, when the file is first prepared or played;
// the output is played, stopped and destroyed there too. May give null for silence.
struct TAudioThreadOutputs {
    SoundPlayerFactory makeOutput;
};

// The outputs of the sound module, which the first call loads: beside the executable, else in
// the installed game's library folder. Without the module every output is silence.
TAudioThreadOutputs SoundModuleOutputs();

// Looks a name up in the current directory, then in the game's own folders, so a game
// started from elsewhere is not silent. One player per file, kept for the life of the
// service; a new effect cuts off the one still playing.
class QtSoundService final : public SoundService {
public:
    // Players made and used in the caller's thread.
    QtSoundService(QStringList ownFolders, SoundPlayerFactory makePlayer);
    // Outputs in an audio thread of the service's own, so effects go on sounding while the game
    // blocks its thread, and whatever an output needs is loaded there, not in the game's.
    QtSoundService(QStringList ownFolders, TAudioThreadOutputs outputs);
    explicit QtSoundService(QStringList ownFolders); // the sound module's outputs
    QtSoundService(); // the game's own folders: beside the executable, then its installed data
    ~QtSoundService() override;

    void Play(const QString& fileName) override;
    void Prepare(const QStringList& fileNames) override;

    // The full path a name is found at now, or empty when it is nowhere.
    QString Locate(const QString& fileName) const;
    // The number of files that have been given a player so far.
    int LoadedCount() const { return int(FPlayers.size()); }

private:
    // The file's player, made at its first use; null when the file is nowhere or unplayable.
    SoundPlayer* PlayerFor(const QString& fileName);

    QStringList FOwnFolders;
    std::unique_ptr<QThread> FAudioThread;
    std::unique_ptr<QObject> FAudioContext;
    SoundPlayerFactory FMakePlayer;
    // Keyed by full path: the same name means another file after a change of directory.
    std::map<QString, std::unique_ptr<SoundPlayer>> FPlayers;
    SoundPlayer* FPlaying = nullptr;
};
