#pragma once

#include <QString>

class Clock;
class InputBoxService;
class MessageBoxService;
class ShellService;
class SoundService;

// What the game needs from outside: the real services when it runs, fakes in tests.
struct TGameServices {
    Clock* clock = nullptr;
    SoundService* sound = nullptr;
    ShellService* shell = nullptr;
    InputBoxService* inputBox = nullptr;
    MessageBoxService* messageBox = nullptr;
    // Full path of the ranking file.
    QString rankingFile;
};
