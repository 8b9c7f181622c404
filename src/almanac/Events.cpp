// The Month and Year pages: the Moon's phases, the seasons, the Earth's apsides, the planets'
// conjunctions, oppositions and elongations, and the Moon's close approaches to the planets.
#include "almanac/Almanac.h"
#include "almanac/Search.h"
#include "sky/Sky.h"
#include "sky/TimeScales.h"
#include "sky/Vector.h"

#include <algorithm>
#include <cmath>
#include <erfa.h>

namespace almanac
{
namespace
{
using sky::kRadToDeg;
using sky::Vec3;

// Events are refined to a second.
constexpr double kTolerance = 1.0 / sky::kSecondsPerDay;
// The longest span the Year page accepts, days.
constexpr double kLongestYear = 400.0;
// The Sun's mean motion in longitude, degrees per day (Meeus, ch. 25: 36000.77 per century).
constexpr double kSunDegreesPerDay = 0.98564736;
// The Moon's approaches the Year page lists: closer than this, degrees.
constexpr double kApproachLimit = 2.0;

bool IsValid(const Span& span, double longest)
{
    return span.Start >= sky::kFirstValidJulianDate && span.End <= sky::kLastValidJulianDate &&
           span.End > span.Start && span.End - span.Start <= longest;
}

bool IsFinite(const Vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// The instant near `guess` at which the increasing angle `angle` (degrees) reaches `target`:
// bracketed within `halfWindow` days either side of the guess, the bracket widened while it
// holds no change of sign. NaN when none is found within the valid range.
template <class Angle>
double FindAngle(const Angle& angle, double target, double guess, double halfWindow)
{
    const auto f = [&](double jd) { return WrapDegrees(angle(jd) - target); };
    double lo = std::max(guess - halfWindow, sky::kFirstValidJulianDate);
    double hi = std::min(guess + halfWindow, sky::kLastValidJulianDate);
    double flo = f(lo), fhi = f(hi);
    for (int widen = 0; widen < 4 && (flo >= 0.0 || fhi < 0.0); ++widen)
    {
        if (flo >= 0.0)
            flo = f(lo = std::max(lo - halfWindow, sky::kFirstValidJulianDate));
        if (fhi < 0.0)
            fhi = f(hi = std::min(hi + halfWindow, sky::kLastValidJulianDate));
    }
    return FindRoot(f, lo, hi, flo, fhi, kTolerance);
}

double MoonElongation(double jd)
{
    return sky::MoonPlaceAt(jd).Elongation;
}

// The J2000 -> mean ecliptic and equinox of date matrix at the UT Julian date `jd` (eraEcm06).
// The longitudes it gives differ from those of the true equinox by the nutation, the same for
// every body, so their differences are those of the true ecliptic of date.
sky::Matrix3 EclipticOfDate(double jd)
{
    const double tt = sky::TerrestrialFromUniversal(jd);
    double m[3][3];
    eraEcm06(sky::kJulianDateJ2000, tt - sky::kJulianDateJ2000, m);
    sky::Matrix3 out{};
    for (size_t r = 0; r < 3; ++r)
        for (size_t c = 0; c < 3; ++c)
            out[r][c] = m[r][c];
    return out;
}

double Longitude(const sky::Matrix3& ecliptic, const Vec3& v)
{
    const Vec3 e = sky::Rotate(ecliptic, v);
    return std::atan2(e.y, e.x) * kRadToDeg;
}

// Ecliptic J2000 longitude and latitude, degrees.
struct EclipticPlace
{
    double Longitude;
    double Latitude;
};

EclipticPlace EclipticJ2000(const Vec3& equatorial)
{
    const Vec3 e = sky::EclipticFromEquatorial(equatorial);
    return {std::atan2(e.y, e.x) * kRadToDeg, std::atan2(e.z, std::hypot(e.x, e.y)) * kRadToDeg};
}

constexpr sky::Planet kPlanets[] = {sky::Planet::Mercury, sky::Planet::Venus,  sky::Planet::Mars,
                                    sky::Planet::Jupiter, sky::Planet::Saturn, sky::Planet::Uranus,
                                    sky::Planet::Neptune};
constexpr size_t kPlanetCount = std::size(kPlanets);
// The planets the Moon's approaches are sought for: Mercury to Saturn.
constexpr size_t kApproachPlanets = 5;

Body BodyOf(sky::Planet planet)
{
    for (size_t k = 0; k < kPlanetCount; ++k)
        if (kPlanets[k] == planet)
            return static_cast<Body>(static_cast<int>(Body::Mercury) + static_cast<int>(k));
    return Body::Sun;
}

// The Sun and a planet seen from the Earth at one instant.
struct PlanetAndSun
{
    Vec3 Planet; // geocentric, astrometric, equatorial J2000, AU
    Vec3 Sun;
};

std::optional<PlanetAndSun> PlanetAndSunAt(sky::Planet planet, double jd)
{
    const std::optional<sky::PlanetPlace> place = sky::PlanetPlaceAt(planet, jd);
    if (!place)
        return std::nullopt;
    // The Sun seen from the Earth is the planet from the Earth less the planet from the Sun.
    return PlanetAndSun{place->FromEarth, place->FromEarth - place->FromSun};
}

// The planet's geocentric ecliptic longitude of date less the Sun's, degrees in (-180, 180].
double LongitudeFromSun(sky::Planet planet, double jd)
{
    const std::optional<PlanetAndSun> p = PlanetAndSunAt(planet, jd);
    if (!p)
        return std::nan("");
    const sky::Matrix3 ecliptic = EclipticOfDate(jd);
    return WrapDegrees(Longitude(ecliptic, p->Planet) - Longitude(ecliptic, p->Sun));
}

// The angle between the planet and the Sun seen from the Earth, degrees.
double ElongationOf(sky::Planet planet, double jd)
{
    const std::optional<PlanetAndSun> p = PlanetAndSunAt(planet, jd);
    return p ? sky::AngleBetween(p->Planet, p->Sun) * kRadToDeg : std::nan("");
}

double MoonSeparation(sky::Planet planet, double jd)
{
    const std::optional<sky::PlanetPlace> place = sky::PlanetPlaceAt(planet, jd);
    const Vec3 moon = sky::MoonPlaceAt(jd).Position;
    if (!place || !IsFinite(moon))
        return std::nan("");
    return sky::AngleBetween(moon, place->FromEarth) * kRadToDeg;
}

// One day of the Year page's grid: the places of one sky snapshot.
struct DaySample
{
    double Jd = 0;
    bool Known = false;
    Vec3 Sun{};
    Vec3 Moon{};
    std::array<Vec3, kPlanetCount> Planets{};
    sky::Matrix3 Ecliptic{};
};

std::vector<DaySample> SampleDays(const Span& span, const CancelCheck& cancelled)
{
    std::vector<DaySample> days;
    const double first = std::max(span.Start - 1.0, sky::kFirstValidJulianDate);
    const double last = std::min(span.End + 1.0, sky::kLastValidJulianDate);
    for (double jd = first; jd <= last; jd += 1.0)
    {
        if (cancelled && days.size() % 32 == 0 && cancelled())
            return {};
        DaySample day;
        day.Jd = jd;
        sky::SkySnapshot snapshot;
        if (sky::UpdateSky(snapshot, jd))
        {
            day.Known = IsFinite(snapshot.Sun.Position) && IsFinite(snapshot.Moon.Position);
            day.Sun = snapshot.Sun.Position;
            day.Moon = snapshot.Moon.Position;
            for (size_t k = 0; k < kPlanetCount; ++k)
            {
                const sky::SkyPlanet& p = snapshot.Planets[static_cast<size_t>(kPlanets[k])];
                day.Known = day.Known && p.Known;
                day.Planets[k] = p.Place.FromEarth;
            }
            day.Ecliptic = EclipticOfDate(jd);
        }
        days.push_back(day);
    }
    return days;
}

class YearSearch
{
public:
    YearSearch(const Span& span, const CancelCheck& cancelled) : span_(span), cancelled_(cancelled)
    {
    }

    // Once the check has said stop, it is not asked again.
    bool Cancelled()
    {
        stopped_ = stopped_ || (cancelled_ && cancelled_());
        return stopped_;
    }
    std::vector<Event>& Events() { return events_; }

    void Add(EventKind kind, double jd, Body subject = Body::Sun, double degrees = 0.0)
    {
        if (std::isfinite(jd) && jd >= span_.Start && jd < span_.End)
            events_.push_back({kind, jd, subject, degrees, EclipseType::None});
    }

    bool FindSeasons()
    {
        constexpr EventKind kinds[] = {EventKind::MarchEquinox, EventKind::JuneSolstice,
                                       EventKind::SeptemberEquinox, EventKind::DecemberSolstice};
        const auto longitude = [](double jd) { return sky::ApparentSunAt(jd).Longitude; };
        const double first = longitude(span_.Start);
        if (!std::isfinite(first))
            return false;
        int quarter = static_cast<int>(std::floor(first / 90.0)) + 1;
        double guess = span_.Start + (quarter * 90.0 - first) / kSunDegreesPerDay;
        for (;;)
        {
            if (Cancelled())
                return false;
            const double jd = FindAngle(longitude, (quarter % 4) * 90.0, guess, 5.0);
            if (!std::isfinite(jd) || jd >= span_.End)
                return true;
            Add(kinds[quarter % 4], jd);
            ++quarter;
            guess = jd + 90.0 / kSunDegreesPerDay;
        }
    }

    // The Earth's distance changes its sense of motion only at perihelion and aphelion: the
    // Moon's pull moves the Earth's centre by 4,700 km a month, 40 times less than the
    // ellipse's radial motion.
    bool FindApsides()
    {
        constexpr double step = 5.0;
        const auto rate = [](double jd) { return sky::EarthSunDistanceAt(jd).Rate; };
        double t0 = std::max(span_.Start - step, sky::kFirstValidJulianDate);
        double r0 = rate(t0);
        while (t0 < span_.End)
        {
            if (Cancelled())
                return false;
            const double t1 = std::min(t0 + step, sky::kLastValidJulianDate);
            if (t1 <= t0)
                break;
            const double r1 = rate(t1);
            if ((r0 < 0.0) != (r1 < 0.0))
                Add(r0 < 0.0 ? EventKind::Perihelion : EventKind::Aphelion,
                    FindRoot(rate, t0, t1, r0, r1, kTolerance));
            t0 = t1;
            r0 = r1;
        }
        return true;
    }

    bool FindPlanetEvents(const std::vector<DaySample>& days)
    {
        for (size_t p = 0; p < kPlanetCount; ++p)
        {
            if (Cancelled())
                return false;
            const sky::Planet planet = kPlanets[p];
            const bool inner = planet == sky::Planet::Mercury || planet == sky::Planet::Venus;
            std::vector<double> fromSun(days.size()), elongation(days.size());
            for (size_t k = 0; k < days.size(); ++k)
            {
                const DaySample& d = days[k];
                fromSun[k] =
                    WrapDegrees(Longitude(d.Ecliptic, d.Planets[p]) - Longitude(d.Ecliptic, d.Sun));
                elongation[k] = sky::AngleBetween(d.Planets[p], d.Sun) * kRadToDeg;
            }
            const auto exact = [planet](double jd) { return LongitudeFromSun(planet, jd); };
            for (size_t k = 0; k + 1 < days.size(); ++k)
            {
                if (!days[k].Known || !days[k + 1].Known)
                    continue;
                for (const double target : {0.0, 180.0})
                {
                    if (inner && target != 0.0)
                        continue;
                    const double a = WrapDegrees(fromSun[k] - target);
                    const double b = WrapDegrees(fromSun[k + 1] - target);
                    if ((a < 0.0) == (b < 0.0) || std::fabs(b - a) > 90.0)
                        continue;
                    const auto f = [&](double jd) { return WrapDegrees(exact(jd) - target); };
                    const double jd = FindRoot(f, days[k].Jd, days[k + 1].Jd, a, b, kTolerance);
                    EventKind kind = target == 0.0 ? EventKind::Conjunction : EventKind::Opposition;
                    if (inner)
                        kind =
                            b < a ? EventKind::InferiorConjunction : EventKind::SuperiorConjunction;
                    Add(kind, jd, BodyOf(planet));
                }
                if (inner && k > 0 && days[k - 1].Known && elongation[k] > elongation[k - 1] &&
                    elongation[k] >= elongation[k + 1])
                {
                    const Minimum most =
                        FindMinimum([planet](double jd) { return -ElongationOf(planet, jd); },
                                    days[k - 1].Jd, days[k + 1].Jd, kTolerance);
                    const bool east = LongitudeFromSun(planet, most.At) > 0.0;
                    Add(east ? EventKind::GreatestEasternElongation
                             : EventKind::GreatestWesternElongation,
                        most.At, BodyOf(planet), -most.Value);
                }
            }
        }
        return true;
    }

    // The Moon passes each planet in longitude once a month; only where their latitudes then
    // differ by little can the least separation be under the limit (it is at least the
    // latitudes' difference times the cosine of the Moon's path's tilt to the ecliptic, under
    // 7 degrees).
    bool FindMoonApproaches(const std::vector<DaySample>& days)
    {
        constexpr double latitudeLimit = kApproachLimit + 0.5;
        for (size_t p = 0; p < kApproachPlanets; ++p)
        {
            if (Cancelled())
                return false;
            const sky::Planet planet = kPlanets[p];
            for (size_t k = 0; k + 1 < days.size(); ++k)
            {
                if (!days[k].Known || !days[k + 1].Known)
                    continue;
                const EclipticPlace m0 = EclipticJ2000(days[k].Moon);
                const EclipticPlace m1 = EclipticJ2000(days[k + 1].Moon);
                const EclipticPlace p0 = EclipticJ2000(days[k].Planets[p]);
                const EclipticPlace p1 = EclipticJ2000(days[k + 1].Planets[p]);
                const double a = WrapDegrees(m0.Longitude - p0.Longitude);
                const double b = WrapDegrees(m1.Longitude - p1.Longitude);
                if (!(a < 0.0 && b >= 0.0 && b - a < 90.0))
                    continue;
                const double f = -a / (b - a);
                const double latitude =
                    (1.0 - f) * (m0.Latitude - p0.Latitude) + f * (m1.Latitude - p1.Latitude);
                if (std::fabs(latitude) > latitudeLimit)
                    continue;
                const double conjunction = days[k].Jd + f;
                const Minimum least =
                    FindMinimum([planet](double jd) { return MoonSeparation(planet, jd); },
                                conjunction - 0.25, conjunction + 0.25, kTolerance);
                if (least.Value < kApproachLimit)
                    Add(EventKind::MoonApproach, least.At, BodyOf(planet), least.Value);
            }
        }
        return true;
    }

private:
    Span span_;
    const CancelCheck& cancelled_;
    bool stopped_ = false;
    std::vector<Event> events_;
};

sky::MoonPhase PrincipalPhase(int quarter)
{
    constexpr sky::MoonPhase phases[] = {sky::MoonPhase::NewMoon, sky::MoonPhase::FirstQuarter,
                                         sky::MoonPhase::FullMoon, sky::MoonPhase::LastQuarter};
    return phases[quarter % 4];
}
} // namespace

std::vector<PhaseEvent> FindMoonPhases(const Span& span)
{
    std::vector<PhaseEvent> phases;
    if (!(span.Start >= sky::kFirstValidJulianDate && span.End <= sky::kLastValidJulianDate &&
          span.End > span.Start))
        return phases;
    const double first = MoonElongation(span.Start);
    if (!std::isfinite(first))
        return phases;
    // The Moon's elongation grows by 12.2 degrees a day on average; a quarter of the month
    // lasts 6.5 to 8.5 days, so the guess is good to a day and a half.
    int quarter = static_cast<int>(std::floor(first / 90.0)) + 1;
    double guess = span.Start + (quarter * 90.0 - first) / 360.0 * sky::kSynodicMonth;
    for (;;)
    {
        const double jd = FindAngle(MoonElongation, (quarter % 4) * 90.0, guess, 1.5);
        if (!std::isfinite(jd) || jd >= span.End)
            break;
        if (jd >= span.Start)
            phases.push_back({PrincipalPhase(quarter), jd});
        ++quarter;
        guess = jd + sky::kSynodicMonth / 4.0;
    }
    return phases;
}

YearEvents ComputeYear(const Span& span, const CancelCheck& cancelled)
{
    YearEvents result;
    if (!IsValid(span, kLongestYear))
        return result;
    YearSearch search(span, cancelled);
    const CancelCheck check = [&search] { return search.Cancelled(); };
    bool complete = search.FindSeasons() && search.FindApsides();
    if (complete)
    {
        const std::vector<DaySample> days = SampleDays(span, check);
        complete =
            !days.empty() && search.FindPlanetEvents(days) && search.FindMoonApproaches(days);
    }
    if (complete)
    {
        const std::vector<Event> eclipses = FindEclipses(span, check);
        complete = !search.Cancelled();
        search.Events().insert(search.Events().end(), eclipses.begin(), eclipses.end());
    }
    result.Events = std::move(search.Events());
    std::stable_sort(result.Events.begin(), result.Events.end(),
                     [](const Event& a, const Event& b)
                     { return a.JulianDateUt < b.JulianDateUt; });
    result.Complete = complete;
    return result;
}
} // namespace almanac
