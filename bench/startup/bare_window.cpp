// The yardstick for the game's start-up: a bare Qt main window with the game's client size
// and a menu bar of the same three menus, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

namespace {
constexpr QSize kClientSize(509, 425);
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("VELQUAN"));
    for (const char* title : {"モード(&M)", "オプション(&O)", "ヘルプ(&H)"})
        window.menuBar()->addMenu(QString::fromUtf8(title));
    auto* client = new QWidget(&window);
    client->setFixedSize(kClientSize);
    window.setCentralWidget(client);
    window.show();
    return QApplication::exec();
}
