#pragma once

#include <QImage>

// The one off-screen bitmap in which every rotating label composes its picture before
// copying it onto itself. It belongs to the process, starts empty and never shrinks, so a
// repaint costs no allocation once the largest label has painted. Its contents are
// scratch: nothing may rely on a picture left there by an earlier paint.
QImage& DrawBmp();

// Makes DrawBmp at least width x height layout pixels at `ratio` device pixels each, each
// dimension on its own; never smaller. Its device pixel ratio becomes `ratio`.
void EnlargeDrawBmp(int width, int height, qreal ratio = 1);
