// The Almanac: what the sky does for one place on one day, in one month and in one year. The
// rises, transits and sets of the Sun, the Moon and Mercury to Neptune, the twilights, the Moon's
// phases, the seasons, the Earth's perihelion and aphelion, the planets' conjunctions,
// oppositions and elongations, the eclipses and the Moon's close approaches to the planets.
// Pure functions of the sky of sky/ (ERFA, Delta T); no state, no Qt: re-entrant, so that a
// view may run them off its window's thread.
//
// Instants are Julian dates in Universal Time, as sky/ takes them, within
// [sky::kFirstValidJulianDate, sky::kLastValidJulianDate]. The caller chooses the spans: a local
// day is [local midnight, next local midnight) turned to UT (LocalDay), 23 or 25 hours long on
// the days the clocks change.
#pragma once

#include "sky/Ephemeris.h"
#include "time/SkyTime.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace almanac
{
// The bodies of the Day page, in the order it lists them.
enum class Body
{
    Sun,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune
};
constexpr int kBodyCount = 9;

// "Sun", "Moon", "Mercury", ...
const char* BodyName(Body body);

// A place on the Earth: geodetic latitude (degrees, north positive, -90..90) and east longitude
// (degrees, west negative), at sea level.
struct Observer
{
    double Latitude;
    double EastLongitude;
};

// An interval of Universal Time [Start, End), Julian dates.
struct Span
{
    double Start;
    double End;
};

// The span of the local calendar day `year`-`month`-`day` (Gregorian) in the time zone `zone`:
// from its local midnight to the next, turned to UT with skytime::UtcOffsetAtLocal, so 23 or 25
// hours on the days the clocks change. Empty for a date that does not exist or lies outside
// 1901-01-01 to 2999-12-31.
std::optional<Span> LocalDay(int year, int month, int day, const skytime::ZoneOffsetAt& zone);
// The same for the calendar month and the calendar year.
std::optional<Span> LocalMonth(int year, int month, const skytime::ZoneOffsetAt& zone);
std::optional<Span> LocalYear(int year, const skytime::ZoneOffsetAt& zone);

// ---- the Day page ----
//
// A body rises when its upper limb (the Sun and the Moon, whose semi-diameters follow their
// distances from the observer) or its centre (the planets) climbs through 34' below the
// geometric horizon, the standard refraction at the horizon; the places are topocentric, the
// Moon's parallax included. A twilight starts in the morning when the Sun's centre climbs
// through 6, 12 or 18 degrees below the horizon (no refraction) and ends in the evening when it
// sinks through it. A body transits when its topocentric hour angle is 0.
//
// Every event of the day is kept: a body may rise twice in one day (the Moon, or a planet
// rising just after midnight and again just before the next), or set without rising.

// How a body spends a day that holds none of its crossings of the horizon.
enum class DayCourse
{
    RisesOrSets, // at least one rise or set
    AlwaysUp,    // above the horizon (the twilight's depression) the whole day
    NeverRises   // below it the whole day
};

struct Transit
{
    double JulianDateUt;
    double Altitude; // of the centre, topocentric, with the refraction of Meeus's eq. 16.4
                     // (continued below the horizon as it tapers to 0 at the nadir), degrees
};

struct BodyDay
{
    Body Which = Body::Sun;
    bool Known = false;        // false when the ephemeris could not place the body
    std::vector<double> Rises; // Julian dates UT within the day, in time order
    std::vector<double> Sets;  // idem
    std::vector<Transit> Transits;
    DayCourse Course = DayCourse::RisesOrSets;
};

enum class Twilight
{
    Civil,
    Nautical,
    Astronomical
};

// "Civil twilight", "Nautical twilight", "Astronomical twilight".
const char* TwilightName(Twilight twilight);
// 6, 12 and 18: the Sun's centre below the horizon, degrees.
double TwilightDepression(Twilight twilight);

struct TwilightDay
{
    Twilight Kind = Twilight::Civil;
    std::vector<double> MorningStarts; // the Sun climbing through the depression; Julian dates UT
    std::vector<double> EveningEnds;   // the Sun sinking through it
    DayCourse Course = DayCourse::RisesOrSets; // AlwaysUp: the Sun stays above the depression
};

// The Moon of the day, at the middle of its span.
struct MoonOfTheDay
{
    sky::MoonPhase Phase = sky::MoonPhase::NewMoon;
    double IlluminatedFraction = 0; // 0..1
    double Age = 0;                 // days since new Moon
};

struct DayPage
{
    bool Known = false; // false for a span outside the valid range, empty or over two days long
    Span Day{};
    Observer Where{};
    std::array<BodyDay, kBodyCount> Bodies{}; // in the order of Body
    std::array<TwilightDay, 3> Twilights{};   // civil, nautical, astronomical
    MoonOfTheDay Moon{};
};

// The Day page of `observer` for the span `day`. The altitudes of every body are computed on
// one grid of at most 10 minutes (one sky snapshot per point) and at each body's culminations,
// and each crossing is refined to a second.
DayPage ComputeDay(const Observer& observer, const Span& day);

// ---- the Month page ----

// A principal phase: sky::MoonPhase::NewMoon, FirstQuarter, FullMoon or LastQuarter.
struct PhaseEvent
{
    sky::MoonPhase Phase;
    double JulianDateUt;
};

// The principal phases of the Moon within `span`, in time order: the instants at which the
// Moon's geocentric ecliptic longitude of date less the Sun's is 0, 90, 180 and 270 degrees.
std::vector<PhaseEvent> FindMoonPhases(const Span& span);

// ---- the Year page ----

enum class EventKind
{
    MarchEquinox, // the Sun's apparent ecliptic longitude of date is 0 (90, 180, 270 below)
    JuneSolstice,
    SeptemberEquinox,
    DecemberSolstice,
    Perihelion, // the Earth's centre nearest the Sun's
    Aphelion,
    Opposition,          // Mars to Neptune: geocentric longitude of date 180 from the Sun's
    Conjunction,         // Mars to Neptune: 0 from the Sun's
    InferiorConjunction, // Mercury, Venus: 0 from the Sun's, passing between the Earth and Sun
    SuperiorConjunction, // Mercury, Venus: 0 from the Sun's, beyond the Sun
    GreatestEasternElongation, // Mercury, Venus: greatest angle from the Sun, evening sky
    GreatestWesternElongation, // morning sky
    SolarEclipse,
    LunarEclipse,
    MoonApproach // the Moon's least geocentric separation from a planet, under 2 degrees
};

enum class EclipseType
{
    None,
    Total,
    Annular,
    Hybrid,
    Partial,
    Penumbral
};

// The view that shows an event best.
enum class SkyView
{
    SolarSystem,
    StarMap
};

struct Event
{
    EventKind Kind = EventKind::MarchEquinox;
    double JulianDateUt = 0;  // the instant; of greatest eclipse for an eclipse
    Body Subject = Body::Sun; // the planet of a planet's event or of the Moon's approach
    double Degrees = 0; // the elongation of a greatest elongation, the separation of an approach
    EclipseType Eclipse = EclipseType::None;
};

// Solar System for the oppositions, conjunctions and elongations, Star Map for the rest.
SkyView ViewOf(EventKind kind);

// Asked between events; true stops the work.
using CancelCheck = std::function<bool()>;

struct YearEvents
{
    std::vector<Event> Events; // in time order
    bool Complete = false;     // false when cancelled (Events then holds what was found)
};

// The events of the Year page within `span`, in time order.
YearEvents ComputeYear(const Span& span, const CancelCheck& cancelled = {});

// The solar and lunar eclipses whose greatest eclipse lies within `span`, in time order:
// the geometry of the Sun, the Moon and the Earth's and the Moon's shadow cones at each new and
// full Moon (the Five Millennium Canons' conventions: the Earth's shadow enlarged by 1/85 of its
// radius, Danjon's rule; the Moon's radius k = 0.2725076 Earth radii for the penumbra and
// 0.272281 for the umbra; the type of a central solar eclipse after Meeus, Astronomical
// Algorithms, ch. 54). Greatest eclipse is the instant the shadow's axis passes nearest the
// Earth's centre (solar) or the Moon's centre nearest the Earth's shadow axis (lunar).
std::vector<Event> FindEclipses(const Span& span, const CancelCheck& cancelled = {});
} // namespace almanac
