#pragma once

class QWidget;

// A profile of the start for whoever wants to know where its milliseconds go: with
// VELQUAN_STARTUP_MARKS set in the environment, each mark prints to standard error the wall
// time since the first mark and the processor time the game's thread has used since the
// process started, which includes what the loader did before main; other threads' work and
// other programs on the machine do not count in it. Without it a mark costs nothing.
void MarkStartup(const char* what);

// Marks the first frame the widget paints.
void MarkFirstPaint(QWidget* widget);
