#pragma once

#include "platform/colors.h"

#include <QPixmap>
#include <QWidget>

// A plain container window filled with one colour; its children are clipped to it.
class TPanel : public QWidget {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr, TColor color = clBlack);
};

// A picture, drawn at its own size or stretched to fill the control.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    const QPixmap& Picture() const { return FPicture; }
    void SetPicture(const QPixmap& picture);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap FPicture;
    bool FStretch = false;
};
