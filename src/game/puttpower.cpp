#include "game/puttpower.h"

namespace {

int CeilDiv(int a, int b)
{
    return a <= 0 ? 0 : (a + b - 1) / b;
}

struct TSteps {
    int fewest = 0;
    int most = 0;
};

// The ball's steps for a release while the bar shows barSteps: the hold lies in that step's
// interval, and the down-swing ends at the frames' multiple of kSwingStep after it, which
// adds from one tick more than a step fewer to all of them.
TSteps StepsFor(int barSteps)
{
    using namespace Putt;
    const int frames = SwingFrameAt(barSteps);
    const int heldFrom = barSteps * kChargeInterval;
    const int heldTo = heldFrom + kChargeInterval - 1;
    const int swingFrom = frames == 0 ? 0 : int(frames * kSwingStep) - int(kSwingStep) + 1;
    const int swingTo = int(frames * kSwingStep);
    return {CeilDiv(heldFrom + swingFrom, int(kBallStep)), CeilDiv(heldTo + swingTo, int(kBallStep))};
}

} // namespace

std::optional<TPowerRange> PowerRangeFor(int from, int to)
{
    using namespace Putt;
    std::optional<TPowerRange> sure;
    std::optional<TPowerRange> can;
    const auto widen = [](std::optional<TPowerRange>& range, int percent) {
        if (!range)
            range = TPowerRange{percent, percent};
        range->high = percent;
    };
    for (int barSteps = 0; StepsFor(barSteps).fewest * kBallPixelsPerStep <= to; ++barSteps) {
        const TSteps steps = StepsFor(barSteps);
        const int percent = barSteps * 100 / kPowerSteps;
        const int nearest = steps.fewest * kBallPixelsPerStep;
        const int farthest = steps.most * kBallPixelsPerStep;
        if (from <= nearest && farthest <= to)
            widen(sure, percent);
        // Some number of steps between the fewest and the most stops inside.
        if (farthest >= from && CeilDiv(from, kBallPixelsPerStep) * kBallPixelsPerStep <= to)
            widen(can, percent);
    }
    return sure ? sure : can;
}
