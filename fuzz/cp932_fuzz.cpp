// CP932 conversion against plain iconv with a fresh descriptor per call (the straightforward
// way the faster code must agree with), and lead-byte walking against the decoder.
#include "platform/cp932.h"

#include <QList>
#include <QString>

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr qsizetype kMaxWalk = 1024;

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

QByteArray ReferenceConvert(const char* to, const char* from, const QByteArray& input, const QByteArray& replacement,
                            size_t skip)
{
    iconv_t cd = iconv_open(to, from);
    Check(cd != reinterpret_cast<iconv_t>(-1), "iconv knows CP932");
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

QString ReferenceDecode(const QByteArray& bytes)
{
    return QString::fromUtf8(ReferenceConvert("UTF-8", "CP932", bytes, "\xEF\xBF\xBD", 1));
}

QByteArray ReferenceEncode(const QString& text)
{
    QByteArray utf32;
    for (const char32_t codePoint : text.toUcs4())
        utf32.append(reinterpret_cast<const char*>(&codePoint), sizeof codePoint);
    return ReferenceConvert("CP932", "UTF-32LE", utf32, "?", 4);
}

void CheckWalking(const QByteArray& bytes, const QString& text)
{
    const QByteArray walked = bytes.left(kMaxWalk);
    int steps = 0;
    int at = 0;
    QList<bool> starts(walked.size(), false);
    while (at < walked.size()) {
        const int length = cp932::CharByteLength(walked, at);
        Check(length == 1 || length == 2, "a character is one or two bytes");
        Check(length == 1 || at + 1 < walked.size(), "a two-byte character fits");
        starts[at] = length == 2;
        at += length;
        ++steps;
    }
    Check(at == walked.size(), "walking ends at the end");
    Check(cp932::CharCount(walked) == steps, "counting walks the same way");
    for (int i = 0; i < walked.size(); ++i)
        Check(cp932::IsLeadByteAt(walked, i) == starts[i], "a lead byte is found by walking from the start");
    if (walked.size() == bytes.size() && !text.contains(QChar(0xFFFD)))
        Check(text.size() == steps, "each walked character is one decoded character");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = cp932::decode(bytes);
    Check(text == ReferenceDecode(bytes), "decoding agrees with iconv");
    Check(cp932::encode(text) == ReferenceEncode(text), "encoding agrees with iconv");
    if (!text.contains(QChar(0xFFFD)))
        Check(cp932::decode(cp932::encode(text)) == text, "decoded text survives the way back");
    Check(cp932::ByteLength(text) == cp932::encode(text).size(), "byte length is the encoded length");
    CheckWalking(bytes, text);

    // The same bytes as UTF-16, lone surrogates and all, for the encoder alone.
    const QString units(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    Check(cp932::encode(units) == ReferenceEncode(units), "encoding any text agrees with iconv");
    return 0;
}
