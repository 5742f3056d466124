#include "services/wave.h"

#include <QtEndian>

namespace {

constexpr int kRiffHeaderSize = 12;
constexpr int kChunkHeaderSize = 8;
constexpr int kFormatSize = 16;
constexpr quint16 kFormatPcm = 1;
constexpr quint16 kFormatFloat = 3;
constexpr quint16 kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;

quint16 Word(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 DWord(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

std::optional<TWaveFormat::TSample> SampleOf(quint16 tag, quint16 bits)
{
    if (tag == kFormatFloat)
        return bits == 32 ? std::optional(TWaveFormat::TSample::Float) : std::nullopt;
    switch (bits) {
    case 8: return TWaveFormat::TSample::UInt8;
    case 16: return TWaveFormat::TSample::Int16;
    case 32: return TWaveFormat::TSample::Int32;
    default: return std::nullopt;
    }
}

// Reads the "fmt " chunk; the extensible form carries the real tag at the start of its GUID.
std::optional<TWaveFormat> ReadFormat(const QByteArray& bytes, qsizetype at, qsizetype size)
{
    if (size < kFormatSize)
        return std::nullopt;
    quint16 tag = Word(bytes, at);
    const quint16 channels = Word(bytes, at + 2);
    const quint32 rate = DWord(bytes, at + 4);
    const quint16 bits = Word(bytes, at + 14);
    if (tag == kFormatExtensible && size >= 26)
        tag = Word(bytes, at + 24);
    if (tag != kFormatPcm && tag != kFormatFloat)
        return std::nullopt;
    const std::optional<TWaveFormat::TSample> sample = SampleOf(tag, bits);
    if (!sample || channels < 1 || channels > kMaxChannels || rate < 1 || rate > 384000)
        return std::nullopt;
    return TWaveFormat{*sample, channels, int(rate)};
}

} // namespace

std::optional<TWaveData> ParseWave(const QByteArray& bytes)
{
    if (bytes.size() < kRiffHeaderSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<TWaveFormat> format;
    qsizetype at = kRiffHeaderSize;
    while (at + kChunkHeaderSize <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype body = at + kChunkHeaderSize;
        const qsizetype size = std::min<qsizetype>(DWord(bytes, at + 4), bytes.size() - body);
        if (id == "fmt ") {
            format = ReadFormat(bytes, body, size);
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qsizetype frame = format->BytesPerFrame();
            return TWaveData{*format, bytes.mid(body, size - size % frame)};
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    return std::nullopt;
}
