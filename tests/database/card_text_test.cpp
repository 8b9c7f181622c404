// The texts of the database cards, the period and angle formatters, and the geometry of the
// atmosphere and comparison charts against hand-computed values.
#include "SampleRecords.h"
#include "database/CardText.h"
#include "database/Charts.h"
#include "database/DataBase.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using namespace database;
using namespace sample_records;

struct Formatted
{
    double value;
    const char* text;
};

TEST(CardFormat, PeriodsReadInHoursMinutesAndSeconds)
{
    const Formatted cases[] = {
        {0.99726968, "23h 56m 4.100s"}, // the Earth's sidereal day
        {0.25, "6h "},                  // whole hours end with a blank
        {-0.5, "-12h "},                // a retrograde period keeps its sign
        {0.0625, "1h 30m "},
        {0.0, ""},
        {1.0 / 0.0, "?"},
    };
    for (const Formatted& c : cases)
        EXPECT_EQ(NumToHMS(c.value), c.text) << c.value;
}

TEST(CardFormat, AnglesReadInDegreesMinutesAndSeconds)
{
    const Formatted cases[] = {
        {5.145, "5\xB0 8' 42.0''"},
        {5.0, "5\xB0 "},
        {0.5, "30' "},
        {0.0, ""},
        {-5.145, "-5\xB0 8' 42.0''"},
        {1.5424, "1\xB0 32' 32.6''"},
    };
    for (const Formatted& c : cases)
        EXPECT_EQ(NumToGMS(c.value), c.text) << c.value;
}

TEST(PlanetCard, OrbitalPageShowsNoneForMissingValues)
{
    PlanetDB p = Planet(3, "Earth");
    p.SemimajorAxis = 1;
    p.Eccentr = 0;
    p.RevPeriod.Sideral = 360;
    p.Albedo = 30;
    const auto v = PlanetOrbitalValues(p);
    EXPECT_EQ(v[0], "1");
    EXPECT_EQ(v[2], "0.0000");
    EXPECT_EQ(v[5], "None"); // synodic period -1
    EXPECT_EQ(v[6], "1");    // 360 degrees in 360 days
    EXPECT_EQ(v[7], "None"); // angular diameter -1
    EXPECT_EQ(v[8], "0.3");
    EXPECT_EQ(v[9], "None");      // magnitude 9999
    EXPECT_EQ(v[1], "149.59787"); // not the single-precision noise 149.59786987
    EXPECT_EQ(v[11], "149.59787");
    EXPECT_EQ(v[12], "149.59787");
}

TEST(PlanetCard, PhysicalPageCaptionsFollowTheValues)
{
    PlanetDB earth = Planet(3, "Earth");
    earth.RotPeriod.Sideral = 0.99726968;
    earth.RotPeriod.Sinodic = 1.0f;
    earth.Temper.LowTemp = 184;
    earth.Temper.HighTemp = 330;
    const PlanetPhysical e = PlanetPhysicalValues(earth, 0);
    EXPECT_EQ(e.rotSidCaption, "Rotation period - sidereal");
    EXPECT_EQ(e.values[0], "23h 56m 4.100s");
    EXPECT_EQ(e.rotSinCaption, "Rotation period - synodic");
    EXPECT_EQ(e.values[1], "24h ");
    EXPECT_EQ(e.tempCaption, "Surface temperature (K.)");
    EXPECT_EQ(e.values[7], "184 -- 330");

    PlanetDB venus = Planet(2, "Venus");
    venus.RotPeriod.Sideral = -243.02;
    venus.RotPeriod.Sinodic = -116.75f;
    const PlanetPhysical v = PlanetPhysicalValues(venus, 0);
    EXPECT_EQ(v.rotSidCaption, "Rotation period - sidereal (days)");
    EXPECT_EQ(v.values[0], "-243.02");
    EXPECT_EQ(v.values[1], "-116.75");

    PlanetDB jupiter = Planet(5, "Jupiter", 16, 4);
    jupiter.Radius.Equatorial = 71492;
    jupiter.Radius.Polar = -4;
    jupiter.Temper.LowTemp = -165;
    jupiter.Temper.HighTemp = -5;
    const PlanetPhysical j = PlanetPhysicalValues(jupiter, 4);
    EXPECT_EQ(j.values[3], "71492 \xB1 4");
    EXPECT_EQ(j.values[4], "?");
    EXPECT_EQ(j.tempCaption, "Visible cloud temperature (K.)");
    EXPECT_EQ(j.values[7], "165 \xB1 5");
    EXPECT_EQ(j.satCaption, "Satellites (as of 19 August 2025)");
}

TEST(PlanetCard, SatellitesAndRingsSayHowMuchOfTheirListsTheyCount)
{
    struct Case
    {
        uint8_t number;
        uint8_t satelliteRows, ringRows;
        int rings; // ring rows that are rings, not gaps or divisions
        const char *satellites, *ringText;
    };
    // Known moons of the list of 19 August 2025: Jupiter 97, Saturn 274, Pluto 5, the Earth 1.
    const Case cases[] = {
        {6, 22, 16, 9, "274 known; 22 listed", "9 rings (16 rows with their gaps)"},
        {5, 16, 4, 4, "97 known; 16 listed", "4 rings; all listed"},
        {9, 5, 0, 0, "5 known; all listed", "None"},
        {3, 1, 0, 0, "1 known; listed", "None"},
        {2, 0, 0, 0, "None", "None"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.satellites);
        const PlanetDB p = Planet(c.number, "X", c.satelliteRows, c.ringRows);
        const PlanetPhysical shown = PlanetPhysicalValues(p, c.rings);
        EXPECT_EQ(shown.values[10], c.satellites);
        EXPECT_EQ(shown.values[11], c.ringText);
    }
}

// The fields of one line of a CSV file, quoted fields unquoted ("" inside them is a quote).
std::vector<std::string> CsvFields(const std::string& line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i)
    {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"')
            fields.back() += line[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

TEST(PlanetCard, SatellitesShowTheKnownMoonsAndTheDateOfTheDataTable)
{
    std::ifstream in(VELMORIA_SOURCE_DIR "/data/planets.csv");
    std::string line;
    ASSERT_TRUE(std::getline(in, line)) << "data/planets.csv is missing";
    const std::vector<std::string> header = CsvFields(line);
    const auto column = std::find(header.begin(), header.end(), "known_moons") - header.begin();
    const auto numberColumn = std::find(header.begin(), header.end(), "number") - header.begin();
    const auto sourceColumn = std::find(header.begin(), header.end(), "source") - header.begin();
    ASSERT_LT(column, static_cast<long>(header.size()));
    ASSERT_LT(numberColumn, static_cast<long>(header.size()));
    ASSERT_LT(sourceColumn, static_cast<long>(header.size()));
    int rows = 0;
    while (std::getline(in, line))
    {
        const std::vector<std::string> fields = CsvFields(line);
        ASSERT_GT(static_cast<long>(fields.size()), column) << line.substr(0, 40);
        const int number = std::stoi(fields[numberColumn]);
        const int known = std::stoi(fields[column]);
        SCOPED_TRACE(fields[1]);
        EXPECT_EQ(KnownMoons(static_cast<uint8_t>(number)), known);
        const PlanetDB p = Planet(static_cast<uint8_t>(number), "X", 0);
        EXPECT_EQ(PlanetPhysicalValues(p, 0).values[10],
                  known > 0 ? std::to_string(known) + " known; 0 listed" : "None");
        EXPECT_NE(fields[sourceColumn].find(std::string("list of ") + KnownMoonsDate()),
                  std::string::npos);
        ++rows;
    }
    EXPECT_EQ(rows, kPlanetCount);
}

TEST(PlanetCard, AtmosphereSharesUseSixDecimalsOnlyForMars)
{
    PlanetDB mars = Planet(4, "Mars");
    std::memcpy(mars.AtmComp.Element[0].Name, "CO2", 4);
    mars.AtmComp.Element[0].Ratio = 95.32f;
    std::memcpy(mars.AtmComp.Element[1].Name, "Ar", 3);
    mars.AtmComp.Element[1].Ratio = 1.6f;
    std::memcpy(mars.AtmComp.Element[2].Name, "H2O", 4);
    mars.AtmComp.Element[2].Ratio = 0.03f;
    mars.SurfAtmPressure = 0.00636f;
    std::strcpy(mars.AtmComp.Other, "NO,Ne");
    const AtmosphereTexts m = PlanetAtmosphere(mars);
    EXPECT_EQ(m.elements, 3);
    EXPECT_EQ(m.element[0], "CO2");
    EXPECT_EQ(m.ratio[0], "95.32 %");
    EXPECT_EQ(m.ratio[2], "0.03 %");
    EXPECT_EQ(m.pressure, "6.36 E-3");
    EXPECT_EQ(m.other, "NO, Ne");

    PlanetDB earth = Planet(3, "Earth");
    std::memcpy(earth.AtmComp.Element[0].Name, "N2", 3);
    earth.AtmComp.Element[0].Ratio = 78.084f;
    std::memcpy(earth.AtmComp.Element[1].Name, "O2", 3);
    earth.AtmComp.Element[1].Ratio = -1.0f;
    const AtmosphereTexts e = PlanetAtmosphere(earth);
    EXPECT_EQ(e.elements, 2);
    EXPECT_EQ(e.ratio[0], "78.08 %");
    EXPECT_EQ(e.ratio[1], "?");
    EXPECT_EQ(e.pressure, "?");
    EXPECT_EQ(e.other, "None");
}

TEST(PlanetCard, StructureRowsFollowTheThreeLayerForms)
{
    struct Case
    {
        uint8_t flags;
        int rows;
        std::array<std::string, 4> layers;
    };
    const Case cases[] = {
        {LayerCore | LayerMantle | LayerCrust | LayerAtmosphere,
         3,
         {"Core", "Mantle", "Atmosphere", ""}},
        {LayerCore | LayerMantle | LayerCrust, 3, {"Core", "Mantle", "Crust", ""}},
        {LayerCore | LayerInnerMantle | LayerOuterMantle | LayerAtmosphere,
         4,
         {"Core", "Inner Mantle", "Outer Mantle", "Atmosphere"}},
        {LayerInnerCore | LayerOuterCore | LayerMantle | LayerCrust,
         4,
         {"Inner Core", "Outer Core", "Mantle", "Crust"}},
        {LayerInnerCore | LayerOuterCore, 4, {"Inner Core", "Outer Core", "", ""}},
        {LayerCore, 0, {"", "", "", ""}},
        {LayerCore | LayerInnerCore | LayerOuterCore, 0, {"", "", "", ""}},
        {0xFF & ~LayerCore & ~LayerInnerCore, 0, {"", "", "", ""}},
    };
    PlanetStructure layers[4]{};
    for (PlanetStructure& s : layers)
        s.LowerWidth = 100;
    for (const Case& c : cases)
    {
        const StructureTable t = FillStructure(c.flags, layers);
        EXPECT_EQ(t.rows, c.rows) << int(c.flags);
        EXPECT_EQ(t.layer, c.layers) << int(c.flags);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(t.width[k], k < c.rows ? "100 km" : "") << int(c.flags) << " row " << k;
    }
}

TEST(PlanetCard, StructureWidthsAndCompositions)
{
    PlanetStructure layers[4]{};
    layers[0] = {0, 0, "Iron,nickel"};
    layers[1] = {2200, 0, "Silicate_rocks"};
    layers[2] = {5, 70, "-"};
    const StructureTable t = FillStructure(LayerCore | LayerMantle | LayerCrust, layers);
    EXPECT_EQ(t.width, (std::array<std::string, 4>{"?", "2200 km", "5 -- 70 km", ""}));
    EXPECT_EQ(t.composition,
              (std::array<std::string, 4>{"Iron, nickel", "Silicate rocks", "", ""}));
}

TEST(SatelliteCard, SentinelsReadAsQuestionMarksAndChaotic)
{
    SatelliteDB s = Satellite(5, 3, "Ganymede");
    std::strcpy(s.SatelCode, "J_III");
    std::strcpy(s.Discoverer, "Galilei,Marius");
    s.DiscoveryYear = 1610;
    s.Distance = 1070400;
    s.Albedo = 0;
    const SatelliteTexts t = SatelliteValues(s, "Jupiter");
    EXPECT_EQ(t.caption, "Satellite 3 - [ Ganymede ] - ( J III )");
    EXPECT_EQ(t.discoverer, "Galilei, Marius");
    EXPECT_EQ(t.discoveryYear, "1610");
    EXPECT_EQ(t.lDistance, "Distance from Jupiter (km)");
    EXPECT_EQ(t.distance, "1070400");
    EXPECT_EQ(t.sidRot, "?");
    EXPECT_EQ(t.albedo, "?");
    EXPECT_EQ(t.magnit, "?");
    EXPECT_EQ(t.mass, "?");
    EXPECT_EQ(t.dens, "?");
    EXPECT_EQ(t.escapeVel, "?");

    s.RotPeriod = -2.0f;
    s.Albedo = 43;
    s.Mass = 1.4819e23f;
    EXPECT_EQ(SatelliteValues(s, "Jupiter").sidRot, "Chaotic");
    EXPECT_EQ(SatelliteValues(s, "Jupiter").albedo, "0.43");
    EXPECT_EQ(SatelliteValues(s, "Jupiter").mass, "1.48 E+23");
}

TEST(SatelliteCard, RadiusShowsOneTwoOrThreeAxes)
{
    struct Case
    {
        float a, b, c;
        const char* text;
    };
    const Case cases[] = {{135, -1, 99, "135"},
                          {10, 8, 7, "10 x 8 x 7"},
                          {10, -2, 7, "10 x ? x 7"},
                          {10, 8, -1, "10 x 8"}};
    for (const Case& c : cases)
    {
        SatelliteDB s = Satellite(6, 1, "X");
        s.Radius = {c.a, c.b, c.c};
        EXPECT_EQ(SatelliteValues(s, "Saturn").radius, c.text);
    }
}

TEST(RingCard, WidthThicknessMassAndAlbedoSentinels)
{
    struct Case
    {
        uint32_t lowWidth, highWidth;
        float lowThick, highThick, lowMass, highMass;
        uint8_t albedo;
        RingTexts expected;
    };
    const Case cases[] = {
        {99999, 10, 0, 5, 0, 0, 255, {"", "100000", "< 10", "?", "?", "Low"}},
        {5000, 0, -1, 0, -1, 0, 254, {"", "100000", "5000", "None", "None", "None"}},
        {5000,
         6000,
         -2,
         0.5f,
         2.5f,
         1e4f,
         0,
         {"", "100000", "5000 -- 6000", "< 0.50", "2.5 -- 1 E+4", "?"}},
        {10, 0, 0.01f, 0.1f, 1e16f, 0, 50, {"", "100000", "10", "0.01 -- 0.1", "1 E+16", "0.5"}},
        {10, 0, 0.25f, 0, 1, 0, 3, {"", "100000", "10", "0.25", "1", "0.03"}},
        // Saturn's C and B rings: a few metres show as metres, not as "0".
        {10, 0, 0.005f, 0, 1, 0, 3, {"", "100000", "10", "0.005", "1", "0.03"}},
        {10, 0, 0.005f, 0.01f, 1, 0, 3, {"", "100000", "10", "0.005 -- 0.01", "1", "0.03"}},
    };
    for (const Case& c : cases)
    {
        RingDB r = Ring(6, "B");
        r.LowWidth = c.lowWidth;
        r.HighWidth = c.highWidth;
        r.LowThickness = c.lowThick;
        r.HighThickness = c.highThick;
        r.LowMass = c.lowMass;
        r.HighMass = c.highMass;
        r.Albedo = c.albedo;
        const RingTexts t = RingValues(r);
        EXPECT_EQ(t.distance, c.expected.distance);
        EXPECT_EQ(t.width, c.expected.width);
        EXPECT_EQ(t.thickness, c.expected.thickness);
        EXPECT_EQ(t.mass, c.expected.mass);
        EXPECT_EQ(t.albedo, c.expected.albedo);
    }
}

TEST(RingCard, CaptionNamesRingGapOrDivision)
{
    const std::pair<uint8_t, const char*> cases[] = {{0, "Ring - [ Encke ]"},
                                                     {1, "Ring - [ Encke Gap ]"},
                                                     {2, "Ring - [ Encke Division ]"},
                                                     {3, "Ring - [ Encke ]"},
                                                     {200, "Ring - [ Encke ]"}};
    for (const auto& [type, caption] : cases)
        EXPECT_EQ(RingValues(Ring(6, "Encke", type)).caption, caption);
}

TEST(SunCard, ValuesAndElementShares)
{
    const SunTexts t = SunValues(Sun());
    EXPECT_EQ(t.values[0], "25 -- 36");
    EXPECT_EQ(t.values[1], "1.989 E+30");
    EXPECT_EQ(t.values[4], "5772");
    EXPECT_EQ(t.values[5], "-26.7 / +4.8");
    EXPECT_EQ(t.values[7], "3.828 E+33");
    EXPECT_EQ(t.values[8], "G2 V");
    EXPECT_EQ(t.values[9], "4.6");
    EXPECT_EQ(t.element[0], "Hydrogen");
    EXPECT_EQ(t.ratio[0], "70.68%");
}

TEST(MoonCard, ValuesInTheirUnits)
{
    const MoonTexts t = MoonValues(Moon());
    EXPECT_EQ(t.orbital[0], "356400 -- 370400");
    EXPECT_EQ(t.orbital[3], "5\xB0 8' 42.0''");
    EXPECT_EQ(t.orbital[5], "0.12");
    EXPECT_EQ(t.orbital[10], "1.02");
    EXPECT_EQ(t.physical[2], "7.346 E+22");
    EXPECT_EQ(t.physical[3], "3.34");
    EXPECT_EQ(t.physical[4], "100 -- 390");
    EXPECT_EQ(t.physical[5], "162");
}

TEST(CardText, FieldWithoutTerminatorStopsAtItsWidth)
{
    RingDB r = Ring(6, "");
    std::memset(r.Name, 'Q', sizeof r.Name); // no NUL; the planet byte follows
    EXPECT_EQ(RingValues(r).caption, "Ring - [ QQQQQQQQQ ]");
}

// ---- charts ----

TEST(AtmosphereChart, PartsBarsAndLegendOfTheWorkedExample)
{
    PlanetDB p = Planet(3, "Earth");
    const float shares[] = {78, 21, 0.9f, 0.04f, 0.03f};
    for (int i = 0; i < 5; ++i)
    {
        std::memcpy(p.AtmComp.Element[i].Name, "X", 2);
        p.AtmComp.Element[i].Ratio = shares[i];
    }
    const AtmosphereChart c = LayoutAtmosphere(p, Box{0, 0, 120, 100}, 5);
    EXPECT_EQ(c.parts, 3);
    EXPECT_FLOAT_EQ(c.size[2], 0.97f);
    EXPECT_FLOAT_EQ(c.total, 99.97f);
    // Bars 20 wide, 30 apart from x = 10; heights 78.02 and 21.01 % of 100; the third part is
    // below one pixel and gets 2 rows.
    EXPECT_EQ(c.bars, (std::vector<Rect>{{10, 22, 30, 99}, {40, 79, 60, 99}, {70, 98, 90, 99}}));
    EXPECT_EQ(c.legend, (std::vector<int>{0, 1, 2, 2, 2}));
    EXPECT_EQ(c.axes, (std::array<Point, 4>{Point{120, 100}, {0, 100}, {0, 0}, {5, 0}}));
}

TEST(AtmosphereChart, FifthPartJoinsTheFourthAndTheNinthEntryMakesTheTotal100)
{
    PlanetDB p = Planet(7, "Uranus");
    const float shares[] = {30, 25, 20, 15, 5, -1, 1, 1, 1};
    for (int i = 0; i < 9; ++i)
    {
        std::memcpy(p.AtmComp.Element[i].Name, "X", 2);
        p.AtmComp.Element[i].Ratio = shares[i];
    }
    const AtmosphereChart c = LayoutAtmosphere(p, Box{10, 20, 60, 50}, 9);
    EXPECT_EQ(c.parts, 4);
    EXPECT_FLOAT_EQ(c.size[3], 23.0f); // 15 + 5 + 1 + 1 + 1
    EXPECT_FLOAT_EQ(c.total, 100.0f);  // 98 walked, the ninth among them
    ASSERT_EQ(c.bars.size(), 4u);
    // W 60: bars 10 wide, 15 apart from x = 20, baseline 70, heights 15, 12, 10, 11.
    EXPECT_EQ(c.bars[0], (Rect{20, 55, 30, 69}));
    EXPECT_EQ(c.bars[3], (Rect{65, 59, 75, 69}));
    EXPECT_EQ(c.legend, (std::vector<int>{0, 1, 2, 3, 3, 3, 3, 3, 3}));
}

TEST(AtmosphereChart, MercuryHasOnlyTheAxes)
{
    PlanetDB p = Planet(1, "Mercury");
    std::memcpy(p.AtmComp.Element[0].Name, "O2", 3);
    p.AtmComp.Element[0].Ratio = 42;
    const AtmosphereChart c = LayoutAtmosphere(p, Box{0, 0, 60, 40}, 1);
    EXPECT_TRUE(c.bars.empty());
    EXPECT_TRUE(c.legend.empty());
    EXPECT_EQ(c.axes[2], (Point{0, 0}));
}

std::array<Box, 9> Labels()
{
    std::array<Box, 9> labels{};
    for (int k = 0; k < 9; ++k)
        labels[k] = Box{10 + 20 * k, 125, 20, 10};
    return labels;
}

TEST(ComparisonChart, TallestBarIs92PercentAndTheOthersInProportion)
{
    // Frame 100 high from y = 20: baseline 119. Bars 14 wide centred on 20-wide labels.
    const std::array<float, 9> values{1, -2, 3, 4, 5, 6, 7, 8, 9};
    const ComparisonChart c = LayoutComparison(values, Box{10, 20, 180, 100}, Labels());
    ASSERT_EQ(c.bars.size(), 9u);
    EXPECT_EQ(c.bars[8].rect, (Rect{173, 27, 187, 119})); // 119 - 92
    EXPECT_EQ(c.bars[8].text, (Point{180, 22}));
    EXPECT_EQ(c.bars[8].value, "9.00");
    EXPECT_EQ(c.bars[0].rect, (Rect{13, 108, 27, 119})); // 119 - 10.22
    EXPECT_EQ(c.bars[1].rect, (Rect{33, 98, 47, 119}));  // |-2|: 119 - 20.44
    EXPECT_EQ(c.bars[1].value, "2.00");
    EXPECT_EQ(c.bars[4].rect.top, 67); // 119 - 51.11 = 67.89
    EXPECT_EQ(c.unit, (Point{0, 49}));
}

TEST(ComparisonChart, ValuesPrintInPowerOfTenForm)
{
    std::array<float, 9> values{};
    values.fill(3.3e23f);
    values[4] = 1.898e27f;
    const ComparisonChart c = LayoutComparison(values, Box{10, 20, 180, 100}, Labels());
    EXPECT_EQ(c.bars[0].value, "3.30 × 10²³");
    EXPECT_EQ(c.bars[4].value, "1.90 × 10²⁷");
}

TEST(ComparisonChart, AllZeroValuesDrawNoBars)
{
    const std::array<float, 9> zeros{};
    EXPECT_TRUE(LayoutComparison(zeros, Box{10, 20, 180, 100}, Labels()).bars.empty());
    std::array<float, 9> damaged{};
    damaged[3] = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(LayoutComparison(damaged, Box{10, 20, 180, 100}, Labels()).bars.empty());
}

TEST(ComparisonChart, TemperatureAndRadiusTabsAverageOnlyKnownRanges)
{
    std::array<PlanetDB, kPlanetCount> planets;
    for (int k = 0; k < kPlanetCount; ++k)
        planets[k] = Planet(static_cast<uint8_t>(k + 1), "P");
    planets[0].Temper = {100, 700};   // a range: its middle
    planets[4].Temper = {-165, -5};   // a cloud top with its uncertainty: 165
    planets[2].Radius = {6378, 6357}; // both radii: their mean
    planets[4].Radius = {71492, -4};  // polar unknown: the equatorial radius
    planets[3].SemimajorAxis = 1.52366231;
    const auto temp = ComparisonValues(planets, 5);
    EXPECT_FLOAT_EQ(temp[0], 400);
    EXPECT_FLOAT_EQ(temp[4], 165);
    EXPECT_FLOAT_EQ(temp[1], 300); // HighTemp -10 in the builder: LowTemp alone
    const auto radius = ComparisonValues(planets, 7);
    EXPECT_FLOAT_EQ(radius[2], 6367.5f);
    EXPECT_FLOAT_EQ(radius[4], 71492);
    EXPECT_FLOAT_EQ(ComparisonValues(planets, 2)[3], 1.52366231f);
    EXPECT_FLOAT_EQ(ComparisonValues(planets, 6)[0], 900);
    EXPECT_STREQ(ComparisonUnit(4), "gm/cm^3");
}

// ---- reader ----

std::FILE* StreamOf(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

TEST(DataBaseReader, SatelliteScanStopsKeepingAtThePlanetsCount)
{
    std::string planets = PlanetsFile();
    std::FILE* p = StreamOf(planets);
    std::FILE* s = StreamOf(Bytes(Satellite(5, 1, "Io")) + Bytes(Satellite(5, 2, "Europa")) +
                            Bytes(Satellite(5, 3, "Ganymede")) + Bytes(Moon()));
    std::FILE* r = StreamOf(RingsFile());
    const PlanetData d = ReadPlanetData(p, s, r, 4); // Jupiter: two satellites
    std::fclose(p);
    std::fclose(s);
    std::fclose(r);
    EXPECT_EQ(d.Failed(), DbFile::None);
    ASSERT_EQ(d.satellites.size(), 2u);
    EXPECT_STREQ(d.satellites[1].SatelName, "Europa");
    ASSERT_EQ(d.rings.size(), 0u);
    EXPECT_FALSE(d.isEarth);
}

TEST(DataBaseReader, IndexOutsideTheNinePlanetsReadsNothing)
{
    std::FILE* p = StreamOf(PlanetsFile());
    const PlanetData d = ReadPlanetData(p, p, p, 9);
    std::fclose(p);
    EXPECT_EQ(d.Failed(), DbFile::Planets);
}
} // namespace
