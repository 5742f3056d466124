#pragma once

// CP932 conversion the plain way, through iconv with a fresh descriptor per call: the
// reference that the fuzz targets check the game's converter against, and the former
// conversion that the benchmarks compare it with.
#include <QByteArray>
#include <QString>

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace iconvreference {

// Converts input; each sequence iconv rejects becomes replacement and skip bytes are passed.
inline QByteArray Convert(const char* to, const char* from, const QByteArray& input, const QByteArray& replacement,
                          size_t skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr): iconv's error value
        throw std::runtime_error("iconv cannot convert between CP932 and Unicode");
    QByteArray output;
    std::vector<char> buffer(size_t(input.size()) * 4 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), qsizetype(out - buffer.data()));
        if (result == size_t(-1) && errno != E2BIG) {
            output.append(replacement);
            const size_t step = std::min(skip, inLeft);
            in += step;
            inLeft -= step;
        }
    }
    iconv_close(cd);
    return output;
}

inline QString Decode(const QByteArray& bytes)
{
    return QString::fromUtf8(Convert("UTF-8", "CP932", bytes, QByteArrayLiteral("\xEF\xBF\xBD"), 1));
}

inline QByteArray Encode(const QString& text)
{
    QByteArray utf32;
    for (const char32_t codePoint : text.toUcs4())
        utf32.append(reinterpret_cast<const char*>(&codePoint), sizeof codePoint);
    return Convert("CP932", "UTF-32LE", utf32, QByteArrayLiteral("?"), 4);
}

} // namespace iconvreference
