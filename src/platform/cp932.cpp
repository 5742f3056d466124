#include "platform/cp932.h"

#include <QtEndian>

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr char kUtf16[] = "UTF-16LE";
constexpr char kUtf32[] = "UTF-32LE";
#else
constexpr char kUtf16[] = "UTF-16BE";
constexpr char kUtf32[] = "UTF-32BE";
#endif

constexpr char32_t kUnknownCharacter = u'\uFFFD';

// One iconv descriptor, opened once and kept for the thread's life: opening one loads and
// sets up the code page's tables, which costs far more than converting a line.
class TConverter {
public:
    TConverter(const char* to, const char* from) : FHandle(iconv_open(to, from))
    {
        if (FHandle == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr): iconv's error value
            throw std::runtime_error("iconv cannot convert between CP932 and Unicode");
    }
    ~TConverter() { iconv_close(FHandle); }
    TConverter(const TConverter&) = delete;
    TConverter& operator=(const TConverter&) = delete;

    // Converts as much as iconv can; an unconvertible or incomplete sequence is replaced by
    // `replacement` and skipped by `skip` input bytes. `expected` is the usual output size.
    QByteArray Convert(const char* input, size_t size, qsizetype expected, const QByteArray& replacement, size_t skip)
    {
        // A previous call that stopped inside a sequence must not leak into this one.
        iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
        QByteArray output(expected + replacement.size(), Qt::Uninitialized);
        char* in = const_cast<char*>(input);
        size_t inLeft = size;
        qsizetype used = 0;
        while (inLeft > 0) {
            char* out = output.data() + used;
            size_t outLeft = size_t(output.size() - used);
            const size_t result = iconv(FHandle, &in, &inLeft, &out, &outLeft);
            used = out - output.data();
            if (result != size_t(-1))
                break;
            if (errno == E2BIG || output.size() - used < replacement.size()) {
                output.resize(output.size() * 2 + replacement.size());
                continue;
            }
            std::copy(replacement.begin(), replacement.end(), output.data() + used);
            used += replacement.size();
            const size_t step = std::min(skip, inLeft);
            in += step;
            inLeft -= step;
            iconv(FHandle, nullptr, nullptr, nullptr, nullptr);
        }
        output.truncate(used);
        return output;
    }

    // One call of iconv itself, after a Reset.
    size_t Step(char** in, size_t* inLeft, char** out, size_t* outLeft)
    {
        return iconv(FHandle, in, inLeft, out, outLeft);
    }
    void Reset() { iconv(FHandle, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t FHandle;
};

TConverter& Encoder()
{
    thread_local TConverter converter("CP932", kUtf32);
    return converter;
}

TConverter& Decoder()
{
    thread_local TConverter converter(kUtf16, "CP932");
    return converter;
}

// CP932 is stateless and has at most two bytes a character, so iconv's own decoding of every
// byte and every pair, taken once, decodes a text without calling iconv at all. The pairs of a
// lead byte are looked up when a text first holds that lead byte: a ranking uses a handful of
// the sixty, and looking up all of them would hold up the game's start.
class TDecodeTable {
public:
    TDecodeTable() : FConverter(kUtf16, "CP932")
    {
        FSingle.fill(kNone);
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char one[] = {char(byte)};
            FSingle[byte] = Lookup(one, sizeof one, FSinglesComplete);
        }
        FPairs.assign(size_t(0x80) * 0x100, kNone);
        FRows.fill(TRow::Unknown);
    }

    // Decodes as iconv would, an unknown or cut-off sequence becoming U+FFFD and skipping one
    // byte. False when the table cannot (a sequence made more than one UTF-16 unit).
    bool Decode(const QByteArray& bytes, QString& text)
    {
        if (!FSinglesComplete)
            return false;
        text = QString(bytes.size(), Qt::Uninitialized);
        QChar* out = text.data();
        const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
        const qsizetype size = bytes.size();
        qsizetype at = 0;
        while (at < size) {
            const unsigned char byte = in[at];
            char16_t unit = byte < 0x80 ? char16_t(byte) : FSingle[byte];
            qsizetype length = 1;
            if (unit == kNone && at + 1 < size) {
                if (!RowReady(byte))
                    return false;
                unit = FPairs[(byte - 0x80) * 0x100 + in[at + 1]];
                length = 2;
            }
            if (unit == kNone) {
                unit = char16_t(kUnknownCharacter);
                length = 1;
            }
            *out++ = QChar(unit);
            at += length;
        }
        text.truncate(out - text.data());
        return true;
    }

private:
    // Not a character: U+FFFF is no character in CP932 either.
    static constexpr char16_t kNone = 0xFFFF;

    enum class TRow : unsigned char { Unknown, Complete, Incomplete };

    bool RowReady(unsigned char lead)
    {
        TRow& row = FRows[lead - 0x80];
        if (row == TRow::Unknown) {
            bool complete = true;
            for (int trail = 0; trail <= 0xFF; ++trail) {
                const char two[] = {char(lead), char(trail)};
                FPairs[(lead - 0x80) * 0x100 + trail] = Lookup(two, sizeof two, complete);
            }
            row = complete ? TRow::Complete : TRow::Incomplete;
        }
        return row == TRow::Complete;
    }

    // What iconv makes of a whole sequence; an invalid or incomplete one gives nothing, and one
    // that makes more than one UTF-16 unit clears `complete`.
    char16_t Lookup(const char* bytes, size_t size, bool& complete)
    {
        char16_t units[4];
        char* in = const_cast<char*>(bytes);
        size_t inLeft = size;
        char* out = reinterpret_cast<char*>(units);
        size_t outLeft = sizeof units;
        FConverter.Reset();
        if (FConverter.Step(&in, &inLeft, &out, &outLeft) == size_t(-1) || inLeft != 0)
            return kNone;
        const size_t made = sizeof units - outLeft;
        if (made == 0)
            return kNone;
        if (made != sizeof(char16_t)) {
            complete = false;
            return kNone;
        }
        return units[0];
    }

    TConverter FConverter;
    std::array<char16_t, 0x100> FSingle{};
    std::vector<char16_t> FPairs;
    std::array<TRow, 0x80> FRows{};
    bool FSinglesComplete = true;
};

// Each thread fills its own table, so filling needs no lock.
TDecodeTable& DecodeTable()
{
    thread_local TDecodeTable table;
    return table;
}

// Bytes below 0x80 are ASCII in CP932 too, and almost every line of a ranking file is ASCII.
bool IsAscii(const char* data, qsizetype size)
{
    return std::all_of(data, data + size, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

namespace cp932 {

QByteArray encode(const QString& text)
{
    if (IsAscii(text))
        return text.toLatin1();
    // Encoding goes through UTF-32 so that an unmappable character skips exactly one code point.
    const QList<uint> codePoints = text.toUcs4();
    // A code point becomes at most two bytes.
    return Encoder().Convert(reinterpret_cast<const char*>(codePoints.constData()),
                             size_t(codePoints.size()) * sizeof(uint), codePoints.size() * 2, "?", sizeof(uint));
}

QString decode(const QByteArray& bytes)
{
    if (IsAscii(bytes.constData(), bytes.size()))
        return QString::fromLatin1(bytes);
    QString text;
    if (DecodeTable().Decode(bytes, text))
        return text;
    // Every character, and every replaced byte, is one UTF-16 unit: CP932 holds only the BMP.
    const char16_t unknown = char16_t(kUnknownCharacter);
    const QByteArray replacement(reinterpret_cast<const char*>(&unknown), sizeof unknown);
    const QByteArray utf16 = Decoder().Convert(bytes.constData(), size_t(bytes.size()),
                                               bytes.size() * qsizetype(sizeof(char16_t)), replacement, 1);
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / qsizetype(sizeof(char16_t)));
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
