#include "desktop/colors.h"

#include <QApplication>
#include <QPalette>

namespace {

QColor PaletteColor(unsigned index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 0: return palette.color(QPalette::Button);          // scroll bar
    case 1: return palette.color(QPalette::Dark);            // desktop
    case 2: return palette.color(QPalette::Highlight);       // active caption
    case 3: return palette.color(QPalette::Mid);             // inactive caption
    case 4: return palette.color(QPalette::Window);          // menu
    case 5: return palette.color(QPalette::Base);            // window
    case 6: return palette.color(QPalette::Shadow);          // window frame
    case 7: return palette.color(QPalette::WindowText);      // menu text
    case 8: return palette.color(QPalette::Text);            // window text
    case 9: return palette.color(QPalette::HighlightedText); // caption text
    case 10:                                                 // active border
    case 11: return palette.color(QPalette::Button);         // inactive border
    case 12: return palette.color(QPalette::Dark);           // application workspace
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);                   // button face
    case 16: return palette.color(QPalette::Dark);                     // button shadow
    case 17: return palette.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18: return palette.color(QPalette::ButtonText);
    case 19: return palette.color(QPalette::Disabled, QPalette::WindowText);
    case 20: return palette.color(QPalette::Light);    // button highlight
    case 21: return palette.color(QPalette::Shadow);   // 3D dark shadow
    case 22: return palette.color(QPalette::Midlight); // 3D light
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return QColor(Qt::black);
    }
}

} // namespace

TColor ColorToRGB(TColor color)
{
    if (IsSystemColor(color))
        return FromQColor(PaletteColor(color & 0xFF));
    if (color == clNone || color == clDefault)
        return clBlack;
    return color & 0x00FFFFFF;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color)
{
    return RGB(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

std::uint8_t InterpolateChannel(std::uint8_t start, std::int16_t diff, double t)
{
    const long double value = static_cast<long double>(diff) * static_cast<long double>(t) + start;
    return static_cast<std::uint8_t>(static_cast<int>(value));
}
