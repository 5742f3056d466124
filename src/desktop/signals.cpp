#include "desktop/signals.h"

#include <QApplication>
#include <QDialog>
#include <QSocketNotifier>
#include <QTimer>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array kEndingSignals = {SIGTERM, SIGINT, SIGHUP};
constexpr int kRefusedExitCode = 1;
// Rounds of the event loop granted to a box or menu to go away before the window closes anyway.
constexpr int kClearingRounds = 100;

// The handlers' only state: where they write. A plain int is all a handler may touch.
volatile sig_atomic_t gSignalSocket = -1;
std::array<struct sigaction, kEndingSignals.size()> gPreviousActions{};
// Set once the program is on its way out; from then on the signals stay ignored.
bool gHoldingUntilExit = false;

extern "C" void WriteSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full socket means a signal is already waiting to be read; that is enough.
    [[maybe_unused]] const ssize_t written = ::write(gSignalSocket, &byte, 1);
    errno = savedErrno;
}

// A box or menu in front of the main window, which has to go before the window can close.
QWidget* WidgetInFront()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

} // namespace

TTerminationSignals::TTerminationSignals(QWidget* mainWindow, QObject* parent)
    : QObject(parent), FMainWindow(mainWindow)
{
    int sockets[2] = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sockets) != 0)
        return;
    FReadSocket = sockets[0];
    FWriteSocket = sockets[1];
    gSignalSocket = FWriteSocket;

    FNotifier = new QSocketNotifier(FReadSocket, QSocketNotifier::Read, this);
    connect(FNotifier, &QSocketNotifier::activated, this, &TTerminationSignals::ReadSignals);

    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < kEndingSignals.size(); ++i)
        ::sigaction(kEndingSignals[i], &action, &gPreviousActions[i]);
}

TTerminationSignals::~TTerminationSignals()
{
    if (FReadSocket < 0)
        return;
    if (!gHoldingUntilExit) {
        for (size_t i = 0; i < kEndingSignals.size(); ++i)
            ::sigaction(kEndingSignals[i], &gPreviousActions[i], nullptr);
    }
    gSignalSocket = -1;
    delete FNotifier;
    ::close(FReadSocket);
    ::close(FWriteSocket);
}

void TTerminationSignals::HoldUntilExit()
{
    // Ignored, not blocked: blocking holds back only this thread, and the process's other
    // threads would take the signal with whatever action comes back.
    gHoldingUntilExit = true;
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (const int signalNumber : kEndingSignals)
        ::sigaction(signalNumber, &ignore, nullptr);
}

void TTerminationSignals::ReadSignals()
{
    unsigned char byte = 0;
    bool any = false;
    while (::read(FReadSocket, &byte, 1) == 1) {
        FReceived = byte;
        any = true;
    }
    if (any)
        EndProgram();
}

void TTerminationSignals::EndProgram()
{
    // A second signal while the first is still closing (its error box is up, say) only
    // clears what is in front; the first one's close then finishes.
    QWidget* front = WidgetInFront();
    if (front && FClearingRounds < kClearingRounds) {
        if (auto* dialog = qobject_cast<QDialog*>(front))
            dialog->reject();
        else
            front->close();
        // Its own event loop has to unwind before the window behind it can close.
        if (!FEnding) {
            ++FClearingRounds;
            QTimer::singleShot(0, this, &TTerminationSignals::EndProgram);
        }
        return;
    }
    if (FEnding || FClosed)
        return;
    FEnding = true;
    FClearingRounds = 0;
    // Once closed, the window is not closed again (and saved twice) by a later signal.
    FClosed = !FMainWindow || FMainWindow->close();
    FEnding = false;
    emit Finished(FClosed ? 0 : kRefusedExitCode);
}
