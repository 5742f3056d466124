// The plain-picture decoder against Qt's own readers: never a crash or a read out of bounds, and
// whatever both decode, they decode alike.
#include "platform/plainpicture.h"

#include <QByteArray>
#include <QImage>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage decoded = DecodePlainPicture(bytes);
    if (decoded.isNull())
        return 0;
    const QImage expected = QImage::fromData(bytes, bytes.startsWith("BM") ? "BMP" : "PNG");
    if (!expected.isNull() && (decoded.format() != expected.format() || decoded != expected)) {
        std::fprintf(stderr, "property broken: a picture both decode comes out alike\n");
        std::abort();
    }
    return 0;
}
