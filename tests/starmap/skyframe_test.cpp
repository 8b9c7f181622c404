// The places of one frame and the right click's hits: what is hit, in which order, and what is
// never hit.
#include "starmap/SkyFrame.h"

#include <gtest/gtest.h>
#include <vector>

namespace
{
using skyframe::Kind;

skyframe::Place At(double x, double y, bool visible = true, bool drawn = true)
{
    return {{x, y}, visible, drawn};
}

// A frame with one object of every kind near (100, 100) and some elsewhere.
skyframe::Places Crowded()
{
    skyframe::Places p;
    p.stars = {At(300, 300), At(108.9, 92), At(100, 100, true, false), At(100, 100, false, false)};
    p.deepSky = {At(92, 108.5), At(100, 100, true, false)};
    p.sun = At(101, 99);
    p.moon = At(100.5, 100.5);
    p.planets[2] = At(95, 105);
    p.planets[4] = At(100, 100, false, false);
    return p;
}

TEST(SkyFrame, AClickHitsTheSunTheMoonThePlanetsDeepSkyObjectsThenStars)
{
    const std::vector<skyframe::Hit> hits = skyframe::HitsAt(Crowded(), 100, 100);
    const std::vector<std::pair<Kind, int>> expected = {{Kind::Sun, 0},    {Kind::Moon, 0},
                                                        {Kind::Planet, 2}, {Kind::DeepSky, 0},
                                                        {Kind::Star, 1},   {Kind::Star, 2}};
    ASSERT_EQ(hits.size(), expected.size());
    for (size_t i = 0; i < hits.size(); ++i)
    {
        EXPECT_EQ(hits[i].kind, expected[i].first) << i;
        EXPECT_EQ(hits[i].index, expected[i].second) << i;
    }
}

TEST(SkyFrame, TheSquareOfAHitReachesEightPixelsFromTheClick)
{
    // A star's pixel is the floor of its point.
    skyframe::Places p;
    p.stars = {At(100.9, 100.9)};
    const struct
    {
        int x, y;
        bool hit;
    } cases[] = {{100, 100, true}, {108, 92, true},  {92, 108, true},  {109, 100, false},
                 {100, 91, false}, {91, 100, false}, {100, 109, false}};
    for (const auto& c : cases)
        EXPECT_EQ(skyframe::HitsAt(p, c.x, c.y).size(), c.hit ? 1u : 0u) << c.x << "," << c.y;
}

TEST(SkyFrame, APlaceWithoutAPositionIsNeverHit)
{
    skyframe::Places p;
    p.stars = {At(NAN, NAN), At(1e300, -1e300)};
    p.sun = At(NAN, 0);
    for (int x : {0, 100})
        EXPECT_TRUE(skyframe::HitsAt(p, x, x).empty()) << x;
}
} // namespace
