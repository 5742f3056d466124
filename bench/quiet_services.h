#pragma once

// Services for a game window measured on its own: no sound, no browser, and a name box that
// takes the name it offers.
#include "desktop/inputbox.h"
#include "desktop/messagebox.h"
#include "desktop/shell.h"
#include "game/services.h"
#include "services/random.h"
#include "services/sound.h"

#include <QFile>
#include <QTemporaryDir>

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

// All of them but the clock, which each measurement chooses, and a ranking of five low scores
// in a folder of its own, so that any game ranks.
struct TQuietServices {
    SilentSound sound;
    NoShell shell;
    CancelledInputBox inputBox;
    TRandomGenerator random;
    QTemporaryDir folder;
    QString rankingFile = folder.filePath(QStringLiteral("VELQUAN.ini"));

    // False when the ranking cannot be written.
    bool WriteRanking() const
    {
        QFile file(rankingFile);
        return file.open(QIODevice::WriteOnly) &&
               file.write("[RANK]\r\nSCORE1=1\r\nSCORE2=1\r\nSCORE3=1\r\nSCORE4=1\r\nSCORE5=1\r\n") > 0;
    }

    TGameServices With(Clock& clock)
    {
        return TGameServices{.clock = &clock,
                             .sound = &sound,
                             .shell = &shell,
                             .inputBox = &inputBox,
                             .messageBox = &MessageBoxes(),
                             .random = &random,
                             .rankingFile = rankingFile,
                             .rankingSeed = {},
                             .homePage = {},
                             .language = {},
                             .settingsFile = {}};
    }
};
