#pragma once

#include "desktop/accessiblewidget.h"

#include <QAccessibleValueInterface>

class TCustomLabel;
class TdxfColorButton;
class TdxfProgressBar;

// What assistive tools read of the custom-drawn controls. A name the owner gives the
// widget (accessibleName) wins over the control's own text; its accessibleDescription
// says what the text is about ("SCORE" for a bare number).

// A label of either kind: static text whose name is its caption.
class TAccessibleLabel : public TAccessibleWidget {
public:
    explicit TAccessibleLabel(TCustomLabel* label);
    QString text(QAccessible::Text t) const override;
};

// A push button named by its caption lines, pressed while its pressed face shows.
class TAccessibleColorButton : public TAccessibleWidget {
public:
    explicit TAccessibleColorButton(TdxfColorButton* button);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
};

// A progress bar whose value is its Position (which may run past Max) and whose value
// text is what the bar shows.
class TAccessibleProgressBar : public TAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit TAccessibleProgressBar(TdxfProgressBar* bar);
    void* interface_cast(QAccessible::InterfaceType t) override;
    QString text(QAccessible::Text t) const override;

    QVariant currentValue() const override;
    // The bar is the game's to fill, not the user's.
    void setCurrentValue(const QVariant&) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TdxfProgressBar* Bar() const;
};
