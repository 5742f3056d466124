#include "desktop/fontkind.h"

#include <QFontDatabase>
#include <QFontInfo>

bool IsOutlineFont(const QFont& font)
{
    // Ask about the face actually chosen: a substituted or fallback family can differ in kind.
    const QFontInfo info(font);
    return QFontDatabase::isSmoothlyScalable(info.family(), info.styleName());
}
