#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QtMessageBoxService gRealService;
MessageBoxService* gService = &gRealService;

QMessageBox::Icon ToQtIcon(MessageBoxService::Icon icon)
{
    switch (icon) {
    case MessageBoxService::Icon::Information: return QMessageBox::Information;
    case MessageBoxService::Icon::Warning: return QMessageBox::Warning;
    case MessageBoxService::Icon::Error: return QMessageBox::Critical;
    case MessageBoxService::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtMessageBoxService::Show(const QString& caption, const QString& text, Icon icon)
{
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void QtMessageBoxService::Beep()
{
    QApplication::beep();
}

MessageBoxService& MessageBoxes()
{
    return *gService;
}

void SetMessageBoxes(MessageBoxService* service)
{
    gService = service ? service : &gRealService;
}
