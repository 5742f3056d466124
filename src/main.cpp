#include "controls/shadolbl.h"
#include "platform/fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELQUAN"));
    InstallFontSubstitutions();

    QWidget window;
    window.setWindowTitle(QStringLiteral("VELQUAN"));
    window.setFixedSize(509, 425);
    window.setStyleSheet(QStringLiteral("background: black"));

    auto* prompt = new TShadowLabel(&window);
    prompt->setFont(MakeFont(kPGothic, 16));
    prompt->SetTransparent(true);
    prompt->SetFontColor(clWhite);
    prompt->SetLayout(TTextLayout::tlCenter);
    prompt->Shadow()->SetShadowColor(clBlack);
    prompt->Highlight()->SetShadowVisible(false);
    prompt->SetTextGradation(TTextGradation::tg2Colors);
    prompt->SetTextGradationColor(clYellow);
    prompt->SetCaption(QStringLiteral("F3 デ ゲ～ムヲ開始シマス"));
    prompt->move(35, 17);

    window.show();
    return QApplication::exec();
}
