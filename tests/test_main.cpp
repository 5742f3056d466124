#include "desktop/application.h"
#include "desktop/fonts.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TApplication application(argc, argv);
    application.SetTitle(QStringLiteral("VELQUAN"));
    InstallFontSubstitutions();
    return RUN_ALL_TESTS();
}
