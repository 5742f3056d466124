#include "desktop/drawedge.h"

#include "desktop/colors.h"

#include <QPainter>

namespace {

constexpr unsigned kOuterMask = BDR_RAISEDOUTER | BDR_SUNKENOUTER;
constexpr unsigned kInnerMask = BDR_RAISEDINNER | BDR_SUNKENINNER;

struct EdgeColors {
    TColor TopLeft = clNone;
    TColor BottomRight = clNone;
};

// A pair naming both the raised and the sunken kind cancels out.
EdgeColors ColorsOf(unsigned kind)
{
    switch (kind) {
    case BDR_RAISEDOUTER: return {cl3DLight, cl3DDkShadow};
    case BDR_SUNKENOUTER: return {clBtnShadow, clBtnHighlight};
    case BDR_RAISEDINNER: return {clBtnHighlight, clBtnShadow};
    case BDR_SUNKENINNER: return {cl3DDkShadow, cl3DLight};
    default: return {};
    }
}

void DrawRing(QPainter& painter, const TRect& r, const EdgeColors& colors, unsigned flags)
{
    if (r.Width() <= 0 || r.Height() <= 0)
        return;
    if (colors.TopLeft != clNone) {
        const QColor color = ToQColor(colors.TopLeft);
        if (flags & BF_TOP)
            painter.fillRect(r.Left, r.Top, r.Width(), 1, color);
        if (flags & BF_LEFT)
            painter.fillRect(r.Left, r.Top, 1, r.Height(), color);
    }
    if (colors.BottomRight != clNone) {
        const QColor color = ToQColor(colors.BottomRight);
        if (flags & BF_BOTTOM)
            painter.fillRect(r.Left, r.Bottom - 1, r.Width(), 1, color);
        if (flags & BF_RIGHT)
            painter.fillRect(r.Right - 1, r.Top, 1, r.Height(), color);
    }
}

} // namespace

void DrawEdge(QPainter& painter, const TRect& rect, unsigned edge, unsigned flags)
{
    EdgeColors outer = ColorsOf(edge & kOuterMask);
    EdgeColors inner = ColorsOf(edge & kInnerMask);
    if ((edge & kOuterMask) == 0) {
        outer = inner;
        inner = {};
    }
    DrawRing(painter, rect, outer, flags);
    const TRect inside{rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1};
    DrawRing(painter, inside, inner, flags);
}
