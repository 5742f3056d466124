#include "platform/application.h"

#include "platform/cp932.h"
#include "platform/errorguard.h"
#include "platform/messagebox.h"

QString ExceptionDisplayText(const QString& message)
{
    if (message.isEmpty())
        return message;
    // The comparison is on the first byte of the last character in the ANSI code page,
    // so any double-byte character counts as sorting after ".".
    const QByteArray bytes = cp932::encode(message);
    int last = 0;
    for (int at = 0; at < bytes.size(); at += cp932::CharByteLength(bytes, at))
        last = at;
    if (static_cast<unsigned char>(bytes.at(last)) > '.')
        return message + QLatin1Char('.');
    return message;
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::SetTitle(const QString& title)
{
    FTitle = title;
    // The display name then follows the application name; setting it as well would make X11
    // append " — VELQUAN" to every dialog's caption.
    setApplicationName(title);
}

void TApplication::ShowException(const QString& message) const
{
    ::ShowException(MessageBoxes(), message);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // Only the backstop: our own handlers are guarded where they are connected.
    bool result = false;
    RunGuarded(MessageBoxes(), [&] { result = QApplication::notify(receiver, event); });
    return result;
}
