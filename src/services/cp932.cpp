#include "services/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr char kUtf32[] = "UTF-32LE";
#else
constexpr char kUtf32[] = "UTF-32BE";
#endif

// Converts as much as iconv can; an unconvertible or incomplete sequence is replaced by
// `replacement` and skipped by `skip` input bytes.
QByteArray Convert(const char* to, const char* from, const char* input, size_t size, const QByteArray& replacement,
                   size_t skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr): iconv's error value
        throw std::runtime_error("iconv cannot convert between CP932 and Unicode");
    QByteArray output;
    std::vector<char> buffer(size * 4 + 16);
    char* in = const_cast<char*>(input);
    size_t inLeft = size;
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

} // namespace

namespace cp932 {

QByteArray encode(const QString& text)
{
    // Encoding goes through UTF-32 so that an unmappable character skips exactly one code point.
    const QList<uint> codePoints = text.toUcs4();
    return Convert("CP932", kUtf32, reinterpret_cast<const char*>(codePoints.constData()),
                   size_t(codePoints.size()) * sizeof(uint), "?", sizeof(uint));
}

QString decode(const QByteArray& bytes)
{
    return QString::fromUtf8(Convert("UTF-8", "CP932", bytes.constData(), size_t(bytes.size()), "\xEF\xBF\xBD", 1));
}

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

int CharByteLength(const QByteArray& bytes, int index)
{
    if (IsLeadByte(static_cast<unsigned char>(bytes.at(index))) && index + 1 < bytes.size())
        return 2;
    return 1;
}

bool IsLeadByteAt(const QByteArray& bytes, int index)
{
    int at = 0;
    while (at < index)
        at += CharByteLength(bytes, at);
    return at == index && index < bytes.size() && CharByteLength(bytes, index) == 2;
}

int CharCount(const QByteArray& bytes)
{
    int count = 0;
    for (int i = 0; i < bytes.size(); i += CharByteLength(bytes, i))
        ++count;
    return count;
}

int ByteLength(const QString& text)
{
    return int(encode(text).size());
}

} // namespace cp932
