// One paint of a 75 x 25 shine button in its hot state, with a 16 x 16 glyph and a gradient
// face, beside a Qt tool button of the same size and icon under the mouse; argument 1 adds
// the same caption to both. Both are shown and repainted at once, so both pay the same way
// to the screen.
#include "controls/shinespdbtn.h"
#include "platform/fonts.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>
#include <benchmark/benchmark.h>

namespace {

constexpr int kWidth = 75;
constexpr int kHeight = 25;
constexpr int kGlyphSide = 16;

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
    if (button.State() != 2)
        state.SkipWithError("the button did not turn hot");
    for (auto _ : state)
        button.repaint();
    benchmark::DoNotOptimize(button.State());
}
BENCHMARK(BM_TShineSpeedButton_PaintHot)->Arg(0)->Arg(1);

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
    for (auto _ : state)
        button.repaint();
    benchmark::DoNotOptimize(button.isVisible());
}
BENCHMARK(BM_QToolButton_PaintHot)->Arg(0)->Arg(1);

} // namespace
