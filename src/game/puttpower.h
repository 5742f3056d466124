#pragma once

#include <cstdint>
#include <optional>

// How a putt travels, the one place the shot and the screen reader's hint both read.
namespace Putt {

// The power bar steps once a charge interval from the press, up to kPowerSteps for 100 %,
// and on past it.
constexpr int kChargeInterval = 25; // milliseconds
constexpr int kPowerSteps = 20;
// The swing picture rises a frame every second bar step, up to kHighestSwingFrame, and comes
// down a frame at each multiple of kSwingStep of the tick count after the release.
constexpr int kHighestSwingFrame = 4;
constexpr std::uint32_t kSwingStep = 30;
// The ball rolls one step of kBallStep milliseconds of the hold at a time; the hold runs from
// the press to the end of the down-swing.
constexpr std::uint32_t kBallStep = 20;
constexpr double kBallSpeed = 0.4; // pixels per millisecond held
constexpr int kBallPixelsPerStep = int(kBallStep * kBallSpeed);
// The ball touches what lies under this far left of its right edge.
constexpr int kContactInset = 5;
constexpr int kBallStart = 51;

// The swing frame after the bar's steps so far, as the charge timer sets it from each step.
constexpr int SwingFrameAt(int barSteps)
{
    return barSteps < 1 ? 0 : (barSteps - 1) / 2 < kHighestSwingFrame ? (barSteps - 1) / 2 : kHighestSwingFrame;
}

} // namespace Putt

// Percents of the power bar, as it shows them, both ends included.
struct TPowerRange {
    int low = 0;
    int high = 0;
    bool operator==(const TPowerRange&) const = default;
};

// The powers the bar can show at the release for which the ball's contact point stops between
// from and to pixels (both included) past where it starts: those whose every putt does, or,
// when none is that sure, those whose putt can (the moment of release inside the bar's step
// and the tick count's phase in the down-swing are the player's luck). None when no power can.
std::optional<TPowerRange> PowerRangeFor(int from, int to);
