#include "services/soundmodule.h"

#include "services/wave.h"

#include <QFile>

#include <pulse/pulseaudio.h>

#include <memory>
#include <optional>

namespace {

constexpr pa_usec_t kStartLatency = 40000; // microseconds the server may buffer ahead

// The connection to the sound server, shared by the outputs and ended with the last of them.
// It is ended here, in order, never by a library's own clean-up at exit while the server may
// still be answering: the loop's thread is stopped first, so nothing dispatches any more.
class TServerConnection {
public:
    // Made and shared in the audio thread only.
    static std::shared_ptr<TServerConnection> Shared()
    {
        static std::weak_ptr<TServerConnection> shared;
        std::shared_ptr<TServerConnection> connection = shared.lock();
        if (!connection || connection->Failed()) {
            connection = std::make_shared<TServerConnection>();
            shared = connection;
        }
        return connection;
    }

    TServerConnection()
    {
        FLoop = pa_threaded_mainloop_new();
        if (!FLoop)
            return;
        FContext = pa_context_new(pa_threaded_mainloop_get_api(FLoop), "VELQUAN");
        if (!FContext)
            return;
        pa_context_set_state_callback(FContext, &TServerConnection::Wake<pa_context>, FLoop);
        // A machine with no server stays silent rather than starting one for a game.
        FStarted = pa_context_connect(FContext, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0 &&
                   pa_threaded_mainloop_start(FLoop) >= 0;
    }

    ~TServerConnection()
    {
        if (FStarted)
            pa_threaded_mainloop_stop(FLoop);
        if (FContext) {
            pa_context_set_state_callback(FContext, nullptr, nullptr);
            pa_context_disconnect(FContext);
            pa_context_unref(FContext);
        }
        if (FLoop)
            pa_threaded_mainloop_free(FLoop);
    }

    TServerConnection(const TServerConnection&) = delete;
    TServerConnection& operator=(const TServerConnection&) = delete;

    // Waits for the server's answer to the connection, in the audio thread; a missing server
    // answers at once.
    bool Ready()
    {
        if (!FStarted)
            return false;
        const TLock lock(FLoop);
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(FContext);
            if (state == PA_CONTEXT_READY)
                return true;
            if (!PA_CONTEXT_IS_GOOD(state))
                return false;
            pa_threaded_mainloop_wait(FLoop);
        }
    }

    bool Failed() const { return !FStarted || !PA_CONTEXT_IS_GOOD(pa_context_get_state(FContext)); }

    pa_threaded_mainloop* Loop() const { return FLoop; }
    pa_context* Context() const { return FContext; }

    // A change of a context's or a stream's state wakes whoever waits for it.
    template <typename Object>
    static void Wake(Object*, void* loop)
    {
        pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0);
    }

    class TLock {
    public:
        explicit TLock(pa_threaded_mainloop* loop) : FLoop(loop) { pa_threaded_mainloop_lock(FLoop); }
        ~TLock() { pa_threaded_mainloop_unlock(FLoop); }
        TLock(const TLock&) = delete;
        TLock& operator=(const TLock&) = delete;

    private:
        pa_threaded_mainloop* FLoop;
    };

private:
    pa_threaded_mainloop* FLoop = nullptr;
    pa_context* FContext = nullptr;
    bool FStarted = false;
};

pa_sample_format_t SampleFormatOf(TWaveFormat::TSample sample)
{
    switch (sample) {
    case TWaveFormat::TSample::UInt8: return PA_SAMPLE_U8;
    case TWaveFormat::TSample::Int16: return PA_SAMPLE_S16LE;
    case TWaveFormat::TSample::Int32: return PA_SAMPLE_S32LE;
    case TWaveFormat::TSample::Float: return PA_SAMPLE_FLOAT32LE;
    }
    return PA_SAMPLE_INVALID;
}

// Plays a WAV file from memory through a stream of its own, opened once and kept corked
// between effects, so that a play only hands the samples over and lets them go.
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
        if (!FStream)
            return;
        const TServerConnection::TLock lock(FServer->Loop());
        CloseStream();
    }

    EffectOutput(const EffectOutput&) = delete;
    EffectOutput& operator=(const EffectOutput&) = delete;

    void Prepare() override { OpenStream(); }

    void Play() override
    {
        if (!OpenStream())
            return;
        const TServerConnection::TLock lock(FServer->Loop());
        // From the start: what is still queued of the last play goes first.
        Finish(pa_stream_flush(FStream, nullptr, nullptr));
        pa_stream_write(FStream, FWave->samples.constData(), size_t(FWave->samples.size()), nullptr, 0,
                        PA_SEEK_RELATIVE);
        Finish(pa_stream_cork(FStream, 0, nullptr, nullptr));
    }

    void Stop() override
    {
        if (!FStream)
            return;
        const TServerConnection::TLock lock(FServer->Loop());
        Finish(pa_stream_cork(FStream, 1, nullptr, nullptr));
        Finish(pa_stream_flush(FStream, nullptr, nullptr));
    }

private:
    // Nothing waits for the server's answers, and none calls back.
    static void Finish(pa_operation* operation)
    {
        if (operation)
            pa_operation_unref(operation);
    }

    bool OpenStream()
    {
        if (FStream)
            return true;
        if (!FWave || FWave->samples.isEmpty())
            return false;
        // Without a server there is none; a server that comes later is found at a later play.
        FServer = TServerConnection::Shared();
        if (!FServer->Ready()) {
            FServer.reset();
            return false;
        }
        const pa_sample_spec layout{SampleFormatOf(FWave->format.sample), uint32_t(FWave->format.rate),
                                    uint8_t(FWave->format.channels)};
        if (!pa_sample_spec_valid(&layout))
            return false;
        const TServerConnection::TLock lock(FServer->Loop());
        FStream = pa_stream_new(FServer->Context(), "effect", &layout, nullptr);
        if (!FStream)
            return false;
        const auto latency = uint32_t(pa_usec_to_bytes(kStartLatency, &layout));
        const auto whole = uint32_t(FWave->samples.size());
        // An effect starts as soon as it is handed over, even one shorter than the latency,
        // and a stream that has run dry waits, corked, so the server can idle.
        const pa_buffer_attr buffer{uint32_t(-1), latency, std::min(latency, whole), uint32_t(-1), uint32_t(-1)};
        pa_stream_set_state_callback(FStream, &TServerConnection::Wake<pa_stream>, FServer->Loop());
        pa_stream_set_underflow_callback(
            FStream, [](pa_stream* stream, void*) { Finish(pa_stream_cork(stream, 1, nullptr, nullptr)); }, nullptr);
        const auto flags = pa_stream_flags_t(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
        if (pa_stream_connect_playback(FStream, nullptr, &buffer, flags, nullptr, nullptr) >= 0) {
            while (pa_stream_get_state(FStream) == PA_STREAM_CREATING)
                pa_threaded_mainloop_wait(FServer->Loop());
            if (pa_stream_get_state(FStream) == PA_STREAM_READY)
                return true;
        }
        CloseStream();
        return false;
    }

    // Under the loop's lock: nothing of the stream calls back into this output any more.
    void CloseStream()
    {
        pa_stream_set_state_callback(FStream, nullptr, nullptr);
        pa_stream_set_underflow_callback(FStream, nullptr, nullptr);
        pa_stream_disconnect(FStream);
        pa_stream_unref(FStream);
        FStream = nullptr;
    }

    std::optional<TWaveData> FWave;
    std::shared_ptr<TServerConnection> FServer;
    pa_stream* FStream = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundPlayer* VelquanMakeEffectOutput(const QString& filePath)
{
    return new EffectOutput(filePath);
}
