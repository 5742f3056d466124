#pragma once

#include <QString>

class Clock;
class InputBoxService;
class MessageBoxService;
class ShellService;
class SoundService;
class TRandomGenerator;

// What the game needs from outside: the real services when it runs, fakes in tests.
struct TGameServices {
    Clock* clock = nullptr;
    SoundService* sound = nullptr;
    ShellService* shell = nullptr;
    InputBoxService* inputBox = nullptr;
    MessageBoxService* messageBox = nullptr;
    // The run's one pseudo-random sequence, continued across games.
    TRandomGenerator* random = nullptr;
    // Full path of the ranking file.
    QString rankingFile;
    // Where a missing ranking file is copied from before it is read or written; may be empty.
    QString rankingSeed;
    // The game's home page, whose host serves the information page. A reserved example host
    // (the build's placeholder) has no page: the information command tells about this copy.
    QString homePage;
    // The language of the window's texts, as InstallTranslations gives it: empty for the game's own
    // Japanese. A language the layout's fonts lack letters of draws them in its own font.
    QString language;
    // The player's settings file, where the window's size is kept; empty keeps nothing.
    QString settingsFile;
};
