// Cost of one frame of the spinning banner, beside Qt drawing the same text itself.
#include "controls/dxflabel.h"
#include "desktop/fonts.h"
#include "game/controlsetup.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kFramesPerAnimation = 72;

struct Frame {
    int angle = 0;
    int points = 0;
};

// The banner's 72 frames: one turn shrinking by 4 points a step, then four turns growing by 8.
std::vector<Frame> AnimationFrames()
{
    std::vector<Frame> frames;
    int angle = 0;
    int points = 184;
    for (int step = 0; step < kFramesPerAnimation; ++step) {
        const bool shrinking = step < kFramesPerAnimation / 2;
        angle += shrinking ? 10 : 40;
        if (angle == 360)
            angle = 0;
        points += shrinking ? -4 : 8;
        frames.push_back({angle, points});
    }
    return frames;
}

void BM_BannerFrame(benchmark::State& state)
{
    TdxfLabel label;
    SetUpBanner(label);
    label.SetColor(clBlack); // the panel it lies on
    QImage screen(label.size(), QImage::Format_RGB32);
    const std::vector<Frame> frames = AnimationFrames();
    std::size_t next = 0;
    for (auto _ : state) {
        const Frame& frame = frames[next++ % frames.size()];
        label.SetAngle(frame.angle);
        label.SetFontSize(frame.points);
        QPainter painter(&screen);
        label.Paint(painter);
    }
    state.SetItemsProcessed(state.iterations());
}

// Qt alone: fill the image and draw the caption once, where the label puts it, turned or not.
void DrawTextFrame(benchmark::State& state, bool turned)
{
    TdxfLabel banner;
    SetUpBanner(banner);
    const QSize size = banner.size();
    const QString caption = banner.Caption();
    const QColor colour = ToQColor(banner.FontColor());
    QImage screen(size, QImage::Format_RGB32);
    const std::vector<Frame> frames = AnimationFrames();
    std::size_t next = 0;
    for (auto _ : state) {
        const Frame& frame = frames[next++ % frames.size()];
        QPainter painter(&screen);
        painter.fillRect(screen.rect(), Qt::black);
        QFont font = banner.font();
        font.setPixelSize(FontHeightFromPoints(frame.points));
        const QFontMetrics metrics(font);
        const int angle = turned ? frame.angle : 0;
        painter.setFont(font);
        painter.setPen(colour);
        painter.translate(TdxfLabel::TextOrigin(size.width() / 2, size.height() / 2, metrics.horizontalAdvance(caption),
                                                metrics.height(), angle));
        painter.rotate(-angle);
        painter.drawText(QPointF(0, metrics.ascent()), caption);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_PlainDrawText(benchmark::State& state)
{
    DrawTextFrame(state, false);
}

void BM_TurnedDrawText(benchmark::State& state)
{
    DrawTextFrame(state, true);
}

} // namespace

// Whole animations only, so every frame weighs the same in the mean.
constexpr benchmark::IterationCount kWholeAnimations = benchmark::IterationCount(kFramesPerAnimation) * 20;
BENCHMARK(BM_BannerFrame)->Iterations(kWholeAnimations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainDrawText)->Iterations(kWholeAnimations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TurnedDrawText)->Iterations(kWholeAnimations)->Unit(benchmark::kMillisecond);
