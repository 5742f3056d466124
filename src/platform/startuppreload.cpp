#include "platform/startuppreload.h"

#include "platform/plainpicture.h"

#include <QHash>
#include <QLocale>
#include <QResource>
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

// Only what is safe while the application object is being made in the other thread: Qt's
// image readers and file access look up plugins and settings that it is still setting up, and
// the system locale is being set. A picture that cannot be decoded here is read later as usual.
QImage DecodeCompiledPicture(const QString& name)
{
    const QResource compiled(name, QLocale::c());
    return compiled.isValid() ? DecodePlainPicture(compiled.uncompressedData()) : QImage();
}

void Preload(const QStringList& pictures)
{
    for (const QString& picture : pictures)
        if (const QImage decoded = DecodeCompiledPicture(picture); !decoded.isNull())
            Decoded().insert(picture, decoded);
    // What the first font asked of Qt would load: the configuration files and the font caches.
    FcInit();
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
