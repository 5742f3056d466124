#include "desktop/panel.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>

QString DoubleResolutionName(const QString& fileName)
{
    const QFileInfo file(fileName);
    const qsizetype nameStart = fileName.size() - file.fileName().size();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot <= nameStart)
        return fileName + QStringLiteral("@2x");
    return fileName.left(dot) + QStringLiteral("@2x") + fileName.mid(dot);
}

QPixmap LoadPicture(const QString& fileName, qreal devicePixelRatio)
{
    if (devicePixelRatio <= 0)
        devicePixelRatio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QString chosen = fileName;
    if (devicePixelRatio > 1) {
        const QString fine = DoubleResolutionName(fileName);
        if (QFileInfo::exists(fine))
            chosen = fine;
    }
    // The reader sets the ratio 2 itself from the "@2x" in the name.
    QImageReader reader(chosen, QFileInfo(chosen).suffix().toLatin1());
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
