#include "desktop/shell.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

// Takes the place of the browser for web addresses.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened << url; }
};

// The address reaches the desktop services exactly as escaped: an escaped "&", "#" or
// "%" must not turn back into a delimiter.
TEST(ShellServiceTest, OpensTheAddressAsEscaped)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");
    const QString address = QStringLiteral("https://velquan.example/info.php?pf=w&sn=v%20q%26x%231%25%2B%E3%82%B4");
    QtShellService().OpenUrl(address);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened[0].toEncoded(), address.toLatin1());
    EXPECT_EQ(QUrlQuery(catcher.opened[0]).queryItemValue("sn", QUrl::FullyDecoded), QStringLiteral("v q&x#1%+ゴ"));
}

} // namespace

#include "shell_test.moc"
