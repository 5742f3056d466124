#pragma once

#include <QTimer>

// A timer switched on and off through one property, with a spare integer for its owner.
class TTimer : public QTimer {
    Q_OBJECT

public:
    TTimer(int interval, QObject* parent) : QTimer(parent) { setInterval(interval); }

    bool Enabled() const { return isActive(); }
    // Switching on starts a full interval; switching on a running timer changes nothing.
    void SetEnabled(bool enabled)
    {
        if (enabled == isActive())
            return;
        if (enabled)
            start();
        else
            stop();
    }

    int Tag = 0;
};
