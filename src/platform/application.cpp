#include "platform/application.h"

#include "platform/cp932.h"
#include "platform/exceptions.h"
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
    MessageBoxes().Show(FTitle, ExceptionDisplayText(message), MessageBoxService::Icon::Error);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const Exception& error) {
        ShowException(error.Message());
    } catch (const std::exception& error) {
        ShowException(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        ShowException(QString());
    }
    return false;
}
