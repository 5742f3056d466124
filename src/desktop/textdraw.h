#pragma once

#include "desktop/rect.h"

#include <QFont>
#include <QString>

class QPainter;

// Text drawing flags, with the values the controls store and combine.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// Draws text with the painter's font and pen colour into rect, laid out by the flags:
// horizontal alignment, line breaks at "\n", word wrapping, tab expansion, "&" marking
// the underlined character (unless DT_NOPREFIX; "&&" shows one "&"), ellipses, and
// clipping to rect unless DT_NOCLIP. With DT_CALCRECT nothing is drawn: rect's right
// and bottom are moved to enclose the text. Returns the height of the text.
int DrawText(QPainter& painter, const QString& text, TRect& rect, unsigned flags);

// The measuring half of DrawText, for callers without a painter: moves rect's right and
// bottom to enclose the text in the given font and returns its height: one LineHeight per
// line, each line as wide as its TextWidth.
int CalcTextRect(const QFont& font, const QString& text, TRect& rect, unsigned flags);

// Height of one line of text in the font: its ascent plus its descent, in whole pixels. Every
// measured line of DrawText is this high.
int LineHeight(const QFont& font);

// Advance width of the text in pixels, with no "&" processing.
int TextWidth(const QFont& font, const QString& text);

// Extra width that synthesised bold or italic adds to a character; scalable fonts have none.
int TextOverhang(const QFont& font);
