#include "platform/panel.h"
#include "platform/shape.h"
#include "platform/zoomhost.h"

#include <QGraphicsView>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A surface with a drawn circle, which finer drawing would change, and a panel holding a picture
// reaching far above it, as the window's sky does: the panel must clip it at every zoom.
QWidget* MakeSurface()
{
    auto* surface = new QWidget;
    surface->setFixedSize(60, 40);
    surface->setAutoFillBackground(true);
    surface->setPalette(QPalette(Qt::blue));
    (new TPanel(surface, clYellow))->setGeometry(0, 0, 60, 10);
    auto* panel = new TPanel(surface, clRed);
    panel->setGeometry(5, 10, 50, 20);
    QPixmap stripes(50, 60);
    QPainter paint(&stripes);
    for (int y = 0; y < 60; ++y)
        paint.fillRect(0, y, 50, 1, y % 3 ? Qt::green : Qt::white);
    auto* picture = new TImage(panel);
    picture->SetPicture(stripes);
    picture->setGeometry(0, -40, 50, 60);
    auto* circle = new TShape(surface);
    circle->SetShape(TShapeType::stCircle);
    circle->setGeometry(20, 12, 15, 15);
    return surface;
}

QImage Shown(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// Each pixel becomes a block of one colour, children clipped as at zoom 1, also when the
// zoom changes while the window shows, and back again.
TEST(ZoomHostTest, EnlargedPictureIsTheOwnSizePictureInBlocks)
{
    QWidget* surface = MakeSurface();
    TZoomHost host(surface, nullptr);
    host.show();
    const QImage own = Shown(host);
    ASSERT_EQ(own.size(), QSize(60, 40));
    EXPECT_EQ(own.pixel(30, 5), qRgb(255, 255, 0));
    for (int zoom : {3, 2}) {
        host.SetZoom(zoom);
        EXPECT_EQ(host.size(), QSize(60, 40) * zoom);
        EXPECT_EQ(Shown(host), own.scaled(own.size() * zoom)) << "zoom " << zoom;
    }
    host.SetZoom(1);
    EXPECT_EQ(surface->parentWidget(), &host);
    EXPECT_EQ(Shown(host), own);
}

// A zoom may change within the content's own handler: a putt's release plays the whole roll,
// and F11 may come meanwhile.
TEST(ZoomHostTest, ZoomChangesWithinAHandlerOfTheEnlargedContent)
{
    struct Button : QWidget {
        TZoomHost* host = nullptr;
        void mousePressEvent(QMouseEvent* event) override { event->accept(); }
        void mouseReleaseEvent(QMouseEvent*) override { host->SetZoom(1); }
    };
    QWidget* surface = MakeSurface();
    auto* button = new Button;
    button->setParent(surface);
    button->setGeometry(0, 0, 20, 20);
    TZoomHost host(surface, nullptr);
    button->host = &host;
    host.SetZoom(2);
    host.show();
    QTest::mouseClick(host.findChild<QGraphicsView*>()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(surface->parentWidget(), &host);
}
