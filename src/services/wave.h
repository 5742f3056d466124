#pragma once

#include <QByteArray>

#include <optional>

// How a WAV file's samples are laid out; multi-byte samples are little-endian.
struct TWaveFormat {
    enum class TSample { UInt8, Int16, Int32, Float };
    TSample sample = TSample::Int16;
    int channels = 0;
    int rate = 0;

    int BytesPerFrame() const { return channels * (sample == TSample::UInt8 ? 1 : sample == TSample::Int16 ? 2 : 4); }
};

// The samples of a PCM WAV file and their format.
struct TWaveData {
    TWaveFormat format;
    QByteArray samples;
};

// Reads a RIFF WAVE file of 8-, 16- or 32-bit integer or 32-bit float PCM. Anything else, or
// a file too damaged to find its format and samples in, gives nothing; a data chunk that
// claims more bytes than the file holds is cut to what is there.
std::optional<TWaveData> ParseWave(const QByteArray& bytes);
