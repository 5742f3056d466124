// The least the banner's frames can cost on this display: a plain widget of the banner's
// size and place, repainted at once after each of the banner's own sleeps, drawing nothing but
// one fill. What bench_banner_timing reports above this is the banner's own work.
#include "services/clock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kWaits = 3160;
constexpr int kSteps = 36;

class TPlainFrame final : public QWidget {
public:
    explicit TPlainFrame(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), (++FFrame % 2) ? Qt::red : Qt::darkRed);
    }

private:
    int FFrame = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(509, 425);
    window.setAutoFillBackground(true);
    TPlainFrame frame(&window);
    frame.setGeometry(30, 173, 449, 102);
    window.show();
    RealClock clock;
    clock.ProcessMessagesUntil(clock.TickCount() + 500);

    const int rounds = argc > 1 ? std::atoi(argv[1]) : 3;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer banner;
        banner.start();
        for (int step = 0; step < kSteps; ++step) {
            clock.Sleep(40);
            frame.repaint();
        }
        clock.Sleep(1000);
        for (int step = 0; step < kSteps; ++step) {
            clock.Sleep(20);
            frame.repaint();
        }
        const double total = double(banner.nsecsElapsed()) / 1e6;
        std::printf("plain frames %7.1f ms for %4.0f ms of waits: +%.1f ms (%.2f %%)\n", total, kWaits, total - kWaits,
                    100.0 * (total - kWaits) / kWaits);
        clock.ProcessMessagesUntil(clock.TickCount() + 200);
    }
    return 0;
}
