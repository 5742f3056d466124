#pragma once

class QWidget;

// The window a box belongs to, so that the desktop keeps the box above it (and shows it over
// a window that fills the screen): the active window, or else the application's main window
// when the keyboard has gone elsewhere; null when neither shows.
QWidget* BoxOwner();
