#include "desktop/windowsystem.h"

#include <gtest/gtest.h>

// GNOME on a Qt without its own title bars gets the game through Xwayland; anything else, or a
// platform the player chose, stays as it is.
TEST(WindowSystemTest, XwaylandOnlyForGnomeBeforeQt68)
{
    const QString x11 = QStringLiteral(":0"), wayland = QStringLiteral("wayland-0");
    const QVersionNumber qt64(6, 4, 2), qt68(6, 8, 0);
    EXPECT_TRUE(PrefersXwayland({}, QStringLiteral("GNOME"), x11, wayland, qt64));
    EXPECT_TRUE(PrefersXwayland({}, QStringLiteral("ubuntu:GNOME"), x11, wayland, qt64));
    EXPECT_FALSE(PrefersXwayland({}, QStringLiteral("GNOME"), x11, wayland, qt68));
    EXPECT_FALSE(PrefersXwayland({}, QStringLiteral("KDE"), x11, wayland, qt64));
    EXPECT_FALSE(PrefersXwayland({}, QStringLiteral("GNOME-Flashback"), x11, wayland, qt64));
    EXPECT_FALSE(PrefersXwayland(QStringLiteral("wayland"), QStringLiteral("GNOME"), x11, wayland, qt64));
    EXPECT_FALSE(PrefersXwayland({}, QStringLiteral("GNOME"), {}, wayland, qt64));
    EXPECT_FALSE(PrefersXwayland({}, QStringLiteral("GNOME"), x11, {}, qt64));
}
