#include "game/bossform.h"
#include "game/mainform.h"

#include "desktop/fullscreen.h"
#include "desktop/panel.h"
#include "desktop/shell.h"
#include "services/sound.h"
#include "services/timer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <iterator>

namespace {

// The information page's path and query on the home page's host; the executable's base name
// becomes the value of "sn".
constexpr char kInformationPath[] = "/info.php";
constexpr char kInformationQuery[] = "pf=w&sn=";

// Names reserved for examples and documentation, which never reach a real server.
constexpr const char* kReservedNames[] = {"example.com", "example.net", "example.org", "example",
                                          "invalid",     "test",        "localhost"};

bool IsReservedExampleHost(const QString& host)
{
    return std::any_of(std::begin(kReservedNames), std::end(kReservedNames), [&host](const char* reserved) {
        const QLatin1String name(reserved);
        return host.compare(name, Qt::CaseInsensitive) == 0 || host.endsWith(u'.' + QString(name), Qt::CaseInsensitive);
    });
}

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
    // A desktop lets one window fill the screen at a time: the game takes it back.
    if (FView.fullScreen)
        ShowFullScreen(*this);
}

QString TMainForm1::InformationUrl(const QString& homePage, const QString& executablePath)
{
    const QUrl home(homePage, QUrl::StrictMode);
    if (!home.isValid() || (home.scheme() != QLatin1String("https") && home.scheme() != QLatin1String("http")) ||
        home.host().isEmpty() || IsReservedExampleHost(home.host()))
        return {};
    // The extension is everything from the file name's last dot on, as with a renamed copy.
    QString name = QFileInfo(executablePath).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot >= 0)
        name.truncate(dot);
    QUrl page;
    page.setScheme(home.scheme());
    page.setAuthority(home.authority());
    page.setPath(QString::fromLatin1(kInformationPath));
    // Escaped, so a name holding "&", "#" or spaces cannot split or cut the query.
    page.setQuery(QString::fromLatin1(kInformationQuery) + QString::fromLatin1(QUrl::toPercentEncoding(name)),
                  QUrl::StrictMode);
    return page.toString(QUrl::FullyEncoded);
}

QString TMainForm1::InformationText() const
{
    const QString version = QCoreApplication::applicationVersion();
    return QStringList{QStringLiteral("VELQUAN %1").arg(version).trimmed(),
                       tr("MIT ライセンスのフリーソフトウェアです。"),
                       QString(),
                       tr("ランキングの保存先: %1").arg(QDir::toNativeSeparators(FServices.rankingFile)),
                       QString(),
                       tr("キー操作"),
                       tr("F3: ゲーム開始"),
                       tr("スペースか SHOT!! を押し続けて溜め、離して打つ"),
                       tr("F4: ボスが来た!! (ダブルクリックで戻る)")}
        .join(u'\n');
}

void TMainForm1::N6Click()
{
    const QString url = InformationUrl(FServices.homePage, QCoreApplication::applicationFilePath());
    if (url.isEmpty())
        FServices.messageBox->Show(tr("インフォメーション"), InformationText(), MessageBoxService::Icon::Information);
    else
        FServices.shell->OpenUrl(url);
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
