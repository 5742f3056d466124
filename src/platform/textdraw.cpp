#include "platform/textdraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>

namespace {

constexpr int kUnbounded = 1 << 24;

int QtFlags(unsigned flags)
{
    int qt = 0;
    if (flags & DT_CENTER)
        qt |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;

    if (flags & DT_SINGLELINE) {
        qt |= Qt::TextSingleLine;
        if (flags & DT_BOTTOM)
            qt |= Qt::AlignBottom;
        else if (flags & DT_VCENTER)
            qt |= Qt::AlignVCenter;
        else
            qt |= Qt::AlignTop;
    } else {
        qt |= Qt::AlignTop;
    }
    if (flags & DT_WORDBREAK)
        qt |= Qt::TextWordWrap;
    if (flags & DT_EXPANDTABS)
        qt |= Qt::TextExpandTabs;
    if (!(flags & DT_NOPREFIX))
        qt |= Qt::TextShowMnemonic;
    if (flags & DT_NOCLIP)
        qt |= Qt::TextDontClip;
    return qt;
}

// Shortens each line that is wider than width: at its end, or in its middle so that the
// end stays visible.
QString Elide(const QFontMetrics& metrics, const QString& text, int width, unsigned flags, int qtFlags)
{
    if (!(flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)))
        return text;
    const Qt::TextElideMode mode = (flags & DT_END_ELLIPSIS) ? Qt::ElideRight : Qt::ElideMiddle;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        line = metrics.elidedText(line, mode, width, qtFlags & Qt::TextShowMnemonic);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

int CalcTextRect(const QFont& font, const QString& text, TRect& rect, unsigned flags)
{
    const QFontMetrics metrics(font);
    const int qtFlags = QtFlags(flags) & ~(Qt::AlignHCenter | Qt::AlignRight);
    const QString shown = Elide(metrics, text, rect.Width(), flags, qtFlags);
    const int width = (flags & DT_WORDBREAK) ? rect.Width() : kUnbounded;
    const QRect bounds = metrics.boundingRect(QRect(rect.Left, rect.Top, width, kUnbounded), qtFlags, shown);
    rect.Right = rect.Left + bounds.width();
    rect.Bottom = rect.Top + bounds.height();
    return bounds.height();
}

int DrawText(QPainter& painter, const QString& text, TRect& rect, unsigned flags)
{
    if (flags & DT_CALCRECT)
        return CalcTextRect(painter.font(), text, rect, flags);

    const QFontMetrics metrics(painter.font());
    const int qtFlags = QtFlags(flags);
    QRect bounds;
    painter.drawText(rect.ToQRect(), qtFlags, Elide(metrics, text, rect.Width(), flags, qtFlags), &bounds);
    return bounds.height();
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int TextOverhang(const QFont&)
{
    return 0;
}
