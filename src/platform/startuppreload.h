#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <thread>

// Work of the start that needs neither the display nor the event loop, done in a thread of its
// own while the application connects to the display: the font configuration is loaded and the
// given pictures are decoded. The window would otherwise wait for both.
class TStartupPreload {
public:
    // Pictures at their own size only: which screens are scaled is not known yet.
    explicit TStartupPreload(const QStringList& pictures);
    ~TStartupPreload();
    TStartupPreload(const TStartupPreload&) = delete;
    TStartupPreload& operator=(const TStartupPreload&) = delete;

    // Waits for the thread; from then on LoadPicture takes the pictures decoded here.
    void Finish();
    // Lets the decoded pictures go, once the windows are built.
    static void Release();

private:
    std::thread FThread;
};

// A picture as the preload decoded it, or null when there is none (not finished, released, or
// not preloaded).
QImage PreloadedPicture(const QString& fileName);
