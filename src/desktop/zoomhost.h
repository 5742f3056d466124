#pragma once

#include <QWidget>

class QGraphicsProxyWidget;
class QGraphicsScene;
class QGraphicsView;

// Shows one fixed-size widget at a whole-number zoom, every pixel of it an N x N block of one
// colour, or, when it fills, at the largest zoom that fits, centred on black. At zoom 1 the
// widget is an ordinary child. Enlarged, it lives in a graphics scene that draws it at its own
// size and scales the picture, so it keeps its own coordinates, input and drawing at every
// zoom.
class TZoomHost : public QWidget {
    Q_OBJECT

public:
    TZoomHost(QWidget* content, QWidget* parent);

    QWidget* Content() const { return FContent; }

    // Sized for the content at a zoom (1 or more), no longer filling.
    void SetZoom(int zoom);
    // Takes whatever size it is given and shows the content at the largest zoom that fits.
    void Fill();
    bool Filling() const { return FFilling; }
    // The zoom in effect now, and where the content shows within the host.
    int ShownZoom() const;
    QRect ContentRect() const;

    // Puts what the content has repainted on the screen at once. Enlarged content otherwise
    // reaches the screen only when events are next handled, which a blocked thread does not do.
    void PresentNow();

    // The largest whole zoom at which `content` fits into `area`; at least 1.
    static int LargestZoom(QSize content, QSize area);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Enlarged() const;
    void Arrange();
    void MakeView();
    void Enlarge();
    void ShowAtOwnSize();

    QWidget* FContent;
    QGraphicsScene* FScene = nullptr;
    QGraphicsView* FView = nullptr;
    QGraphicsProxyWidget* FProxy = nullptr;
    int FZoom = 1;
    bool FFilling = false;
};
