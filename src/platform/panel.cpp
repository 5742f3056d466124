#include "platform/panel.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

QPixmap LoadPicture(const QString& fileName)
{
    QImageReader reader(fileName, QFileInfo(fileName).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

TPanel::TPanel(QWidget* parent, TColor color) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(color));
    setPalette(colours);
}

TImage::TImage(QWidget* parent) : QWidget(parent) {}

void TImage::SetPicture(const QPixmap& picture)
{
    FPicture = picture;
    update();
}

void TImage::SetStretch(bool stretch)
{
    if (stretch == FStretch)
        return;
    FStretch = stretch;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter canvas(this);
    if (FStretch)
        canvas.drawPixmap(rect(), FPicture);
    else
        canvas.drawPixmap(0, 0, FPicture);
}
