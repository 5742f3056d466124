#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>

// Assistive tools find a widget where it shows, also when a graphics view shows it enlarged:
// the widget a view shows is then a child of the widget that holds the view, and places on
// the screen are mapped through the view's scale.

// Where a rectangle of the widget shows on the screen.
QRect ScreenRect(const QWidget* widget, const QRect& local);

// A widget as assistive tools read it, wherever it shows.
class TAccessibleWidget : public QAccessibleWidget {
public:
    explicit TAccessibleWidget(QWidget* widget, QAccessible::Role role = QAccessible::Client,
                               const QString& name = QString());
    QRect rect() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
};

// The widget that holds a view showing one widget: its one child is what the view shows.
class TAccessibleViewHolder : public TAccessibleWidget {
public:
    TAccessibleViewHolder(QWidget* holder, QWidget* shown);
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidget* FShown;
};

// The application without the hidden windows that widgets shown in a view leave behind:
// they are read where the view shows them.
class TAccessibleApplication : public QAccessibleApplication {
public:
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> Windows() const;
};
