#pragma once

#include <QWidget>

// The disguise window: a borderless screen that covers the game when someone looks over
// the player's shoulder. Created hidden at start-up and kept for the whole run.
class TBossForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TBossForm1(QWidget* parent = nullptr);
};

extern TBossForm1* BossForm1;
