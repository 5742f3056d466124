#pragma once

class QApplication;
class QWidget;

// Puts a top-level window over its whole screen, panels and task bars included, or takes it
// back to its normal geometry.
void ShowFullScreen(QWidget& window);
void ShowNormal(QWidget& window);

// Whether the desktop, not the program, sizes and places windows in another state (Wayland):
// a window changes size only when the desktop has answered.
bool DesktopSizesWindows();

// Draws all of a top-level window again whenever the desktop shows it anew; called once, when
// it first shows. A Wayland desktop confirms a change of state or size later than asked, often
// with new margins for the title bar the window draws itself; Qt then keeps the old picture,
// which no longer fits the new buffer (an empty window on GNOME), and a desktop that waits for
// the next frame (KWin) gets none until something moves.
void RedrawWhenShown(QWidget& window);

// Has every window's largest size reach a Wayland desktop with the window's first frame,
// when the desktop knows the shadows the title bar adds; to be called once, before any window.
void HoldSizeLimitsForFirstFrames(QApplication& application);
