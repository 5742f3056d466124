#pragma once

#include <QWidget>

class QEventLoop;
class QPlainTextEdit;

// The disguise window: a borderless black screen that covers the game when someone looks
// over the player's shoulder. Created hidden at start-up and kept for the whole run, so
// whatever was typed into it stays.
class TBossForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TBossForm1(QWidget* parent = nullptr);
    ~TBossForm1() override;

    QPlainTextEdit* Memo1 = nullptr;

    // Shows the window application-modal and returns when it has been closed. Timers and
    // other events keep being handled meanwhile.
    void ShowModal();

    void Memo1DblClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CoverScreen();

    QEventLoop* FModalLoop = nullptr;
    bool FDoubleClicked = false; // closes at the release that ends the double click
};

extern TBossForm1* BossForm1;
