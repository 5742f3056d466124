#include "desktop/application.h"

#include "desktop/errorguard.h"
#include "desktop/messagebox.h"

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
