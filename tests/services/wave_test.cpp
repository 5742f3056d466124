#include "services/wave.h"
#include "support/printrow.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray Word(quint16 value)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray DWord(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const QByteArray& id, const QByteArray& body, qint64 claimedSize = -1)
{
    QByteArray chunk = id + DWord(quint32(claimedSize < 0 ? body.size() : claimedSize)) + body;
    return body.size() % 2 ? chunk + '\0' : chunk;
}

QByteArray Format(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = quint16(channels * bits / 8);
    return Word(tag) + Word(channels) + DWord(rate) + DWord(rate * align) + Word(align) + Word(bits);
}

// The extensible form: the real tag opens the sub-format GUID.
QByteArray Extensible(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    return Format(0xFFFE, channels, rate, bits) + Word(22) + Word(bits) + DWord(0) + Word(tag) + QByteArray(14, '\x11');
}

QByteArray Riff(const QByteArray& chunks)
{
    return "RIFF" + DWord(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

struct WaveRow {
    const char* name;
    QByteArray file;
    bool valid;
    TWaveFormat::TSample sample = TWaveFormat::TSample::Int16;
    int channels = 0;
    int rate = 0;
    qsizetype sampleBytes = 0;
};
PRINT_ROW_BY_NAME(WaveRow, name)

class ParseWaveTest : public ::testing::TestWithParam<WaveRow> {};

// What the file holds is played, in the format it says; what cannot be played gives nothing.
TEST_P(ParseWaveTest, ReadsFormatAndSamples)
{
    const WaveRow& row = GetParam();
    const std::optional<TWaveData> wave = ParseWave(row.file);
    ASSERT_EQ(wave.has_value(), row.valid);
    if (!wave)
        return;
    EXPECT_EQ(wave->format.sample, row.sample);
    EXPECT_EQ(wave->format.channels, row.channels);
    EXPECT_EQ(wave->format.rate, row.rate);
    EXPECT_EQ(wave->samples.size(), row.sampleBytes);
}

const QByteArray kSamples("\x01\x02\x03\x04\x05\x06\x07\x08", 8);

INSTANTIATE_TEST_SUITE_P(
    Files, ParseWaveTest,
    ::testing::Values(
        WaveRow{"Pcm16Mono", Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::Int16, 1, 22050, 8},
        WaveRow{"Pcm8Stereo", Riff(Chunk("fmt ", Format(1, 2, 8000, 8)) + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::UInt8, 2, 8000, 8},
        WaveRow{"Pcm32", Riff(Chunk("fmt ", Format(1, 1, 48000, 32)) + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::Int32, 1, 48000, 8},
        WaveRow{"Float32", Riff(Chunk("fmt ", Format(3, 2, 44100, 32)) + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::Float, 2, 44100, 8},
        WaveRow{"Extensible16", Riff(Chunk("fmt ", Extensible(1, 2, 44100, 16)) + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::Int16, 2, 44100, 8},
        WaveRow{"OddChunkBeforeData",
                Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("LIST", "abc") + Chunk("data", kSamples)), true,
                TWaveFormat::TSample::Int16, 1, 22050, 8},
        WaveRow{"DataClaimsMoreThanThere",
                Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + Chunk("data", kSamples, 100000)), true,
                TWaveFormat::TSample::Int16, 1, 22050, 8},
        WaveRow{"PartialFrameDropped", Riff(Chunk("fmt ", Format(1, 2, 22050, 16)) + Chunk("data", kSamples.left(7))),
                true, TWaveFormat::TSample::Int16, 2, 22050, 4},
        WaveRow{"Empty", QByteArray(), false},
        WaveRow{"NotRiff", "RIFX" + Riff(Chunk("fmt ", Format(1, 1, 22050, 16))).mid(4), false},
        WaveRow{"NotWave", Riff(Chunk("fmt ", Format(1, 1, 22050, 16))).replace(8, 4, "AVI "), false},
        WaveRow{"Adpcm", Riff(Chunk("fmt ", Format(2, 1, 22050, 4)) + Chunk("data", kSamples)), false},
        WaveRow{"ExtensibleAdpcm", Riff(Chunk("fmt ", Extensible(2, 1, 22050, 16)) + Chunk("data", kSamples)), false},
        WaveRow{"Pcm24", Riff(Chunk("fmt ", Format(1, 1, 22050, 24)) + Chunk("data", kSamples)), false},
        WaveRow{"NoChannels", Riff(Chunk("fmt ", Format(1, 0, 22050, 16)) + Chunk("data", kSamples)), false},
        WaveRow{"NoRate", Riff(Chunk("fmt ", Format(1, 1, 0, 16)) + Chunk("data", kSamples)), false},
        WaveRow{"ShortFormat", Riff(Chunk("fmt ", Format(1, 1, 22050, 16).left(10)) + Chunk("data", kSamples)), false},
        WaveRow{"DataBeforeFormat", Riff(Chunk("data", kSamples) + Chunk("fmt ", Format(1, 1, 22050, 16))), false},
        WaveRow{"NoData", Riff(Chunk("fmt ", Format(1, 1, 22050, 16))), false},
        WaveRow{"CutInsideChunkHeader", Riff(Chunk("fmt ", Format(1, 1, 22050, 16)) + "da"), false}),
    [](const ::testing::TestParamInfo<WaveRow>& info) { return std::string(info.param.name); });

} // namespace
