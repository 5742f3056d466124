// On a scaled screen the window keeps its 1x structure: every shape of the play strip is
// whole, and text and the controls' own painting are drawn at the screen's resolution rather
// than blown up from one device pixel per pixel.

#include "controls/dxfcolorbutton.h"
#include "controls/dxflabel.h"
#include "controls/dxfprogressbar.h"
#include "controls/shadolbl.h"
#include "desktop/devicepixels.h"
#include "desktop/panel.h"
#include "desktop/stringgrid.h"
#include "support/gamefixture.h"
#include "support/render.h"

#include <cmath>

namespace {

struct ScaleCase {
    const char* name;
    qreal ratio;
    int period; // device pixels after which the grid of layout pixels lines up again
};

QImage RenderAt(QWidget* widget, qreal ratio)
{
    QImage image = OffscreenImage(widget->size(), ratio);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

class ScaledWindowTest : public GameFixture, public ::testing::WithParamInterface<ScaleCase> {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
        // The play strip as during a game: no ranking grid over it, the power bar part full.
        form->StringGrid1->hide();
        form->ProgressBar1->SetPosition(13);
        form->show();
    }
    void TearDown() override { form->hide(); }
};

// The shapes' outlines (purple guide lines, red ellipses, grey ball) and the green's hatch
// found at 1x must be there at the scaled layout position too.
TEST_P(ScaledWindowTest, ShapesAreWholeAlongTheirLength)
{
    const qreal ratio = GetParam().ratio;
    QWidget* surface = form->centralWidget();
    const QImage coarse = RenderAt(surface, 1);
    const QImage fine = RenderAt(surface, ratio);
    const QList<QRgb> pens = {qRgb(128, 0, 128), qRgb(255, 0, 0), qRgb(128, 128, 128)};
    const QRect strip(28, 230, 455, 30);

    // Within a layout pixel: at 1x an ellipse is Qt's approximation, scaled it is exact.
    const int reach = int(ratio) + 1;
    int checked = 0;
    int missing = 0;
    QPoint firstMissing;
    for (int y = strip.top(); y <= strip.bottom(); ++y)
        for (int x = strip.left(); x <= strip.right(); ++x) {
            const QRgb pen = coarse.pixel(x, y);
            if (!pens.contains(pen))
                continue;
            ++checked;
            const int cx = int(std::floor((x + 0.5) * ratio));
            const int cy = int(std::floor((y + 0.5) * ratio));
            bool found = false;
            for (int dy = -reach; dy <= reach && !found; ++dy)
                for (int dx = -reach; dx <= reach && !found; ++dx)
                    found = fine.valid(cx + dx, cy + dy) && fine.pixel(cx + dx, cy + dy) == pen;
            if (!found && missing++ == 0)
                firstMissing = QPoint(x, y);
        }
    EXPECT_GT(checked, 1500); // three guide lines of 453 and the ellipses
    EXPECT_EQ(missing, 0) << "first gap at " << firstMissing.x() << "," << firstMissing.y();
}

TEST_P(ScaledWindowTest, TextAndControlFacesAreDrawnAtDevicePixels)
{
    const ScaleCase& scale = GetParam();
    form->Panel2->show();
    form->dxfLabel1->SetFontSize(40);
    const std::vector<std::pair<const char*, QWidget*>> controls = {
        {"power bar", form->ProgressBar1},
        {"banner", form->dxfLabel1},
        {"shot button", form->bCharge},
        {"status label", form->Label1},
    };
    for (const auto& [name, control] : controls) {
        const QImage fine = RenderAt(control, scale.ratio);
        EXPECT_GT(FewestEdgesOverPhases(fine, scale.period), 0) << name << " is blown up from 1x";
        // Its 1x picture copied onto the finer image, as a control that ignores the ratio
        // does, fails the check: so the check can fail.
        QImage blownUp = OffscreenImage(control->size(), scale.ratio);
        QPainter(&blownUp).drawImage(0, 0, RenderAt(control, 1));
        EXPECT_EQ(FewestEdgesOverPhases(blownUp, scale.period), 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Ratios, ScaledWindowTest,
                         ::testing::Values(ScaleCase{"OneAndAHalf", 1.5, 3}, ScaleCase{"OneAndThreeQuarters", 1.75, 7},
                                           ScaleCase{"Two", 2.0, 2}),
                         [](const ::testing::TestParamInfo<ScaleCase>& info) { return info.param.name; });

} // namespace
