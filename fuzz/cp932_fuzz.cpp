// CP932 conversion both ways, and lead-byte walking against the decoder.
#include "services/cp932.h"

#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr qsizetype kMaxWalk = 1024;

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
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
    if (!text.contains(QChar(0xFFFD)))
        Check(cp932::decode(cp932::encode(text)) == text, "decoded text survives the way back");
    Check(cp932::ByteLength(text) == cp932::encode(text).size(), "byte length is the encoded length");
    CheckWalking(bytes, text);

    // The same bytes as UTF-16, lone surrogates and all, for the encoder alone.
    const QString units(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
    Check(cp932::encode(units).size() <= 2 * units.size(), "encoding any text makes at most two bytes a unit");
    return 0;
}
