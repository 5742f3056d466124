#include "desktop/messagebox.h"

#include "desktop/boxowner.h"

#include <QApplication>
#include <QMessageBox>
#include <vector>

namespace {

QtMessageBoxService gRealService;

struct Installation {
    const TScopedMessageBoxes* scope = nullptr;
    MessageBoxService* service = nullptr;
};
std::vector<Installation> gInstalled;

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
    QMessageBox box(ToQtIcon(icon), caption, text, QMessageBox::Ok, BoxOwner());
    box.exec();
}

void QtMessageBoxService::Beep()
{
    QApplication::beep();
}

MessageBoxService& MessageBoxes()
{
    return gInstalled.empty() ? gRealService : *gInstalled.back().service;
}

TScopedMessageBoxes::TScopedMessageBoxes(MessageBoxService* service)
{
    if (service)
        gInstalled.push_back({this, service});
}

TScopedMessageBoxes::~TScopedMessageBoxes()
{
    std::erase_if(gInstalled, [this](const Installation& installed) { return installed.scope == this; });
}
