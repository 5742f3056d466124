#pragma once

#include <QString>

// How the player last left the window: its zoom and whether it filled the screen. Kept in a
// small file of the player's own; a file that cannot be read gives the defaults, and one that
// cannot be written is left as it was, both without a word.
struct TViewSettings {
    static constexpr int kMaxZoom = 3;

    int zoom = 1;
    bool fullScreen = false;
};

// An empty file name keeps nothing.
TViewSettings LoadViewSettings(const QString& fileName);
void SaveViewSettings(const QString& fileName, const TViewSettings& settings);
