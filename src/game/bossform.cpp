#include "game/bossform.h"

#include "desktop/colors.h"
#include "desktop/fonts.h"
#include "desktop/fullscreen.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QPlainTextEdit>
#include <QTextCursor>

TBossForm1* BossForm1 = nullptr;

namespace {

constexpr int kDesignWidth = 694;
constexpr int kDesignHeight = 486;
constexpr int kMemoFontHeight = 20;

// The start-up screen of an old BASIC interpreter, ending on its prompt.
const QStringList kMemoLines = {
    QStringLiteral("QORVEX N-BASIC Version 2.4"),
    QStringLiteral("Copyright (C) 1987 by QORVEX SOFT"),
    QStringLiteral("30530 Bytes Free"),
    QString(),
    QStringLiteral("Ready"),
};

} // namespace

TBossForm1::TBossForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("BossForm1"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kDesignWidth, kDesignHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clBlack));
    colours.setColor(QPalette::Base, ToQColor(clBlack));
    colours.setColor(QPalette::Text, ToQColor(clWhite));
    setPalette(colours);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setGeometry(rect());
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPalette(colours);
    Memo1->setFont(MakeFont(kGothic, kMemoFontHeight, true));
    // Every line ends with a line break, so the caret waits under "Ready" like at a prompt.
    Memo1->setPlainText(kMemoLines.join(u'\n') + u'\n');
    Memo1->moveCursor(QTextCursor::End);
    // A screen reader reads a text box's line at the caret when it takes the keyboard, and the
    // caret waits on the empty line: the screen is described whole instead.
    Memo1->setAccessibleDescription(kMemoLines.join(u' '));
    Memo1->viewport()->installEventFilter(this);
    setFocusProxy(Memo1);
}

TBossForm1::~TBossForm1() = default;

void TBossForm1::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Memo1->setGeometry(rect());
}

void TBossForm1::CoverScreen()
{
    // Full screen rather than maximised, so panels and task bars are covered too.
    if (windowState() & Qt::WindowFullScreen)
        ShowFullScreen(*this);
}

void TBossForm1::ShowModal()
{
    if (FModalLoop)
        return;
    setWindowModality(Qt::ApplicationModal);
    CoverScreen();
    show();
    raise();
    activateWindow();
    Memo1->setFocus(Qt::ActiveWindowFocusReason);

    QEventLoop loop;
    FModalLoop = &loop;
    loop.exec(QEventLoop::DialogExec);
    FModalLoop = nullptr;
}

void TBossForm1::Memo1DblClick()
{
    close();
}

bool TBossForm1::eventFilter(QObject* watched, QEvent* event)
{
    // The window goes when the double click's button comes up, not while it is still down:
    // hidden at the second press, the window would never see that release, and the
    // application would go on thinking the button held.
    if (watched == Memo1->viewport()) {
        if (event->type() == QEvent::MouseButtonDblClick)
            FDoubleClicked = true;
        else if (event->type() == QEvent::MouseButtonRelease && FDoubleClicked) {
            FDoubleClicked = false;
            Memo1DblClick();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TBossForm1::closeEvent(QCloseEvent* event)
{
    // Closing only hides the window: it is shown again as it was left.
    event->accept();
    if (FModalLoop)
        FModalLoop->exit();
}
