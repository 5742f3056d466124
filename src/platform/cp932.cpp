#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>
#include <vector>

namespace {

// Converts as much as iconv can; an unconvertible or incomplete sequence is replaced by
// `replacement` and skipped by `skip` input bytes.
QByteArray Convert(const char* to, const char* from, const QByteArray& input,
                   const QByteArray& replacement, size_t skip)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("iconv cannot convert between CP932 and UTF-8");

    QByteArray output;
    std::vector<char> buffer(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    while (inLeft > 0) {
        char* out = buffer.data();
        size_t outLeft = buffer.size();
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer.data(), int(out - buffer.data()));
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
    QByteArray utf32;
    for (const char32_t codePoint : text.toUcs4()) {
        const char32_t value = codePoint;
        utf32.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    return Convert("CP932", "UTF-32LE", utf32, "?", 4);
}

QString decode(const QByteArray& bytes)
{
    return QString::fromUtf8(Convert("UTF-8", "CP932", bytes, "\xEF\xBF\xBD", 1));
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
