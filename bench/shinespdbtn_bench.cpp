// One paint of a 75 x 25 shine button in its hot state, with a 16 x 16 glyph and a gradient
// face, beside a Qt tool button of the same size and icon under the mouse; argument 1 adds
// the same caption to both. Both are shown and repainted at once, so both pay the same way
// to the screen. The tool button runs first; each shine run then shows its time as a multiple
// of the tool button's with the same argument (counter vs_QToolButton).
#include "controls/shinespdbtn.h"
#include "desktop/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <map>

namespace {

constexpr int kWidth = 75;
constexpr int kHeight = 25;
constexpr int kGlyphSide = 16;

// The tool button's time per paint of its last run, by argument.
std::map<std::int64_t, double> gToolButtonTime;

// Repaints for as long as the benchmark asks; returns the wall time per paint in nanoseconds.
double TimePerPaint(benchmark::State& state, QWidget& button)
{
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        button.repaint();
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    return spent.count() / double(state.iterations());
}

// A disc on a key-coloured square, the usual shape of a toolbar glyph.
QImage Glyph()
{
    QImage glyph(kGlyphSide, kGlyphSide, QImage::Format_RGB32);
    glyph.fill(QColor(0, 128, 128));
    QPainter painter(&glyph);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(200, 40, 40));
    painter.drawEllipse(2, 2, 12, 12);
    return glyph;
}

void BM_QToolButton_PaintHot(benchmark::State& state)
{
    QToolButton button;
    button.resize(kWidth, kHeight);
    button.setIcon(QIcon(QPixmap::fromImage(Glyph())));
    button.setIconSize(QSize(kGlyphSide, kGlyphSide));
    if (state.range(0) != 0) {
        button.setText(QStringLiteral("Shine"));
        button.setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    }
    button.setFont(MakeFont(kPGothic, 12));
    button.show();
    QCoreApplication::processEvents();
    button.setAttribute(Qt::WA_UnderMouse, true);
    gToolButtonTime[state.range(0)] = TimePerPaint(state, button);
    benchmark::DoNotOptimize(button.isVisible());
}
BENCHMARK(BM_QToolButton_PaintHot)->Arg(0)->Arg(1);

void BM_TShineSpeedButton_PaintHot(benchmark::State& state)
{
    TShineSpeedButton button;
    button.resize(kWidth, kHeight);
    button.SetGlyph(Glyph());
    if (state.range(0) != 0)
        button.SetCaption(QStringLiteral("Shine"));
    button.Colors()->SetGradColor(clWhite);
    button.Colors()->SetGradation(true);
    button.show();
    QCoreApplication::processEvents();
    button.MouseEnter({}, kWidth / 2, kHeight / 2);
    if (button.State() != 2) {
        state.SkipWithError("the button did not turn hot");
        return;
    }
    const double time = TimePerPaint(state, button);
    benchmark::DoNotOptimize(button.State());
    if (const auto tool = gToolButtonTime.find(state.range(0)); tool != gToolButtonTime.end())
        state.counters["vs_QToolButton"] = time / tool->second;
}
BENCHMARK(BM_TShineSpeedButton_PaintHot)->Arg(0)->Arg(1);

} // namespace
