#include "desktop/shape.h"
#include "support/gamefixture.h"
#include "support/printrow.h"

#include <algorithm>

class GreenTest : public GameFixture {
protected:
    void SetUp() override
    {
        WriteRankingFile(RankingWithScores({1500, 1200, 900, 600, 300}));
        CreateForm();
    }

    void SetGreen(int left, int width)
    {
        form->Shape2->setGeometry(left, form->Shape2->y(), width, form->Shape2->height());
        form->Shape3->move(left + (width - form->Shape3->width()) / 2, form->Shape3->y());
    }

    void RaiseLevelTo(int level)
    {
        while (form->Level() < level)
            form->AdvanceLevel(true);
    }
};

// The first placement of a run always lands at the same place, the cup centred.
TEST_F(GreenTest, FirstRandomPlacementOfARun)
{
    EXPECT_EQ(form->PlaceGreen(-1), 322);
    EXPECT_EQ(form->Shape2->x(), 322);
    EXPECT_EQ(form->Shape3->x(), 362);
}

// Random places stay in the right half, ending left of the right column whatever the width.
TEST_F(GreenTest, RandomPlacesCoverExactlyTheirRange)
{
    for (const auto& [width, last] : {std::pair{130, 347}, std::pair{100, 377}}) {
        SetGreen(317, width);
        int lowest = 1000, highest = 0;
        for (int draw = 0; draw < 5000; ++draw) {
            const int left = form->PlaceGreen(-1);
            lowest = std::min(lowest, left);
            highest = std::max(highest, left);
        }
        EXPECT_EQ(lowest, 224) << width;
        EXPECT_EQ(highest, last) << width;
    }
}

// Given a place, the green goes there unchecked and the cup is centred on it.
TEST_F(GreenTest, GivenPlaceIsUsedAsItIs)
{
    form->Shape2->resize(101, 22);
    form->Shape3->resize(36, 10);
    EXPECT_EQ(form->PlaceGreen(5), 5);
    EXPECT_EQ(form->Shape2->x(), 5);
    EXPECT_EQ(form->Shape3->x(), 5 + 32);
}

// From level 16 every level step narrows green and cup, down to 100 and 35 at level 30.
TEST_F(GreenTest, LevelStepsNarrowFromSixteenToThirty)
{
    form->N2Click();
    EXPECT_EQ(form->AdvanceLevel(false), 1);
    for (int level = 2; level <= 40; ++level) {
        EXPECT_EQ(form->AdvanceLevel(true), level);
        const int steps = std::clamp(level - 15, 0, 15);
        EXPECT_EQ(form->Shape2->width(), 130 - 2 * steps) << "level " << level;
        EXPECT_EQ(form->Shape3->width(), 50 - steps) << "level " << level;
    }
    EXPECT_EQ(form->AdvanceLevel(false), 40);
}

// An in at level 15 is two level steps, both above 15.
TEST_F(GreenTest, InAtLevelFifteenNarrowsTwice)
{
    form->N2Click();
    RaiseLevelTo(15);
    ASSERT_EQ(form->Shape2->width(), 130);
    form->AdvanceLevel(true);
    form->AdvanceLevel(true);
    EXPECT_EQ(form->Level(), 17);
    EXPECT_EQ(form->Shape2->width(), 126);
    EXPECT_EQ(form->Shape3->width(), 48);
}

struct SlideRow {
    const char* name;
    int level;
    int left;
    int width;
    int direction;
    int expectedLeft;
    int expectedDirection;
};
PRINT_ROW_BY_NAME(SlideRow, name)

class SlideTest : public GreenTest, public ::testing::WithParamInterface<SlideRow> {};

// One sliding tick: the green moves by the level above 30 and turns, unmoved, at either bound.
TEST_P(SlideTest, OneTick)
{
    const SlideRow& row = GetParam();
    form->N2Click();
    RaiseLevelTo(row.level);
    SetGreen(row.left, row.width);
    form->SlideDirection = row.direction;

    form->Timer2Timer();

    EXPECT_EQ(form->Shape2->x(), row.expectedLeft);
    EXPECT_EQ(form->SlideDirection, row.expectedDirection);
    EXPECT_EQ(form->Shape3->x(), row.expectedLeft + (row.width - form->Shape3->width()) / 2);
}

INSTANTIATE_TEST_SUITE_P(GreenTest, SlideTest,
                         ::testing::Values(SlideRow{"StillAtLevel30", 30, 300, 100, -1, 300, -1},
                                           SlideRow{"OnePixelAtLevel31", 31, 300, 100, -1, 299, -1},
                                           SlideRow{"TenPixelsAtLevel40", 40, 300, 100, 1, 310, 1},
                                           SlideRow{"ReachesLeftBound", 40, 179, 100, -1, 169, -1},
                                           SlideRow{"TurnsAtLeftBound", 40, 178, 100, -1, 178, 1},
                                           SlideRow{"StopsBelowRightBound", 40, 368, 100, 1, 378, 1},
                                           SlideRow{"TurnsAtRightBound", 40, 369, 100, 1, 369, -1},
                                           SlideRow{"TooFastForEitherWayLeft", 240, 200, 100, -1, 200, 1},
                                           SlideRow{"TooFastForEitherWayRight", 240, 200, 100, 1, 200, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

// The direction is the run's: it starts leftwards and a new game does not reset it.
TEST_F(GreenTest, SlideDirectionSurvivesANewGame)
{
    EXPECT_EQ(form->SlideDirection, -1);
    form->N2Click();
    RaiseLevelTo(240);
    form->Timer2Timer();
    ASSERT_EQ(form->SlideDirection, 1);
    for (int tick = 0; tick < 60; ++tick)
        form->Timer3Timer();
    form->N2Click();
    EXPECT_EQ(form->SlideDirection, 1);
}
