#pragma once

#include <QString>

#include <memory>

class QLibrary;

// Sound effects behind a seam, so tests can hear what the game plays.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts playing a WAV file, found relative to the current directory, and returns at
    // once. A missing or unplayable file plays nothing and reports nothing.
    virtual void Play(const QString& fileName) = 0;
};

// What the sound module does: plays files given by their full paths, one player per file,
// kept for the life of the player. As with the platform's asynchronous playback, a new sound
// stops the one that is playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void PlayFile(const QString& fullPath) = 0;
    // The number of files that have been given a player so far.
    virtual int LoadedCount() const = 0;
};

// The real sound effects, on Qt Multimedia in a module of their own ("velquan_sound") that
// is loaded when the first existing file is played: the multimedia libraries cost start-up
// time and memory that a window without sound does not need. Without the module the game
// plays no sound, as with any other sound failure.
class QtSoundService final : public SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    void Play(const QString& fileName) override;

    // Whether the sound module has been loaded, and how many files it has been given.
    bool ModuleLoaded() const { return FPlayer != nullptr; }
    int LoadedCount() const;

private:
    void LoadModule();

    std::unique_ptr<QLibrary> FModule;
    std::unique_ptr<SoundPlayer> FPlayer;
    bool FTriedLoading = false;
};
