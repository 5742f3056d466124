// One step of the power gauge as the game drives it (StepIt, whose changed span is
// painted at once, then the deferred text box), beside a Qt progress bar of the same size
// moved by setValue and repainted.
#include "controls/dxfprogressbar.h"
#include "desktop/fonts.h"
#include "game/controlsetup.h"

#include <QApplication>
#include <QProgressBar>
#include <benchmark/benchmark.h>

namespace {

// Up from 0 to Max and back down, one step at a time, so every step moves the fill end.
int Bounce(int value, int max, int& direction)
{
    if (value + direction > max || value + direction < 0)
        direction = -direction;
    return value + direction;
}

// Paints whatever a step left for later, as the event loop would before the next tick.
void FlushDeferredPaints()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void BM_TdxfProgressBar_StepIt(benchmark::State& state)
{
    TdxfProgressBar bar;
    SetUpPowerBar(bar);
    bar.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        const int next = bar.Position() + bar.Step();
        if (next > bar.Max() || next < bar.Min())
            bar.SetStep(-bar.Step());
        bar.StepIt();
        FlushDeferredPaints();
    }
    benchmark::DoNotOptimize(bar.Position());
}
BENCHMARK(BM_TdxfProgressBar_StepIt);

// A Qt progress bar of the game bar's size, range and font, shown and settled.
void ShowQtBar(QProgressBar& bar)
{
    TdxfProgressBar game;
    SetUpPowerBar(game);
    bar.resize(game.size());
    bar.setRange(game.Min(), game.Max());
    bar.setValue(game.Min());
    bar.setFont(game.font());
    bar.show();
    QCoreApplication::processEvents();
}

void BM_QProgressBar_SetValueRepaint(benchmark::State& state)
{
    QProgressBar bar;
    ShowQtBar(bar);
    int direction = 1;
    for (auto _ : state) {
        bar.setValue(Bounce(bar.value(), bar.maximum(), direction));
        bar.repaint();
        FlushDeferredPaints();
    }
    benchmark::DoNotOptimize(bar.value());
}
BENCHMARK(BM_QProgressBar_SetValueRepaint);

// setValue alone already repaints a bar whose text changes; shown for comparison.
void BM_QProgressBar_SetValue(benchmark::State& state)
{
    QProgressBar bar;
    ShowQtBar(bar);
    int direction = 1;
    for (auto _ : state) {
        bar.setValue(Bounce(bar.value(), bar.maximum(), direction));
        FlushDeferredPaints();
    }
    benchmark::DoNotOptimize(bar.value());
}
BENCHMARK(BM_QProgressBar_SetValue);

} // namespace
