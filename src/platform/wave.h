#pragma once

#include <QAudioFormat>
#include <QByteArray>

#include <optional>

// The samples of a PCM WAV file and their format.
struct TWaveData {
    QAudioFormat format;
    QByteArray samples;
};

// Reads a RIFF WAVE file of 8-, 16- or 32-bit integer or 32-bit float PCM. Anything else, or
// a file too damaged to find its format and samples in, gives nothing; a data chunk that
// claims more bytes than the file holds is cut to what is there.
std::optional<TWaveData> ParseWave(const QByteArray& bytes);
