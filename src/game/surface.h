#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>
#include <vector>

// What the game draws straight onto the window's surface (the putter picture): it lies
// above the shapes and labels of the surface and below its child windows, and the next
// immediate repaint of the window wipes it.
class TSurfaceDrawing : public QWidget {
    Q_OBJECT

public:
    explicit TSurfaceDrawing(QWidget* surface);

    void DrawPicture(QPoint at, const QPixmap& picture);
    void Clear();
    int PictureCount() const { return int(FPictures.size()); }
    // The picture drawn last since the surface was wiped; a null pixmap when none was.
    QPixmap LastPicture() const { return FPictures.empty() ? QPixmap() : FPictures.back().picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Placed {
        QPoint at;
        QPixmap picture;
    };
    std::vector<Placed> FPictures;
};

// The window's client area: black, fixed size, holding every control of the game.
class TFormSurface : public QWidget {
    Q_OBJECT

public:
    TFormSurface(QWidget* parent, QSize size);

    TSurfaceDrawing* Drawing() const { return FDrawing; }
    // Must be called once the surface's windowless controls exist, so the drawing lies above them.
    void CreateDrawing();
    // Redraws the surface now, wiping what was drawn onto it.
    void RepaintNow();

private:
    TSurfaceDrawing* FDrawing = nullptr;
};
