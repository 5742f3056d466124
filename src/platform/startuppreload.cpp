#include "platform/startuppreload.h"

#include "platform/panel.h"

#include <QHash>
#include <QThread>

#include <fontconfig/fontconfig.h>

namespace {

// Written by the preload thread only before Finish, read by the game's thread only after it.
QHash<QString, QImage>& Decoded()
{
    static QHash<QString, QImage> pictures;
    return pictures;
}

bool& Finished()
{
    static bool finished = false;
    return finished;
}

void Preload(const QStringList& pictures)
{
    // What the first font asked of Qt would load: the configuration files and the font caches.
    FcInit();
    for (const QString& picture : pictures)
        Decoded().insert(picture, ReadPicture(picture));
}

} // namespace

TStartupPreload::TStartupPreload(const QStringList& pictures)
{
    // Qt takes the first thread that meets it for the main thread; the reader's files would
    // otherwise make that the preload's, before the application is made.
    QThread::currentThread();
    Finished() = false;
    FThread = std::thread(Preload, pictures);
}

TStartupPreload::~TStartupPreload()
{
    if (FThread.joinable())
        FThread.join();
}

void TStartupPreload::Finish()
{
    if (FThread.joinable())
        FThread.join();
    Finished() = true;
}

void TStartupPreload::Release()
{
    Decoded().clear();
}

QImage PreloadedPicture(const QString& fileName)
{
    return Finished() ? Decoded().value(fileName) : QImage();
}
