#pragma once

// Places in the main window's client area that code outside the layout needs too: the
// tests aim their clicks and pixel reads here, and the end-to-end scripts read these lines
// (one `constexpr int` each) rather than restating the numbers.
namespace Layout {

constexpr int kClientWidth = 509;
constexpr int kClientHeight = 425;

// The ranking grid, which covers the play strip between games.
constexpr int kGridLeft = 34;
constexpr int kGridTop = 185;
constexpr int kGridWidth = 441;
constexpr int kGridHeight = 90;

// The play strip's panel, which the banners fill.
constexpr int kStripLeft = 30;
constexpr int kStripTop = 173;
constexpr int kStripWidth = 449;
constexpr int kStripHeight = 102;

// "SHOT!!", on the play strip's panel.
constexpr int kShotLeft = 118;
constexpr int kShotTop = 184;
constexpr int kShotWidth = 77;
constexpr int kShotHeight = 33;

} // namespace Layout
