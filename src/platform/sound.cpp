#include "platform/sound.h"

#include "platform/appdir.h"
#include "platform/wave.h"

#include <QAudioSink>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

namespace {

constexpr int kDrainMargin = 250; // milliseconds
constexpr int kCloseSettle = 100; // milliseconds

// Plays a WAV file from memory through an audio output of its own. QSoundEffect would need
// less code, but on a PulseAudio server it loses about the first 100 ms of every effect, and
// so the whole of a short one. The output lives in the service's audio thread: the game
// blocks its own thread while a banner turns, and its effect must sound meanwhile.
class WavePlayer final : public SoundPlayer {
public:
    WavePlayer(const QString& filePath, QObject* audioThreadContext) : FContext(audioThreadContext)
    {
        QFile file(filePath);
        if (file.open(QIODevice::ReadOnly))
            FWave = ParseWave(file.readAll());
    }

    ~WavePlayer() override
    {
        if (FWave)
            QMetaObject::invokeMethod(
                FContext, [this] { Close(); }, Qt::BlockingQueuedConnection);
    }

    void Play() override
    {
        if (FWave)
            QMetaObject::invokeMethod(
                FContext, [this] { Start(); }, Qt::QueuedConnection);
    }

    void Stop() override
    {
        if (FWave)
            QMetaObject::invokeMethod(
                FContext, [this] { Halt(); }, Qt::QueuedConnection);
    }

private:
    // What follows runs in the audio thread only.

    void Start()
    {
        if (!OpenOutput())
            return;
        Halt();
        FBuffer->close();
        FBuffer->open(QIODevice::ReadOnly);
        FSink->start(FBuffer.get());
    }

    void Halt()
    {
        if (!FSink)
            return;
        FRelease->stop();
        FSink->stop();
    }

    void Close()
    {
        // Qt's PulseAudio output runs this thread's event loop while it is destroyed: a release
        // or state change handled then would reach an output already half gone. So the timer
        // goes first, and the output tells us nothing more.
        FRelease.reset();
        if (FSink) {
            QObject::disconnect(FStateHandler);
            // The server answers the closing of a stream after a moment; should the program
            // end before, the sound library's clean-up at exit can crash on that answer.
            if (FSink->state() != QAudio::StoppedState) {
                FSink->stop();
                QThread::msleep(kCloseSettle);
            }
        }
        FSink.reset();
        FBuffer.reset();
    }

    // The output is opened at the first playing; without a sound server there is none.
    bool OpenOutput()
    {
        if (FSink)
            return true;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return false;
        FBuffer = std::make_unique<QBuffer>();
        FBuffer->setData(FWave->samples);
        FRelease = std::make_unique<QTimer>();
        FRelease->setSingleShot(true);
        QObject::connect(FRelease.get(), &QTimer::timeout, FRelease.get(), [this] { FSink->stop(); });
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

    QObject* FContext = nullptr;
    std::optional<TWaveData> FWave;
    std::unique_ptr<QBuffer> FBuffer;
    std::unique_ptr<QTimer> FRelease;
    std::unique_ptr<QAudioSink> FSink;
    QMetaObject::Connection FStateHandler;
};

} // namespace

std::unique_ptr<SoundPlayer> MakeEffectPlayer(const QString& filePath, QObject* audioThreadContext)
{
    return std::make_unique<WavePlayer>(filePath, audioThreadContext);
}

QtSoundService::QtSoundService(QStringList ownFolders, SoundPlayerFactory makePlayer)
    : FOwnFolders(std::move(ownFolders)), FMakePlayer(std::move(makePlayer))
{
}

QtSoundService::QtSoundService(QStringList ownFolders)
    : FOwnFolders(std::move(ownFolders)), FAudioThread(std::make_unique<QThread>()),
      FAudioContext(std::make_unique<QObject>())
{
    FAudioThread->setObjectName(QStringLiteral("audio"));
    FAudioContext->moveToThread(FAudioThread.get());
    FAudioThread->start();
    FMakePlayer = [context = FAudioContext.get()](const QString& path) { return MakeEffectPlayer(path, context); };
}

QtSoundService::QtSoundService() : QtSoundService(QStringList{ApplicationDir(), InstalledDataDir()}) {}

QtSoundService::~QtSoundService()
{
    // The players close their outputs in the audio thread, which must still run for that.
    FPlaying = nullptr;
    FPlayers.clear();
    if (FAudioThread) {
        FAudioThread->quit();
        FAudioThread->wait();
    }
}

QString QtSoundService::Locate(const QString& fileName) const
{
    if (fileName.isEmpty())
        return {};
    for (const QString& folder : QStringList{QDir::currentPath()} + FOwnFolders) {
        const QFileInfo file(QDir(folder).absoluteFilePath(fileName));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

void QtSoundService::Play(const QString& fileName)
{
    const QString path = Locate(fileName);
    if (path.isEmpty())
        return;

    std::unique_ptr<SoundPlayer>& player = FPlayers[path];
    if (!player)
        player = FMakePlayer(path);
    if (!player) {
        FPlayers.erase(path);
        return;
    }
    if (FPlaying)
        FPlaying->Stop();
    FPlaying = player.get();
    FPlaying->Play();
}
