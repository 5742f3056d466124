#include "game/pictures.h"
#include "platform/panel.h"
#include "platform/startuppreload.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

// The pictures decoded ahead are the pictures the windows would have read themselves, they are
// taken only once the preload has finished, and only at their own size.
TEST(StartupPreload, HandsOverThePicturesAsReadOnceFinished)
{
    const QStringList names = Pictures::AtStart();
    TStartupPreload preload(names);
    for (const QString& name : names)
        EXPECT_TRUE(PreloadedPicture(name).isNull()) << name.toStdString();
    preload.Finish();
    for (const QString& name : names) {
        const QImage direct = ReadPicture(name);
        ASSERT_FALSE(direct.isNull()) << name.toStdString();
        EXPECT_EQ(PreloadedPicture(name), direct) << name.toStdString();
        EXPECT_EQ(LoadPicture(name, 1.0).toImage(), direct.convertToFormat(LoadPicture(name, 1.0).toImage().format()))
            << name.toStdString();
        if (QFileInfo::exists(DoubleResolutionName(name))) {
            EXPECT_EQ(LoadPicture(name, 2.0).devicePixelRatio(), 2.0) << name.toStdString();
        }
    }
    TStartupPreload::Release();
    EXPECT_TRUE(PreloadedPicture(names.first()).isNull());
}

} // namespace
