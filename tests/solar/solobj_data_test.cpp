// The generated orbital-elements file, checked against NASA's planetary fact sheets, the JPL
// small-body database and Kepler's third law.
#include "solar/SolarRecord.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{

std::vector<SolarObjects> ReadBodies()
{
    std::ifstream in(VELMORIA_RUNTIME_DIR "/Data/Solobj.dat", std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<SolarObjects> bodies(bytes.size() / sizeof(SolarObjects));
    if (!bodies.empty())
        std::memcpy(bodies.data(), bytes.data(), bodies.size() * sizeof(SolarObjects));
    EXPECT_EQ(bytes.size() % sizeof(SolarObjects), 0u);
    return bodies;
}

} // namespace

TEST(SolarElementsFile, HoldsNinePlanetsThenHalleyAndEnckeInSlotOrder)
{
    const char* const names[] = {"Mercury", "Venus",   "Earth", "Mars",   "Jupiter", "Saturn",
                                 "Uranus",  "Neptune", "Pluto", "Halley", "Encke"};
    const auto bodies = ReadBodies();
    ASSERT_EQ(bodies.size(), 11u);
    for (size_t i = 0; i < bodies.size(); ++i)
    {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(bodies[i].ID, i < 9 ? 'P' : 'C');
        EXPECT_STREQ(bodies[i].Name, names[i]);
        // NUL-padded after the name, so the file is the same on every build.
        const size_t length = strnlen(bodies[i].Name, sizeof bodies[i].Name);
        ASSERT_LT(length, sizeof bodies[i].Name);
        for (size_t k = length; k < sizeof bodies[i].Name; ++k)
            EXPECT_EQ(bodies[i].Name[k], 0);
        const float eccentricity = bodies[i].Eccentr;
        EXPECT_GE(eccentricity, 0.0f);
        EXPECT_LT(eccentricity, 1.0f);
    }
}

TEST(SolarElementsFile, MatchesTheFactSheetOrbits)
{
    struct Expected
    {
        double a; // au
        double e;
        double inc;    // degrees
        double period; // sidereal, days
    };
    // NASA planetary fact sheets; 1P/Halley and 2P/Encke from the JPL small-body database.
    const Expected table[] = {
        {0.387, 0.2056, 7.00, 87.969},        {0.723, 0.0068, 3.39, 224.701},
        {1.000, 0.0167, 0.00, 365.256},       {1.524, 0.0934, 1.85, 686.980},
        {5.203, 0.0484, 1.30, 4332.589},      {9.537, 0.0539, 2.49, 10759.22},
        {19.19, 0.0473, 0.77, 30685.4},       {30.07, 0.0086, 1.77, 60189.0},
        {39.48, 0.2488, 17.14, 90560.0},      {17.83, 0.967, 162.26, 75.32 * 365.25},
        {2.215, 0.848, 11.78, 3.30 * 365.25},
    };
    const auto bodies = ReadBodies();
    ASSERT_EQ(bodies.size(), 11u);
    for (size_t i = 0; i < bodies.size(); ++i)
    {
        SCOPED_TRACE(bodies[i].Name);
        const Expected& e = table[i];
        // Packed fields are copied out before the checks take them by reference.
        const double a = bodies[i].SemiAxis;
        const float eccentricity = bodies[i].Eccentr, inclination = bodies[i].Inclin,
                    period = bodies[i].Period;
        EXPECT_NEAR(a, e.a, e.a * 0.002);
        EXPECT_NEAR(eccentricity, e.e, 0.001);
        EXPECT_NEAR(inclination, e.inc, 0.02);
        EXPECT_NEAR(period, e.period, e.period * 0.002);
    }
}

TEST(SolarElementsFile, ObeysKeplersThirdLaw)
{
    // P^2 = a^3 with P in years and a in au, to well under a percent for every body.
    for (const SolarObjects& b : ReadBodies())
    {
        const double years = b.Period / 365.25;
        EXPECT_NEAR(years * years / (b.SemiAxis * b.SemiAxis * b.SemiAxis), 1.0, 0.005) << b.Name;
    }
}

TEST(SolarElementsFile, DatesEarthsPerihelionEarlyInJanuary2000AndHalleysIn1986)
{
    const auto bodies = ReadBodies();
    ASSERT_EQ(bodies.size(), 11u);
    // 2000 January 3, about 05h UT = JD 2451546.7; 1986 February 9.5 = JD 2446471.0.
    const double earth = bodies[2].PeriDate, halley = bodies[9].PeriDate;
    EXPECT_NEAR(earth, 2451546.7, 1.5);
    EXPECT_NEAR(halley, 2446471.0, 5.0);
    // Earth's perihelion lies 102.9 degrees from the equinox (longitude of perihelion).
    const float node = bodies[2].AscenNode, argument = bodies[2].ArgPer;
    EXPECT_NEAR(node + argument, 102.94, 0.05);
}
