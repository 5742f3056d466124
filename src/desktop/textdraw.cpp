#include "desktop/textdraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>

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

// The text as it takes up room: "&" prefixes removed as drawing removes them, and tabs that
// are not expanded shown as blanks.
QString MeasuredText(const QString& text, unsigned flags)
{
    QString shown;
    shown.reserve(text.size());
    const bool prefixes = !(flags & DT_NOPREFIX);
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (prefixes && text[at] == QLatin1Char('&')) {
            if (++at == text.size())
                break;
        }
        shown += (text[at] == QLatin1Char('\t') && !(flags & DT_EXPANDTABS)) ? QChar(QLatin1Char(' ')) : text[at];
    }
    if (flags & DT_SINGLELINE)
        shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return shown;
}

// Lays one paragraph out, wrapped at words to wrapWidth when it is not negative; returns its
// number of lines and widens width to its widest line.
int LayOutParagraph(const QFontMetrics& metrics, const QFont& font, const QString& paragraph, int wrapWidth, int& width)
{
    if (paragraph.isEmpty())
        return 1;
    if (wrapWidth < 0 && !paragraph.contains(QLatin1Char('\t'))) {
        width = std::max(width, metrics.horizontalAdvance(paragraph));
        return 1;
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(wrapWidth < 0 ? QTextOption::NoWrap : QTextOption::WordWrap);
    layout.setTextOption(option);
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth < 0 ? kUnbounded : wrapWidth);
        ++lines;
        width = std::max(width, qRound(line.naturalTextWidth()));
    }
    layout.endLayout();
    return std::max(lines, 1);
}

} // namespace

int CalcTextRect(const QFont& font, const QString& text, TRect& rect, unsigned flags)
{
    const QFontMetrics metrics(font);
    const int qtFlags = QtFlags(flags);
    const QString shown = MeasuredText(Elide(metrics, text, rect.Width(), flags, qtFlags), flags);

    // Every line is one line height high and as wide as its characters' advances, without
    // the rounding up of fractional extents that Qt's own bounding rectangles do.
    const int wrapWidth = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE) ? std::max(0, rect.Width()) : -1;
    int lines = 0;
    int width = 0;
    // A single line has had its breaks turned into blanks, so it splits into one paragraph.
    for (const QString& paragraph : shown.split(QLatin1Char('\n')))
        lines += LayOutParagraph(metrics, font, paragraph, wrapWidth, width);
    const int height = lines * metrics.height();
    rect.Right = rect.Left + width;
    rect.Bottom = rect.Top + height;
    return height;
}

int DrawText(QPainter& painter, const QString& text, TRect& rect, unsigned flags)
{
    if (flags & DT_CALCRECT)
        return CalcTextRect(painter.font(), text, rect, flags);

    const QFontMetrics metrics(painter.font());
    const int qtFlags = QtFlags(flags);
    painter.drawText(rect.ToQRect(), qtFlags, Elide(metrics, text, rect.Width(), flags, qtFlags));
    TRect measured = rect;
    return CalcTextRect(painter.font(), text, measured, flags);
}

int LineHeight(const QFont& font)
{
    return QFontMetrics(font).height();
}

int TextWidth(const QFont& font, const QString& text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int TextOverhang(const QFont&)
{
    return 0;
}
