// The Sun, the Moon and the planets on the sky globe: the planets' elements read from
// "Data\Solobj.dat", their names and colours, the Moon's phase disc and the centres of the
// constellation figures that the names layer labels. Pure; no Qt.
#pragma once

#include "sky/Ephemeris.h"
#include "starmap/SkyObjects.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace skybodies
{
// The elements file of the Solar System, shared with the Solar System view.
constexpr const char* kSolarElementsFile = "Data\\Solobj.dat";
// One record: kind (1 byte), name (17), semi-axis AU (double), eccentricity, inclination,
// node, argument of perihelion (floats, degrees), perihelion date (double, Julian date),
// period (float, days); little-endian, no padding.
constexpr int kElementsRecordSize = 54;
// The slots of Mercury to Pluto at the head of the file.
constexpr int kPlanetSlots = 9;

// The elements of the first nine records, when each is a planet ('P') with usable elements.
struct PlanetElements
{
    std::array<sky::OrbitalElements, kPlanetSlots> elements{};
    std::array<bool, kPlanetSlots> usable{};
};

// Reads the planets' records from the start of `f`. A short file or a record that is not a
// planet leaves that slot (and those after it) unusable; nothing is reported.
PlanetElements ReadPlanetElements(std::FILE* f);

// The planets the sky shows: Mercury to Neptune without the Earth.
constexpr int kSkyPlanetCount = 7;
struct SkyPlanetKind
{
    sky::Planet planet;
    const char* name;
    uint32_t color; // 0x00RRGGBB
};
extern const std::array<SkyPlanetKind, kSkyPlanetCount> kSkyPlanets;

// The index into kSkyPlanets of the planet named by the search key `key` (upper case, no
// blanks: "JUPITER"); -1 for any other text.
int SkyPlanetOf(const char* key);

// The constellation of the point (right ascension in degrees, declination in radians): that of
// the nearest of the `count` catalogue stars, as a name of ConstName; null when no star has a
// constellation. Near a boundary this can name the neighbour; the catalogue's 690 stars lie
// close enough together that a planet, always near the ecliptic, is mostly named right.
const char* ConstellationNear(const Stars* stars, int count, float ra, float dec);

// The Moon's disc: kMoonDiscSize pixels across, its lit part drawn over its dark part.
constexpr int kMoonDiscSize = 9;

// The outline of the lit part of a disc of radius 1 centred at the origin, for illuminated
// fraction `k` (0..1) with the bright limb toward the screen direction (limbX, limbY) (y
// downward; any length but 0): the limb's half circle, then back along the terminator, the
// half ellipse u = (1 - 2k) sqrt(1 - v^2) (u along the limb direction, v across it), whose lit
// area is k of the disc (Meeus, ch. 48). `samples` points on each half (>= 2).
struct ScreenVector
{
    double x;
    double y;
};
std::vector<ScreenVector> LitOutline(double k, double limbX, double limbY, int samples);

// The screen direction of position angle `pa` (degrees, from the north through the east)
// from screen vectors that point north and east at the body.
ScreenVector DirectionOfPositionAngle(double pa, ScreenVector north, ScreenVector east);

// The centre of each constellation's figure: the normalised mean of the unit vectors of its
// stars with lines (or all its stars when none has one). Index k - 1 for constellation k.
struct FigureCentre
{
    bool known;
    float RA;  // degrees
    float Dec; // radians
};
constexpr int kFigureCount = 89;
std::array<FigureCentre, kFigureCount> ComputeFigureCentres(const Stars* stars, int count);
} // namespace skybodies
