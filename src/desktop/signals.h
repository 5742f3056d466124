#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QSocketNotifier;

// Ends the program as the main window's close box does when the process gets SIGTERM, SIGINT
// or SIGHUP (logout, Ctrl+C, a closed terminal): modal boxes and menus that are up go away,
// the main window closes, which saves what it saves, and Finished asks for exit code 0. When
// the window refuses to close (its save failed and said so), Finished asks for 1.
//
// The handlers only write the signal's number to a socket; the event loop reads it, so no Qt
// code runs inside a handler. One instance at a time; the previous handlers come back when
// it is destroyed.
class TTerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TTerminationSignals(QWidget* mainWindow, QObject* parent = nullptr);
    ~TTerminationSignals() override;

    TTerminationSignals(const TTerminationSignals&) = delete;
    TTerminationSignals& operator=(const TTerminationSignals&) = delete;

    // The last signal received, 0 before any.
    int Received() const { return FReceived; }

    // Readable from a signal's arrival until the event loop has taken it, for a wait that
    // blocks the event loop and should end early.
    int WakeDescriptor() const { return FReadSocket; }

    // Ignores the signals from now until the process ends, which should be soon: once the
    // program is ending, a late signal must not kill it with another exit status.
    static void HoldUntilExit();

signals:
    // The program should end now with this exit code; connect it to the event loop's exit.
    void Finished(int exitCode);

private:
    void ReadSignals();
    void EndProgram();

    QPointer<QWidget> FMainWindow;
    int FReadSocket = -1;
    int FWriteSocket = -1;
    QSocketNotifier* FNotifier = nullptr;
    int FReceived = 0;
    bool FEnding = false;
    bool FClosed = false;
    int FClearingRounds = 0;
};
