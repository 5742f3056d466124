#include "game/surface.h"

#include "desktop/colors.h"

#include <QPainter>

TSurfaceDrawing::TSurfaceDrawing(QWidget* surface) : QWidget(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(surface->rect());
}

void TSurfaceDrawing::DrawPicture(QPoint at, const QPixmap& picture)
{
    FPictures.push_back({at, picture});
    repaint(QRect(at, picture.deviceIndependentSize().toSize()));
}

void TSurfaceDrawing::Clear()
{
    FPictures.clear();
}

void TSurfaceDrawing::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    for (const Placed& placed : FPictures)
        canvas.drawPixmap(placed.at, placed.picture);
}

TFormSurface::TFormSurface(QWidget* parent, QSize size) : QWidget(parent)
{
    setFixedSize(size);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clBlack));
    setPalette(colours);
}

void TFormSurface::CreateDrawing()
{
    FDrawing = new TSurfaceDrawing(this);
}

void TFormSurface::RepaintNow()
{
    if (FDrawing)
        FDrawing->Clear();
    repaint();
}
