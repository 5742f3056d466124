#pragma once

// Services for a game window measured on its own: no sound, no browser, and a name box that
// takes the name it offers.
#include "platform/inputbox.h"
#include "platform/shell.h"
#include "platform/sound.h"

#include <QFile>

class SilentSound final : public SoundService {
public:
    void Play(const QString&) override {}
};

class NoShell final : public ShellService {
public:
    void OpenUrl(const QString&) override {}
};

class CancelledInputBox final : public InputBoxService {
public:
    QString InputBox(const QString&, const QString&, const QString& defaultValue) override { return defaultValue; }
};

// A ranking of five low scores, so that any game ranks; false when it cannot be written.
inline bool WriteLowRanking(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::WriteOnly) &&
           file.write("[RANK]\r\nSCORE1=1\r\nSCORE2=1\r\nSCORE3=1\r\nSCORE4=1\r\nSCORE5=1\r\n") > 0;
}
