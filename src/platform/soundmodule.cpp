#include "platform/soundmodule.h"

#include "platform/wave.h"

#include <QAudioSink>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <optional>

namespace {

constexpr int kDrainMargin = 250; // milliseconds
constexpr int kCloseSettle = 100; // milliseconds

// Plays a WAV file from memory through an audio output of its own. QSoundEffect would need
// less code, but on a PulseAudio server it loses about the first 100 ms of every effect, and
// so the whole of a short one.
class EffectOutput final : public SoundPlayer {
public:
    explicit EffectOutput(const QString& filePath)
    {
        QFile file(filePath);
        if (file.open(QIODevice::ReadOnly))
            FWave = ParseWave(file.readAll());
    }

    ~EffectOutput() override
    {
        // Qt's PulseAudio output runs this thread's event loop while it is destroyed: a release
        // or state change handled then would reach an output already half gone. So the timer
        // goes first, and the output tells us nothing more.
        FRelease.reset();
        if (FSink) {
            QObject::disconnect(FStateHandler);
            StopSink();
            // The server answers the closing of a stream after a moment; should the program
            // end before, the sound library's clean-up at exit can crash on that answer. So
            // can it for a stream the release closed just before.
            const qint64 sinceClosed = FStopped.isValid() ? FStopped.elapsed() : kCloseSettle;
            if (sinceClosed < kCloseSettle)
                QThread::msleep(static_cast<unsigned long>(kCloseSettle - sinceClosed));
        }
        FSink.reset();
        FBuffer.reset();
    }

    void Play() override
    {
        if (!OpenOutput())
            return;
        Stop();
        FBuffer->close();
        FBuffer->open(QIODevice::ReadOnly);
        FSink->start(FBuffer.get());
    }

    void Stop() override
    {
        if (!FSink)
            return;
        FRelease->stop();
        StopSink();
    }

private:
    void StopSink()
    {
        if (FSink->state() == QAudio::StoppedState)
            return;
        FSink->stop();
        FStopped.start();
    }

    // The output is opened at the first playing; without a sound server there is none.
    bool OpenOutput()
    {
        if (FSink)
            return true;
        if (!FWave)
            return false;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        FBuffer = std::make_unique<QBuffer>();
        FBuffer->setData(FWave->samples);
        FRelease = std::make_unique<QTimer>();
        FRelease->setSingleShot(true);
        QObject::connect(FRelease.get(), &QTimer::timeout, FRelease.get(), [this] { StopSink(); });
        FSink = std::make_unique<QAudioSink>(device, FWave->format);
        // Once the last bytes are handed over, the server still holds up to a buffer of them:
        // the stream is given back only when those have played. An open stream left to the
        // end of the program can crash the sound library's own clean-up at exit.
        FStateHandler =
            QObject::connect(FSink.get(), &QAudioSink::stateChanged, FSink.get(), [this](QAudio::State state) {
                if (state == QAudio::IdleState && FBuffer->atEnd())
                    FRelease->start(int(FSink->format().durationForBytes(qint32(FSink->bufferSize())) / 1000) +
                                    kDrainMargin);
            });
        return true;
    }

    std::optional<TWaveData> FWave;
    std::unique_ptr<QBuffer> FBuffer;
    std::unique_ptr<QTimer> FRelease;
    std::unique_ptr<QAudioSink> FSink;
    QMetaObject::Connection FStateHandler;
    QElapsedTimer FStopped; // since the stream was last closed
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* VelquanMakeEffectOutput(const QString& filePath)
{
    return new EffectOutput(filePath);
}
