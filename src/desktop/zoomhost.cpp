#include "desktop/zoomhost.h"

#include "desktop/devicepixels.h"

#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <algorithm>

namespace {

// Draws the widget into a picture at its own size (at the screen's own fineness), then scales
// that picture without smoothing, so each pixel becomes a block. Qt's item cache does the same,
// but loses the clipping of children when a shown widget is embedded.
class TPixelProxy final : public QGraphicsProxyWidget {
public:
    TPixelProxy() { setFlag(ItemUsesExtendedStyleOption); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override
    {
        QWidget* content = widget();
        const QRect exposed = option->exposedRect.toAlignedRect() & (content ? content->rect() : QRect());
        if (exposed.isEmpty())
            return;
        const qreal ratio = painter->device()->devicePixelRatio();
        if (FPicture.deviceIndependentSize() != QSizeF(content->size()) || FPicture.devicePixelRatio() != ratio)
            FPicture = OffscreenImage(content->size(), ratio);
        content->render(&FPicture, exposed.topLeft(), QRegion(exposed));
        painter->drawImage(QRectF(exposed), FPicture,
                           QRectF(QPointF(exposed.topLeft()) * ratio, QSizeF(exposed.size()) * ratio));
    }

private:
    QImage FPicture;
};

} // namespace

TZoomHost::TZoomHost(QWidget* content, QWidget* parent) : QWidget(parent), FContent(content)
{
    FContent->setParent(this);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    SetZoom(1);
}

void TZoomHost::MakeView()
{
    // Made when the content is first enlarged: a window only ever played at ×1 does without it.
    // The proxy then stays for the host's life: a zoom may change within one of its event
    // handlers (a putt's release plays the whole roll), which must not find it gone when it
    // returns.
    FScene = new QGraphicsScene(this);
    FView = new QGraphicsView(FScene, this);
    FProxy = new TPixelProxy;
    FScene->addItem(FProxy);
    // Enlarged, the content inherits from the scene what it inherits from the host at ×1.
    FScene->setPalette(palette());

    // The view is only the picture: no frame, no scrolling, and the keyboard stays with the window.
    FView->setFrameShape(QFrame::NoFrame);
    FView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FView->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    FView->setFocusPolicy(Qt::NoFocus);
    FView->setBackgroundBrush(Qt::black);
}

int TZoomHost::LargestZoom(QSize content, QSize area)
{
    if (content.isEmpty())
        return 1;
    return std::max(1, std::min(area.width() / content.width(), area.height() / content.height()));
}

void TZoomHost::SetZoom(int zoom)
{
    FFilling = false;
    FZoom = std::max(1, zoom);
    setFixedSize(FContent->size() * FZoom);
    Arrange();
}

void TZoomHost::Fill()
{
    FFilling = true;
    setMinimumSize(FContent->size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    Arrange();
}

int TZoomHost::ShownZoom() const
{
    return FFilling ? LargestZoom(FContent->size(), size()) : FZoom;
}

QRect TZoomHost::ContentRect() const
{
    QRect shown(QPoint(), FContent->size() * ShownZoom());
    if (FFilling)
        shown.moveCenter(rect().center());
    return shown;
}

bool TZoomHost::Enlarged() const
{
    return FProxy && FProxy->widget();
}

void TZoomHost::PresentNow()
{
    if (!Enlarged())
        return;
    // The scene hands what the content repainted to the view when it next handles its posted
    // events, and the window paints it when it handles its own: both now, and nothing else.
    QCoreApplication::sendPostedEvents(FContent, QEvent::UpdateRequest);
    QCoreApplication::sendPostedEvents(FScene, QEvent::MetaCall);
    QCoreApplication::sendPostedEvents(window(), QEvent::UpdateRequest);
}

void TZoomHost::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Arrange();
}

void TZoomHost::Arrange()
{
    const int zoom = ShownZoom();
    if (zoom > 1 && !Enlarged())
        Enlarge();
    else if (zoom == 1 && Enlarged())
        ShowAtOwnSize();
    const QRect shown = ContentRect();
    if (Enlarged()) {
        FView->setGeometry(shown);
        FView->setTransform(QTransform::fromScale(zoom, zoom));
    } else {
        FContent->move(shown.topLeft());
    }
}

void TZoomHost::Enlarge()
{
    if (!FProxy)
        MakeView();
    // Only a widget without a parent can be embedded.
    FContent->setParent(nullptr);
    FProxy->setWidget(FContent);
    FScene->setSceneRect(QRectF(QPointF(), FContent->size()));
    FContent->show();
    FView->show();
}

void TZoomHost::ShowAtOwnSize()
{
    FProxy->setWidget(nullptr);
    FContent->setParent(this, Qt::Widget);
    FContent->show();
    FView->hide();
}
