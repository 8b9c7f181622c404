// Names that never collide: the label placer against hand-worked layouts.
#include "model/LabelPlacer.h"

#include <gtest/gtest.h>
#include <random>

namespace
{
using labels::Box;
using labels::Placer;
using labels::Side;

constexpr Box kArea{0, 0, 400, 300};

TEST(LabelPlacer, EachSideStandsItsGapAwayFromTheMark)
{
    // A 20 x 10 label, 5 pixels from a mark at (100, 100).
    const struct
    {
        Side side;
        Box box;
    } cases[] = {
        {Side::East, {105, 95, 20, 10}},  {Side::SouthEast, {105, 105, 20, 10}},
        {Side::South, {90, 105, 20, 10}}, {Side::SouthWest, {75, 105, 20, 10}},
        {Side::West, {75, 95, 20, 10}},   {Side::NorthWest, {75, 85, 20, 10}},
        {Side::North, {90, 85, 20, 10}},  {Side::NorthEast, {105, 85, 20, 10}},
    };
    for (const auto& c : cases)
    {
        const Box b = labels::PlaceOnSide(c.side, 100, 100, 5, 20, 10);
        EXPECT_EQ(b.left, c.box.left) << static_cast<int>(c.side);
        EXPECT_EQ(b.top, c.box.top) << static_cast<int>(c.side);
    }
}

TEST(LabelPlacer, ALaterLabelTakesTheNextFreeSideAndIsLeftOutWhenNoneIsFree)
{
    Placer placer;
    placer.BeginFrame(kArea);
    // Two marks 30 pixels apart on one row: the first name takes the east; the second's east
    // and west would cover it, so it goes to the north-east, clear of it.
    const auto first = placer.Place(1, 100, 100, 6, 40, 10);
    const auto second = placer.Place(2, 130, 100, 6, 40, 10);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->left, 106);
    EXPECT_FALSE(labels::Overlaps(*first, *second));
    EXPECT_EQ(second->left, 136);
    EXPECT_EQ(second->top, 84);
    // A mark boxed in on every side by obstacles gets no label.
    placer.AddObstacle({150, 150, 100, 100});
    EXPECT_FALSE(placer.Place(3, 200, 200, 3, 20, 10));
    // Nor does one whose every place leaves the area.
    EXPECT_FALSE(placer.Place(4, 2, 2, 3, 390, 290));
}

TEST(LabelPlacer, FixedLabelsAreNeverLeftOutAndOthersKeepClearOfThem)
{
    Placer placer;
    placer.BeginFrame(kArea);
    const Box compass{100, 95, 10, 10};
    placer.PlaceFixed(compass);
    const auto name = placer.Place(1, 96, 100, 2, 30, 10); // east would cover the compass
    ASSERT_TRUE(name);
    EXPECT_FALSE(labels::Overlaps(*name, compass));
    EXPECT_EQ(placer.Placed().front().left, compass.left);
}

TEST(LabelPlacer, ALabelKeepsLastFramesSideWhileItIsFree)
{
    Placer placer;
    placer.BeginFrame(kArea);
    placer.AddObstacle({110, 90, 50, 20}); // the east of the mark is taken this frame
    const auto west = placer.Place(7, 100, 100, 5, 20, 10);
    ASSERT_TRUE(west);
    EXPECT_LT(west->left, 100);
    // Next frame the east is free again, but the label stays in the west, where it was.
    placer.BeginFrame(kArea);
    const auto again = placer.Place(7, 101, 100, 5, 20, 10);
    ASSERT_TRUE(again);
    EXPECT_LT(again->left, 101);
    // Once the west is taken the label moves, and then stays on its new side.
    placer.BeginFrame(kArea);
    placer.AddObstacle({60, 90, 40, 20});
    const auto moved = placer.Place(7, 101, 100, 5, 20, 10);
    ASSERT_TRUE(moved);
    EXPECT_GT(moved->left, 101);
}

TEST(LabelPlacer, NoTwoLabelsOfACrowdedFrameOverlap)
{
    // Three hundred names of random lengths on marks spread at random, as a zoomed-out sky:
    // many are left out, none covers another, the obstacles or the edge.
    std::mt19937 random(12345);
    std::uniform_real_distribution<double> x(0, 400), y(0, 300), w(15, 80);
    Placer placer;
    for (int frame = 0; frame < 3; ++frame)
    {
        placer.BeginFrame(kArea);
        const Box sun{180, 130, 40, 40};
        placer.AddObstacle(sun);
        int shown = 0;
        for (uint32_t key = 0; key < 300; ++key)
            shown += placer.Place(key, x(random), y(random), 3, w(random), 11).has_value();
        const std::vector<Box>& boxes = placer.Placed();
        ASSERT_EQ(boxes.size(), static_cast<size_t>(shown));
        EXPECT_GT(shown, 30);
        for (size_t i = 0; i < boxes.size(); ++i)
        {
            EXPECT_FALSE(labels::Overlaps(boxes[i], sun));
            EXPECT_GE(boxes[i].left, 0.0);
            EXPECT_LE(boxes[i].Right(), 400.0);
            for (size_t j = i + 1; j < boxes.size(); ++j)
                ASSERT_FALSE(labels::Overlaps(boxes[i], boxes[j])) << i << " " << j;
        }
    }
}
} // namespace
