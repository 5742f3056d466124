#include "game/mainform.h"
#include "game/puttpower.h"
#include "game/surface.h"

#include "desktop/announcer.h"
#include "desktop/shape.h"
#include "services/random.h"

namespace {

constexpr int kNarrowingStartsAbove = 15;
constexpr int kNarrowestGreen = 100;
constexpr int kSlidingStartsAbove = 30;

} // namespace

int TMainForm1::ClientWidth() const
{
    return FSurface->width();
}

int TMainForm1::PlaceGreen(int left)
{
    const bool placedAnew = left < 0;
    if (placedAnew) {
        const int half = ClientWidth() / 2;
        const int range = half - Shape2->width();
        left = FServices.random->Rand() % range + half - 30;
    }
    Shape2->move(left, Shape2->y());
    Shape3->move(Shape2->x() + (Shape2->width() - Shape3->width()) / 2, Shape3->y());
    // A sliding green is told where it lands, not at every step.
    if (placedAnew)
        AnnounceGreen();
    return left;
}

void TMainForm1::AnnounceGreen()
{
    const int ballContact = Putt::kBallStart + Shape1->width() - Putt::kContactInset;
    const auto powers = [ballContact](const TShape* target) {
        return PowerRangeFor(target->x() - ballContact, target->x() + target->width() - ballContact);
    };
    const std::optional<TPowerRange> cup = powers(Shape3);
    const std::optional<TPowerRange> green = powers(Shape2);
    if (!cup || !green)
        return;
    FAnnouncer->Announce(tr("カップ %1～%2 パーセント、グリーン %3～%4 パーセント")
                             .arg(cup->low)
                             .arg(cup->high)
                             .arg(green->low)
                             .arg(green->high));
}

int TMainForm1::AdvanceLevel(bool advance)
{
    if (!advance)
        return FLevel;
    ++FLevel;
    if (FLevel > kNarrowingStartsAbove && Shape2->width() > kNarrowestGreen) {
        // The cup is centred again by the placement that ends the shot.
        Shape2->resize(Shape2->width() - 2, Shape2->height());
        Shape3->resize(Shape3->width() - 1, Shape3->height());
    }
    return FLevel;
}

void TMainForm1::Timer2Timer()
{
    const int level = AdvanceLevel(false);
    if (level <= kSlidingStartsAbove)
        return;
    const int left = Shape2->x() + (level - kSlidingStartsAbove) * SlideDirection;
    // A step that would cross either bound turns the green round without moving it.
    if (left >= ClientWidth() / 3 && left + Shape2->width() < ClientWidth() - 30)
        PlaceGreen(left);
    else
        SlideDirection = -SlideDirection;
}
