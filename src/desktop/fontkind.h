#pragma once

#include <QFont>

// Whether the font that Qt picks for this description is a scalable outline font
// (TrueType, OpenType or Type 1) rather than a bitmap font of fixed pixel sizes.
// Only outline fonts can be turned to any angle or taken as a path.
bool IsOutlineFont(const QFont& font);
