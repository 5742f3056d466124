#include "game/accessibility.h"

#include "controls/accessible.h"
#include "controls/customlabel.h"
#include "controls/dxfcolorbutton.h"
#include "controls/dxfprogressbar.h"
#include "desktop/accessiblewidget.h"
#include "desktop/announcer.h"
#include "desktop/stringgrid.h"
#include "desktop/stringgridaccessible.h"
#include "desktop/zoomhost.h"

#include <QAccessible>

namespace {

// Qt asks with each class name from the object's own up to QObject.
QAccessibleInterface* GameAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TCustomLabel"))
        return new TAccessibleLabel(static_cast<TCustomLabel*>(object));
    if (className == QLatin1String("TdxfColorButton"))
        return new TAccessibleColorButton(static_cast<TdxfColorButton*>(object));
    if (className == QLatin1String("TdxfProgressBar"))
        return new TAccessibleProgressBar(static_cast<TdxfProgressBar*>(object));
    if (className == QLatin1String("TAnnouncer"))
        return new TAccessibleAnnouncer(static_cast<TAnnouncer*>(object));
    if (className == QLatin1String("TStringGrid"))
        return new TAccessibleStringGrid(static_cast<TStringGrid*>(object));
    // The window's surface and the plain parts on it are found where an enlarged window shows them.
    if (className == QLatin1String("TZoomHost")) {
        auto* host = static_cast<TZoomHost*>(object);
        return new TAccessibleViewHolder(host, host->Content());
    }
    for (const char* plain : {"TFormSurface", "TSurfaceDrawing", "TPanel", "TImage", "TShape"})
        if (className == QLatin1String(plain))
            return new TAccessibleWidget(static_cast<QWidget*>(object));
    if (className == QLatin1String("QApplication"))
        return new TAccessibleApplication;
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    // Qt keeps a factory once, however often it is installed.
    QAccessible::installFactory(GameAccessibleFactory);
}
