#include "platform/appdir.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(ApplicationDirTest, IsTheExecutablesFolderWithSeparator)
{
    const QString directory = ApplicationDir();
    EXPECT_TRUE(directory.endsWith('/'));
    EXPECT_TRUE(QFileInfo(directory + QFileInfo(QCoreApplication::applicationFilePath()).fileName()).isExecutable());
}

} // namespace
