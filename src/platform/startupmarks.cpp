#include "platform/startupmarks.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

bool Enabled()
{
    static const bool enabled = std::getenv("VELQUAN_STARTUP_MARKS") != nullptr;
    return enabled;
}

double ThreadProcessorMs()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

class FirstPaintWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            MarkStartup("first frame painted");
            deleteLater();
        }
        return false;
    }
};

} // namespace

void MarkStartup(const char* what)
{
    if (!Enabled())
        return;
    static QElapsedTimer sinceFirst;
    if (!sinceFirst.isValid())
        sinceFirst.start();
    std::fprintf(stderr, "start-up %8.2f ms wall %8.2f ms cpu  %s\n", double(sinceFirst.nsecsElapsed()) / 1e6,
                 ThreadProcessorMs(), what);
}

void MarkFirstPaint(QWidget* widget)
{
    if (Enabled())
        widget->installEventFilter(new FirstPaintWatch(widget));
}
