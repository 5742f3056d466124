#include "desktop/shape.h"
#include "desktop/zoomhost.h"

#include <QGraphicsView>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

// Each pixel becomes a block of one colour, what the content inherits included: a circle drawn
// finer would change, also when the zoom changes while the window shows, and back again.
TEST(ZoomHostTest, EnlargedPictureIsTheOwnSizePictureInBlocks)
{
    auto* surface = new QWidget;
    surface->setFixedSize(60, 40);
    surface->setAutoFillBackground(true);
    auto* circle = new TShape(surface);
    circle->SetShape(TShapeType::stCircle);
    circle->setGeometry(20, 12, 15, 15);
    TZoomHost host(surface, nullptr);
    host.show();
    const auto shown = [&host] { return host.grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage own = shown();
    for (int zoom : {3, 2, 1})
        EXPECT_EQ((host.SetZoom(zoom), shown()), own.scaled(own.size() * zoom)) << "zoom " << zoom;
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
    auto* button = new Button;
    button->setFixedSize(20, 20);
    TZoomHost host(button, nullptr);
    button->host = &host;
    host.SetZoom(2);
    host.show();
    QTest::mouseClick(host.findChild<QGraphicsView*>()->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(button->parentWidget(), &host);
}
