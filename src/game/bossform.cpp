#include "game/bossform.h"

#include "platform/colors.h"

TBossForm1* BossForm1 = nullptr;

namespace {
constexpr int kDesignWidth = 694;
constexpr int kDesignHeight = 486;
} // namespace

TBossForm1::TBossForm1(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(QStringLiteral("BossForm1"));
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(kDesignWidth, kDesignHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(clBlack));
    setPalette(colours);
}
