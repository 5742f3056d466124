#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <memory>

class QSoundEffect;

// Sound effects behind a seam, so tests can hear what the game plays.
class SoundService {
public:
    virtual ~SoundService() = default;
    // Starts playing a WAV file, found relative to the current directory, and returns at
    // once. A missing or unplayable file plays nothing and reports nothing.
    virtual void Play(const QString& fileName) = 0;
};

// On QSoundEffect, one per file, kept for the life of the service. As with the platform's
// asynchronous playback, a new sound stops the one that is playing.
class QtSoundService final : public SoundService {
public:
    QtSoundService();
    ~QtSoundService() override;
    void Play(const QString& fileName) override;

    // The number of files that have been given a player so far.
    int LoadedCount() const { return int(FEffects.size()); }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> FEffects;
};
