#include "desktop/boxowner.h"

#include <QApplication>
#include <QMainWindow>

QWidget* BoxOwner()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && qobject_cast<QMainWindow*>(window))
            return window;
    return nullptr;
}
