// The Moon's brightness over its phases.
#include "sky/Ephemeris.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace
{
TEST(MoonMagnitude, FollowsThePhaseCurveFromFullToNew)
{
    // Worked by hand from m = -12.73 + 0.026 |i| + 4e-9 i^4 (after Allen's Astrophysical
    // Quantities): at quarter the Moon is about 2.6 magnitudes fainter than at full, at a phase
    // angle of 180 degrees about 8.9.
    const struct
    {
        double phaseAngle;
        double magnitude;
    } cases[] = {
        {0.0, -12.73},      {-0.0, -12.73},  {30.0, -11.9467},  {90.0, -10.12756},
        {-90.0, -10.12756}, {150.0, -6.805}, {180.0, -3.85096},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(sky::MoonMagnitude(c.phaseAngle), c.magnitude, 1e-4) << c.phaseAngle;
}

TEST(MoonMagnitude, AThinCrescentIsAboutFiveMagnitudesFainterThanTheFullMoon)
{
    // An illuminated fraction k belongs to the phase angle i with k = (1 + cos i) / 2.
    const double lit = 0.11;
    const double phaseAngle = std::acos(2 * lit - 1) * 180 / std::numbers::pi;
    const double fainter = sky::MoonMagnitude(phaseAngle) - sky::MoonMagnitude(0.0);
    EXPECT_GT(fainter, 4.5);
    EXPECT_LT(fainter, 6.0);
}
} // namespace
