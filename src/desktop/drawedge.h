#pragma once

#include "desktop/rect.h"

class QPainter;

// Edge kinds, combinable as one outer and one inner kind. A lone inner kind is drawn
// on the rectangle's border, where an outer one would be.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;

constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

// Sides to draw.
constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr unsigned BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr unsigned BF_RECT = BF_TOPLEFT | BF_BOTTOMRIGHT;

// Draws one-pixel 3D edges just inside rect, in the palette's button shadow and highlight
// colours: top and left first, then bottom and right, so the top-right and bottom-left
// corners take the bottom-right colour. An outer and an inner kind together make a
// two-pixel edge. Nothing is drawn outside rect, and an empty rect draws nothing.
void DrawEdge(QPainter& painter, const TRect& rect, unsigned edge, unsigned flags);
