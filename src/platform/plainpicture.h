#pragma once

#include <QByteArray>
#include <QImage>

// The two plain kinds of picture the game ships, decoded straight from their bytes: uncompressed
// 24-bit BMP, and 8-bit PNG with an alpha channel and no colour space of its own. Qt's image
// readers find their plugins through the application's library paths, which are not safe to
// read from another thread while the application object is being made; this decoding touches
// none of that, so the start can decode its pictures meanwhile. The image is the one Qt's
// readers give (same format and pixels); anything else gives a null image, to be read the usual
// way.
QImage DecodePlainPicture(const QByteArray& bytes);
