#pragma once

#include "desktop/colors.h"

#include <QPixmap>
#include <QWidget>

// A picture compiled into the program or in a file, read in the format its name ends with.
// Naming the format spares the reader from trying every image plugin first; null when the
// file is missing or unreadable. On screens finer than one device pixel per pixel the twice
// as fine "name@2x.ext" beside it is read instead when there is one; it comes back with its
// device pixel ratio set, so it draws at the same size. The ratio is the finest screen's
// unless given.
QPixmap LoadPicture(const QString& fileName, qreal devicePixelRatio = 0);

// The "@2x" companion of a picture's file name: "a/sky.bmp" gives "a/sky@2x.bmp".
QString DoubleResolutionName(const QString& fileName);

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
