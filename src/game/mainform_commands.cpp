#include "game/bossform.h"
#include "game/mainform.h"

#include "platform/panel.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/timer.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace {

// The information page; the executable's base name becomes the value of "sn".
constexpr char kInformationAddress[] = "https://velquan.example/info.php?pf=w&sn=";

// The sky never shrinks below the panel it shows through; the ground never below its panel.
constexpr int kPanelHeight = 130;

} // namespace

void TMainForm1::PlaySoundEffect(const QString& fileName)
{
    // The switch is read when an effect starts; switching off lets a playing one finish.
    if (S1->isChecked())
        FServices.sound->Play(fileName);
}

void TMainForm1::S1Click()
{
    S1->setChecked(!S1->isChecked());
}

void TMainForm1::Exit1Click()
{
    close();
}

void TMainForm1::N5Click()
{
    if (!BossForm1)
        return;
    BossForm1->setWindowState(Qt::WindowFullScreen);
    BossForm1->ShowModal();
}

QString TMainForm1::InformationUrl(const QString& executablePath)
{
    // The extension is everything from the file name's last dot on, as with a renamed copy.
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    // Escaped, so a name holding "&", "#" or spaces cannot split or cut the query.
    return QString::fromLatin1(kInformationAddress) + QString::fromLatin1(QUrl::toPercentEncoding(name));
}

void TMainForm1::N6Click()
{
    FServices.shell->OpenUrl(InformationUrl(QCoreApplication::applicationFilePath()));
}

void TMainForm1::Timer5Timer()
{
    const bool forward = Timer5->Tag == 0;
    QRect sky = Image6->geometry();
    QRect ground = Image7->geometry();
    if (forward) {
        ground.setHeight(ground.height() + 1);
        if (sky.height() > kPanelHeight || sky.top() > 0) {
            sky.setHeight(sky.height() - 1);
            sky.moveTop(sky.top() + 1);
        }
    } else {
        if (ground.height() > kPanelHeight)
            ground.setHeight(ground.height() - 1);
        sky.setHeight(sky.height() + 1);
        sky.moveTop(sky.top() - 1);
    }
    Image6->setGeometry(sky);
    Image7->setGeometry(ground);
}
