#pragma once

class QWidget;

// Puts a top-level window over its whole screen, panels and task bars included, or takes it
// back to its normal geometry.
void ShowFullScreen(QWidget& window);
void ShowNormal(QWidget& window);
