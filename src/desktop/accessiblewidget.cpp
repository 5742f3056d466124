#include "desktop/accessiblewidget.h"

#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>

namespace {

// The view that shows the widget, or one of its ancestors, through a proxy; null when none does.
QGraphicsView* ShowingView(const QWidget* widget)
{
    const QGraphicsProxyWidget* proxy = widget->window()->graphicsProxyWidget();
    if (!proxy || !proxy->scene() || proxy->scene()->views().isEmpty())
        return nullptr;
    return proxy->scene()->views().constFirst();
}

// Where a point of the widget shows on the screen. Qt's own mapping scales the view's offset in
// its window along with the scene, so the way through the view is taken here.
QPoint ScreenPoint(const QWidget* widget, QPoint local)
{
    const QGraphicsView* view = ShowingView(widget);
    if (!view)
        return widget->mapToGlobal(local);
    const QWidget* shown = widget->window();
    const QPointF inScene = shown->graphicsProxyWidget()->mapToScene(QPointF(widget->mapTo(shown, local)));
    return view->viewport()->mapToGlobal(view->viewportTransform().map(inScene).toPoint());
}

} // namespace

QRect ScreenRect(const QWidget* widget, const QRect& local)
{
    // Both corners, since a view may scale what it shows.
    const QPoint topLeft = ScreenPoint(widget, local.topLeft());
    const QPoint end = ScreenPoint(widget, local.topLeft() + QPoint(local.width(), local.height()));
    return QRect(topLeft, end - QPoint(1, 1));
}

TAccessibleWidget::TAccessibleWidget(QWidget* widget, QAccessible::Role role, const QString& name)
    : QAccessibleWidget(widget, role, name)
{
}

QRect TAccessibleWidget::rect() const
{
    if (!widget()->isVisible())
        return {};
    return ScreenRect(widget(), widget()->rect());
}

QWindow* TAccessibleWidget::window() const
{
    if (const QGraphicsView* view = ShowingView(widget()))
        return view->window()->windowHandle();
    return QAccessibleWidget::window();
}

QAccessibleInterface* TAccessibleWidget::parent() const
{
    if (widget()->isWindow())
        if (const QGraphicsView* view = ShowingView(widget()))
            return QAccessible::queryAccessibleInterface(view->parentWidget());
    return QAccessibleWidget::parent();
}

TAccessibleViewHolder::TAccessibleViewHolder(QWidget* holder, QWidget* shown) : TAccessibleWidget(holder), FShown(shown)
{
}

QAccessibleInterface* TAccessibleViewHolder::child(int index) const
{
    return index == 0 ? QAccessible::queryAccessibleInterface(FShown) : nullptr;
}

int TAccessibleViewHolder::indexOfChild(const QAccessibleInterface* child) const
{
    return child && child->object() == FShown ? 0 : -1;
}

QList<QAccessibleInterface*> TAccessibleApplication::Windows() const
{
    QList<QAccessibleInterface*> windows;
    for (int index = 0; index < QAccessibleApplication::childCount(); ++index) {
        QAccessibleInterface* window = QAccessibleApplication::child(index);
        const auto* widget = window ? qobject_cast<const QWidget*>(window->object()) : nullptr;
        if (!widget || !widget->graphicsProxyWidget())
            windows << window;
    }
    return windows;
}

int TAccessibleApplication::childCount() const
{
    return int(Windows().size());
}

QAccessibleInterface* TAccessibleApplication::child(int index) const
{
    return Windows().value(index);
}

int TAccessibleApplication::indexOfChild(const QAccessibleInterface* child) const
{
    return int(Windows().indexOf(const_cast<QAccessibleInterface*>(child)));
}
