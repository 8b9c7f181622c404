// The generated Astronomical Database files, checked against the layouts the program reads and
// against numbers of NASA's planetary, lunar and satellite fact sheets and the ring tables.
#include "database/CardText.h"
#include "database/DataBaseRecords.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <numbers>
#include <set>
#include <string>
#include <vector>

namespace
{

std::vector<char> ReadFile(const char* name)
{
    std::ifstream in(std::string(VELMORIA_RUNTIME_DIR "/Data/") + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

template <typename Record> Record At(const std::vector<char>& bytes, size_t offset)
{
    Record record;
    std::memcpy(&record, bytes.data() + offset, sizeof(Record));
    return record;
}

struct DataBase
{
    std::vector<PlanetDB> Planets;
    SunDB Sun{};
    std::vector<SatelliteDB> Satellites;
    MoonDB Moon{};
    std::vector<RingDB> Rings;
    std::vector<char> SatelliteBytes;
};

DataBase Load()
{
    DataBase db;
    const std::vector<char> planets = ReadFile("Planets.dat");
    EXPECT_EQ(planets.size(), 3288u);
    if (planets.size() == 3288u)
    {
        for (size_t i = 0; i < 9; ++i)
            db.Planets.push_back(At<PlanetDB>(planets, i * 344));
        db.Sun = At<SunDB>(planets, planets.size() - 192);
    }
    db.SatelliteBytes = ReadFile("Satellites.dat");
    const size_t size = db.SatelliteBytes.size();
    EXPECT_GE(size, 242u);
    EXPECT_EQ((size - 242) % 128, 0u);
    if (size >= 242 && (size - 242) % 128 == 0)
    {
        for (size_t i = 0; i < (size - 242) / 128; ++i)
            db.Satellites.push_back(At<SatelliteDB>(db.SatelliteBytes, i * 128));
        db.Moon = At<MoonDB>(db.SatelliteBytes, size - 242);
    }
    const std::vector<char> rings = ReadFile("Rings.dat");
    EXPECT_EQ(rings.size() % 40, 0u);
    for (size_t i = 0; i < rings.size() / 40; ++i)
        db.Rings.push_back(At<RingDB>(rings, i * 40));
    return db;
}

// A text that ends with a NUL inside its field and has only NULs after it.
bool Terminated(const char* field, size_t width)
{
    const size_t length = strnlen(field, width);
    if (length == 0 || length == width)
        return false;
    for (size_t k = length; k < width; ++k)
    {
        if (field[k] != 0)
            return false;
    }
    return true;
}

const SatelliteDB* FindSatellite(const DataBase& db, const char* name)
{
    for (const SatelliteDB& s : db.Satellites)
    {
        if (std::strcmp(s.SatelName, name) == 0)
            return &s;
    }
    return nullptr;
}

const RingDB* FindRing(const DataBase& db, int planet, const char* name)
{
    for (const RingDB& r : db.Rings)
    {
        if (r.PlanetNumber == planet && std::strcmp(r.Name, name) == 0)
            return &r;
    }
    return nullptr;
}

} // namespace

TEST(DataBaseFiles, PlanetsFileHoldsTheNinePlanetsInOrderThenTheSun)
{
    const char* const names[] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                                 "Saturn",  "Uranus", "Neptune", "Pluto"};
    const DataBase db = Load();
    ASSERT_EQ(db.Planets.size(), 9u);
    for (size_t i = 0; i < 9; ++i)
    {
        EXPECT_EQ(db.Planets[i].PlanetNumber, i + 1);
        EXPECT_STREQ(db.Planets[i].PlanetName, names[i]);
    }
    EXPECT_STREQ(db.Sun.Spectr, "G2_V");
}

TEST(DataBaseFiles, EachPlanetsCountsMatchItsRecordsAndTheEarthsOneIsTheMoon)
{
    const DataBase db = Load();
    ASSERT_EQ(db.Planets.size(), 9u);
    std::map<int, int> satellites, rings;
    for (const SatelliteDB& s : db.Satellites)
        ++satellites[s.PlanetNumber];
    for (const RingDB& r : db.Rings)
        ++rings[r.PlanetNumber];
    for (const PlanetDB& p : db.Planets)
    {
        SCOPED_TRACE(p.PlanetName);
        if (p.PlanetNumber == 3)
        {
            EXPECT_EQ(p.Satellites, 1);
            EXPECT_EQ(satellites[3], 0);
        }
        else
            EXPECT_EQ(p.Satellites, satellites[p.PlanetNumber]);
        EXPECT_EQ(p.Rings, rings[p.PlanetNumber]);
    }
    // Mercury and Venus have no moons; the ring systems are those of the four giants.
    EXPECT_EQ(db.Planets[0].Satellites + db.Planets[1].Satellites, 0);
    for (const int planet : {5, 6, 7, 8})
        EXPECT_GT(rings[planet], 0) << planet;
    EXPECT_GE(db.Satellites.size(), 40u);
}

TEST(DataBaseFiles, HoldsTheWellKnownMoonsOfEveryPlanet)
{
    const std::map<int, std::vector<const char*>> moons = {
        {4, {"Phobos", "Deimos"}},
        {5,
         {"Metis", "Adrastea", "Amalthea", "Thebe", "Io", "Europa", "Ganymede", "Callisto",
          "Himalia", "Elara", "Pasiphae", "Sinope", "Carme", "Ananke"}},
        {6,
         {"Pan", "Atlas", "Prometheus", "Pandora", "Epimetheus", "Janus", "Mimas", "Enceladus",
          "Tethys", "Dione", "Rhea", "Titan", "Hyperion", "Iapetus", "Phoebe"}},
        {7, {"Cordelia", "Ophelia", "Puck", "Miranda", "Ariel", "Umbriel", "Titania", "Oberon"}},
        {8, {"Naiad", "Despina", "Larissa", "Proteus", "Triton", "Nereid"}},
        {9, {"Charon", "Nix", "Hydra", "Kerberos", "Styx"}},
    };
    const DataBase db = Load();
    for (const auto& [planet, names] : moons)
    {
        for (const char* name : names)
        {
            const SatelliteDB* s = FindSatellite(db, name);
            ASSERT_NE(s, nullptr) << name;
            EXPECT_EQ(s->PlanetNumber, planet) << name;
        }
    }
}

TEST(DataBaseFiles, EveryTextIsTerminatedWithinItsField)
{
    const DataBase db = Load();
    for (const PlanetDB& p : db.Planets)
    {
        EXPECT_TRUE(Terminated(p.PlanetName, sizeof p.PlanetName));
        EXPECT_TRUE(Terminated(p.AtmComp.Other, sizeof p.AtmComp.Other)) << p.PlanetName;
        for (const ChemicElement& e : p.AtmComp.Element)
            EXPECT_TRUE(Terminated(e.Name, sizeof e.Name)) << p.PlanetName;
        for (const PlanetStructure& layer : p.Structure)
            EXPECT_NE(std::memchr(layer.Composition, 0, sizeof layer.Composition), nullptr);
    }
    EXPECT_TRUE(Terminated(db.Sun.Spectr, sizeof db.Sun.Spectr));
    for (const SunElements& e : db.Sun.Elements)
        EXPECT_TRUE(Terminated(e.Name, sizeof e.Name));
    for (const SatelliteDB& s : db.Satellites)
    {
        EXPECT_TRUE(Terminated(s.SatelName, sizeof s.SatelName));
        EXPECT_TRUE(Terminated(s.SatelCode, sizeof s.SatelCode)) << s.SatelName;
        EXPECT_TRUE(Terminated(s.Discoverer, sizeof s.Discoverer)) << s.SatelName;
    }
    for (const PlanetStructure& layer : db.Moon.Structure)
        EXPECT_TRUE(Terminated(layer.Composition, sizeof layer.Composition));
    for (const RingDB& r : db.Rings)
        EXPECT_TRUE(Terminated(r.Name, sizeof r.Name));
}

TEST(DataBaseFiles, TheMoonsFirstBlockNeverMatchesAPlanetInTheSatelliteScan)
{
    const DataBase db = Load();
    ASSERT_GE(db.SatelliteBytes.size(), 242u);
    // The reader scans size div 128 blocks: every satellite record and then the first 128 bytes
    // of the Moon record, whose byte 43 is the high byte of its sidereal period (a double).
    const size_t blocks = db.SatelliteBytes.size() / 128;
    EXPECT_EQ(blocks, db.Satellites.size() + 1);
    const auto byte43 = static_cast<uint8_t>(db.SatelliteBytes[(blocks - 1) * 128 + 43]);
    EXPECT_EQ(byte43, 64);
}

TEST(DataBaseFiles, ValuesMatchTheFactSheets)
{
    struct Case
    {
        const char* what;
        double actual;
        double expected;
        double tolerance;
    };
    const DataBase db = Load();
    ASSERT_EQ(db.Planets.size(), 9u);
    const PlanetDB& earth = db.Planets[2];
    const PlanetDB& jupiter = db.Planets[4];
    const SatelliteDB* io = FindSatellite(db, "Io");
    const SatelliteDB* titan = FindSatellite(db, "Titan");
    const RingDB* cassini = FindRing(db, 6, "Cassini");
    const RingDB* epsilon = FindRing(db, 7, "Epsilon");
    const SatelliteDB* phoebe = FindSatellite(db, "Phoebe");
    const SatelliteDB* janus = FindSatellite(db, "Janus");
    const SatelliteDB* iapetus = FindSatellite(db, "Iapetus");
    const RingDB* ringC = FindRing(db, 6, "C");
    const RingDB* ringD = FindRing(db, 6, "D");
    ASSERT_TRUE(io && titan && cassini && epsilon && phoebe && janus && iapetus && ringC && ringD);
    const Case cases[] = {
        // NASA planetary fact sheets.
        {"Earth sidereal day, days", earth.RotPeriod.Sideral, 23.9345 / 24, 1e-5},
        {"Venus rotation, days (retrograde)", db.Planets[1].RotPeriod.Sideral, -243.025, 0.01},
        {"Jupiter equatorial radius, km", jupiter.Radius.Equatorial, 71492, 1},
        {"Jupiter mass, 1e24 kg", jupiter.Mass / 1e24, 1898.1, 0.5},
        {"Jupiter 1-bar temperature, K (cloud, negated)", jupiter.Temper.LowTemp, -165, 0},
        {"Saturn density, g/cm3", db.Planets[5].Density, 0.687, 0.001},
        {"Mars surface pressure, bar", db.Planets[3].SurfAtmPressure, 0.00636, 1e-5},
        {"Mars albedo, hundredths", double(db.Planets[3].Albedo), 17, 0},
        {"Earth gravity, cm/s2", double(earth.GravAccel), 978, 2},
        // Venus Express VIRTIS: 447 to 477 C from the highlands to the lowlands.
        {"Venus lowest surface temperature, K", db.Planets[1].Temper.LowTemp, 720, 0.5},
        {"Venus highest surface temperature, K", db.Planets[1].Temper.HighTemp, 750, 0.5},
        {"Mars mean orbital velocity, km/s", db.Planets[3].MeanOrbVel, 24.08, 0.005},
        {"Mars equatorial surface acceleration, cm/s2", double(db.Planets[3].GravAccel), 369, 0},
        // NASA Sun and Moon fact sheets.
        {"Sun radius, km", db.Sun.Radius, 695700, 100},
        {"Sun luminosity, 1e33 erg/s", db.Sun.Lum / 1e33, 3.828, 0.001},
        {"Moon radius, km", db.Moon.Radius, 1737.4, 0.1},
        {"Moon sidereal month, days", db.Moon.SidRevPer, 27.3217, 1e-4},
        {"Moon orbit inclination, degrees", db.Moon.InclOrb, 5.145, 1e-3},
        {"Moon density, hundredths", double(db.Moon.Dens), 334, 0},
        // Asplund et al. 2009: hydrogen mass fraction of the photosphere X = 0.7381.
        {"Sun hydrogen share, per cent", db.Sun.Elements[0].Ratio, 73.81, 0.005},
        // NASA Jovian and Saturnian satellite fact sheets.
        {"Io distance, km", double(io->Distance), 421800, 100},
        {"Io period, days", io->RevPeriod, 1.769138, 1e-5},
        {"Io mean orbital velocity, km/s", io->MeanOrbVel, 17.334, 0.01},
        {"Io escape velocity, km/s", io->EscapeVel, 2.558, 0.005},
        {"Titan radius, km", titan->Radius.Size1, 2575, 1},
        {"Phoebe density, g/cm3 (JPL SAT441)", phoebe->Density, 1.6428, 0.001},
        {"Janus albedo, hundredths", double(janus->Albedo), 90, 0},
        // Iapetus: the mean of its 0.05 and 0.5 hemispheres; the C ring: the middle of 0.12-0.30.
        {"Iapetus albedo, hundredths", double(iapetus->Albedo), 28, 0},
        {"C ring albedo, hundredths", double(ringC->Albedo), 21, 0},
        // Ring tables: the Cassini Division is about 4700 km wide, the epsilon ring at 51149 km,
        // the D ring from 67000 km.
        {"Cassini Division width, km", double(cassini->LowWidth), 4700, 100},
        {"Epsilon ring radius, km", double(epsilon->Distance), 51149, 1},
        {"D ring inner edge, km", double(ringD->Distance), 67000, 0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.actual, c.expected, c.tolerance) << c.what;
    EXPECT_EQ(cassini->Type, 2);
    EXPECT_GT(+FindSatellite(db, "Triton")->InclOrb, 90.0f) << "Triton's orbit is retrograde";
    EXPECT_EQ(+FindSatellite(db, "Hyperion")->RotPeriod, -2.0f) << "Hyperion tumbles";
}

TEST(DataBaseFiles, ValuesShownInExponentFormOrChartedArePositive)
{
    const DataBase db = Load();
    for (const PlanetDB& p : db.Planets)
    {
        SCOPED_TRACE(p.PlanetName);
        EXPECT_GT(+p.Mass, 0.0f);
        EXPECT_TRUE(p.SurfAtmPressure == -1.0f || p.SurfAtmPressure > 0.0f);
        // The eight comparison charts.
        for (const double value :
             {double(p.RevPeriod.Sideral), double(p.MeanOrbVel), p.SemimajorAxis, double(p.Density),
              double(std::fabs(p.Temper.LowTemp)), double(p.GravAccel),
              double(p.Radius.Equatorial)})
            EXPECT_GT(value, 0.0);
    }
    EXPECT_GT(+db.Sun.Mass, 0.0f);
    EXPECT_GT(+db.Sun.Lum, 0.0f);
    EXPECT_GT(+db.Moon.Mass, 0.0f);
    for (const SatelliteDB& s : db.Satellites)
        EXPECT_TRUE(s.Mass == -1.0f || s.Mass > 0.0f) << s.SatelName;
    for (const RingDB& r : db.Rings)
        EXPECT_TRUE(r.LowMass == 0.0f || r.LowMass == -1.0f || r.LowMass > 0.0f) << r.Name;
}

TEST(DataBaseFiles, LayerFlagsAreOnesTheCardsAccept)
{
    // core+mantle, core+inner+outer mantle, inner+outer core+mantle; each with crust or
    // atmosphere.
    const std::set<int> accepted = {1 | 8 | 64,        1 | 8 | 128,    1 | 16 | 32 | 64,
                                    1 | 16 | 32 | 128, 2 | 4 | 8 | 64, 2 | 4 | 8 | 128};
    const DataBase db = Load();
    for (const PlanetDB& p : db.Planets)
        EXPECT_TRUE(accepted.contains(p.Layer)) << p.PlanetName;
    EXPECT_TRUE(accepted.contains(db.Moon.Layers));
    // The Earth and the Moon have a solid inner and a liquid outer core.
    ASSERT_EQ(db.Planets.size(), 9u);
    EXPECT_EQ(db.Planets[2].Layer & (2 | 4), 2 | 4);
    EXPECT_EQ(db.Moon.Layers & (2 | 4), 2 | 4);
}

TEST(DataBaseFiles, CorrectedValuesMatchTheirNamedSources)
{
    struct Case
    {
        const char* what;
        double actual;
        double expected;
        double tolerance;
    };
    constexpr double kG = 6.67430e-20; // km^3 kg^-1 s^-2, CODATA 2018
    const DataBase db = Load();
    ASSERT_EQ(db.Planets.size(), 9u);
    const SatelliteDB* amalthea = FindSatellite(db, "Amalthea");
    const SatelliteDB* enceladus = FindSatellite(db, "Enceladus");
    const SatelliteDB* miranda = FindSatellite(db, "Miranda");
    const SatelliteDB* ariel = FindSatellite(db, "Ariel");
    const SatelliteDB* umbriel = FindSatellite(db, "Umbriel");
    const SatelliteDB* titania = FindSatellite(db, "Titania");
    const SatelliteDB* oberon = FindSatellite(db, "Oberon");
    ASSERT_TRUE(amalthea && enceladus && miranda && ariel && umbriel && titania && oberon);
    const Case cases[] = {
        // The ecliptic is the plane of the Earth's orbit.
        {"Earth inclination, degrees", db.Planets[2].InclOrbToEcl, 0.0, 0.0},
        // Anderson et al. 2005, Galileo's flyby of Amalthea.
        {"Amalthea mass, 1e18 kg", amalthea->Mass / 1e18, 2.08, 0.005},
        {"Amalthea density, g/cm3", amalthea->Density, 0.857, 0.0005},
        // Verbiscer et al. 2007.
        {"Enceladus geometric albedo, hundredths", double(enceladus->Albedo), 138, 0},
        // JPL mean elements of the major Uranian moons.
        {"Miranda eccentricity", miranda->Eccentr, 0.0013, 1e-6},
        {"Ariel eccentricity", ariel->Eccentr, 0.0012, 1e-6},
        {"Umbriel eccentricity", umbriel->Eccentr, 0.0039, 1e-6},
        {"Titania eccentricity", titania->Eccentr, 0.0011, 1e-6},
        {"Oberon eccentricity", oberon->Eccentr, 0.0014, 1e-6},
        // Miranda: Jacobson et al. 1992; the others: Jacobson 2014, with each density the
        // mass over the volume of the table's radii.
        {"Miranda GM, km3/s2", miranda->Mass * kG, 4.4, 0.01},
        {"Ariel mass, 1e21 kg", ariel->Mass / 1e21, 1.251, 0.0005},
        {"Umbriel GM, km3/s2", umbriel->Mass * kG, 85.40, 0.01},
        {"Titania mass, 1e21 kg", titania->Mass / 1e21, 3.400, 0.0005},
        {"Oberon mass, 1e21 kg", oberon->Mass / 1e21, 3.076, 0.0005},
        {"Ariel density, g/cm3", ariel->Density, 1.539, 0.0005},
        {"Umbriel density, g/cm3", umbriel->Density, 1.528, 0.0005},
        {"Titania density, g/cm3", titania->Density, 1.653, 0.0005},
        {"Oberon density, g/cm3", oberon->Density, 1.664, 0.0005},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(c.actual, c.expected, c.tolerance) << c.what;
}

TEST(DataBaseFiles, EverySatellitesDensityAgreesWithItsMassAndAxes)
{
    const DataBase db = Load();
    int checked = 0;
    for (const SatelliteDB& s : db.Satellites)
    {
        if (s.Mass <= 0 || s.Density <= 0 || s.Radius.Size2 == -2.0f)
            continue;
        const double a = s.Radius.Size1;
        const double b = s.Radius.Size2 == -1.0f ? a : s.Radius.Size2;
        const double c = s.Radius.Size3 == -1.0f ? a : s.Radius.Size3;
        // kg over km^3, in g/cm^3.
        const double fromShape = s.Mass * 1e3 / (4.0 / 3.0 * std::numbers::pi * a * b * c * 1e15);
        EXPECT_NEAR(s.Density / fromShape, 1.0, 0.05) << s.SatelName;
        ++checked;
    }
    EXPECT_GE(checked, 25);
}

TEST(DataBaseFiles, PlanetCardsCountRingsButNotGapsOrDivisions)
{
    // Jupiter's halo, main and two gossamer rings; Saturn's D, C, B, A, F, G and E rings, the
    // Janus/Epimetheus and Phoebe rings; Uranus's 13 rings; Neptune's five named rings.
    const int expected[kPlanetCount] = {0, 0, 0, 0, 4, 9, 13, 5, 0};
    const DataBase db = Load();
    for (int planet = 1; planet <= kPlanetCount; ++planet)
    {
        std::vector<RingDB> records;
        for (const RingDB& r : db.Rings)
            if (r.PlanetNumber == planet)
                records.push_back(r);
        EXPECT_EQ(database::CountRings(records), expected[planet - 1])
            << "planet " << planet << ", " << records.size() << " records";
    }
}

TEST(DataBaseFiles, DistantIrregularMoonsShowTheirInclinationToTheEcliptic)
{
    // The moons whose mean elements JPL refers to the ecliptic rather than to the planet's
    // Laplace plane.
    const std::set<std::string> ecliptic = {"Leda",    "Himalia", "Lysithea", "Elara",
                                            "Ananke",  "Carme",   "Pasiphae", "Sinope",
                                            "Caliban", "Sycorax", "Nereid",   "Phoebe"};
    const DataBase db = Load();
    ASSERT_FALSE(db.Satellites.empty());
    int toEcliptic = 0;
    for (const SatelliteDB& s : db.Satellites)
    {
        const bool expected = ecliptic.count(s.SatelName) > 0;
        toEcliptic += expected;
        EXPECT_EQ(database::SatelliteValues(s, "").inclCaption,
                  expected ? "Inclination of orbit to ecliptic (deg)"
                           : "Inclination of orbit to equator (deg)")
            << s.SatelName << " at " << s.Distance << " km";
    }
    EXPECT_EQ(toEcliptic, static_cast<int>(ecliptic.size())) << "every one of them is described";
}
