// The Day page: rises, transits, sets and twilights of one place on one day.
#include "almanac/Almanac.h"
#include "almanac/Search.h"
#include "sky/Sky.h"
#include "sky/TimeScales.h"
#include "sky/Vector.h"

#include <algorithm>
#include <functional>
#include <cmath>

namespace almanac
{
namespace
{
using sky::kDegToRad;
using sky::kRadToDeg;
using sky::Vec3;

// Every body's altitude is sampled this often: a body cannot rise and set again between two
// samples without culminating there, and the culminations are sampled too.
constexpr double kGridStep = 10.0 / 1440.0;
// A crossing is refined to half a second.
constexpr double kTolerance = 0.5 / sky::kSecondsPerDay;
// The refraction at the horizon taken for rises and sets, degrees (34', the almanacs'
// standard).
constexpr double kHorizonRefraction = 34.0 / 60.0;
// The nominal solar radius, km (IAU 2015, resolution B3).
constexpr double kSunRadiusKm = 695700.0;
// The Moon's equatorial radius, km (IAU Working Group on Cartographic Coordinates).
constexpr double kMoonRadiusKm = 1738.1;
// Greenwich sidereal time advances this many degrees per day of UT (Meeus, Astronomical
// Algorithms, eq. 12.4).
constexpr double kSiderealDegreesPerDay = 360.98564736629;
// The longest span the Day page accepts: a day of 25 hours and a margin.
constexpr double kLongestDay = 2.0;

// The precession-nutation matrix and the sidereal time of the day's middle serve its every
// instant: the equator of date moves by under 0.1" in half a day.
struct DayFrame
{
    sky::SkySnapshot Sky; // its SiderealTime is set to the instant in question
    double MiddleJd = 0;
    double MiddleSiderealTime = 0;
    Observer Where{};
};

struct Horizontal
{
    double Altitude;   // geometric, topocentric, degrees
    double HourAngle;  // topocentric, degrees in (-180, 180]
    double DistanceKm; // from the observer
};

Horizontal ToHorizontal(DayFrame& frame, const Vec3& j2000, double jd)
{
    frame.Sky.SiderealTime = sky::ReduceDegrees(frame.MiddleSiderealTime +
                                                kSiderealDegreesPerDay * (jd - frame.MiddleJd));
    const Vec3 ofDate = sky::Rotate(frame.Sky.ToDate, j2000);
    const sky::OfDatePlace place =
        sky::TopocentricPlace(frame.Sky, ofDate, frame.Where.Latitude, frame.Where.EastLongitude);
    const double hourAngle = WrapDegrees(
        sky::LocalSiderealTime(frame.Sky, frame.Where.EastLongitude) - place.RightAscension * 15.0);
    const double phi = frame.Where.Latitude * kDegToRad, dec = place.Declination * kDegToRad;
    const double sinAlt = std::sin(phi) * std::sin(dec) +
                          std::cos(phi) * std::cos(dec) * std::cos(hourAngle * kDegToRad);
    return {std::asin(std::clamp(sinAlt, -1.0, 1.0)) * kRadToDeg, hourAngle,
            sky::Length(place.Position) * sky::kKmPerAu};
}

bool IsFinite(const Vec3& v)
{
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

sky::Planet PlanetOf(Body body)
{
    constexpr sky::Planet planets[] = {
        sky::Planet::Mercury, sky::Planet::Venus,  sky::Planet::Mars,   sky::Planet::Jupiter,
        sky::Planet::Saturn,  sky::Planet::Uranus, sky::Planet::Neptune};
    return planets[static_cast<int>(body) - static_cast<int>(Body::Mercury)];
}

// The body's geocentric astrometric place in the snapshot, equatorial J2000, AU.
std::optional<Vec3> PlaceIn(const sky::SkySnapshot& snapshot, Body body)
{
    Vec3 place{};
    if (body == Body::Sun)
        place = snapshot.Sun.Position;
    else if (body == Body::Moon)
        place = snapshot.Moon.Position;
    else
    {
        const sky::SkyPlanet& planet = snapshot.Planets[static_cast<size_t>(PlanetOf(body))];
        if (!planet.Known)
            return std::nullopt;
        place = planet.Place.FromEarth;
    }
    return IsFinite(place) ? std::optional<Vec3>(place) : std::nullopt;
}

// The same computed for the body alone.
std::optional<Vec3> PlaceAt(Body body, double jd)
{
    Vec3 place{};
    if (body == Body::Sun)
        place = sky::SunPlaceAt(jd).Position;
    else if (body == Body::Moon)
        place = sky::MoonPlaceAt(jd).Position;
    else
    {
        const std::optional<sky::PlanetPlace> planet = sky::PlanetPlaceAt(PlanetOf(body), jd);
        if (!planet)
            return std::nullopt;
        place = planet->FromEarth;
    }
    return IsFinite(place) ? std::optional<Vec3>(place) : std::nullopt;
}

double SemiDiameter(Body body, double distanceKm)
{
    if (body == Body::Sun)
        return std::asin(kSunRadiusKm / distanceKm) * kRadToDeg;
    if (body == Body::Moon)
        return std::asin(kMoonRadiusKm / distanceKm) * kRadToDeg;
    return 0.0;
}

// The altitude a body is seen at: the refraction of Meeus's eq. 16.4 (Saemundsson), which
// holds down to a degree below the horizon; below that it shrinks linearly to 0 at the nadir
// so that the altitude stays continuous.
double ApparentAltitude(double altitude)
{
    const double h = std::max(altitude, -1.0);
    double refraction = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * kDegToRad) / 60.0;
    if (altitude < -1.0)
        refraction *= (altitude + 90.0) / 89.0;
    return altitude + refraction;
}

struct Sample
{
    double Jd;
    double Value;
};

// The instants within the grid's range where `value` (an hour angle, degrees) passes through
// `target` increasing, refined with `exact`.
template <class Exact>
std::vector<double> AngleCrossings(const std::vector<double>& times,
                                   const std::vector<Horizontal>& samples, double target,
                                   const Exact& exact)
{
    std::vector<double> out;
    for (size_t k = 0; k + 1 < samples.size(); ++k)
    {
        const double d0 = WrapDegrees(samples[k].HourAngle - target);
        const double d1 = WrapDegrees(samples[k + 1].HourAngle - target);
        if (!(d0 < 0.0 && d1 >= 0.0 && d1 - d0 < 180.0))
            continue;
        const auto f = [&](double jd) { return WrapDegrees(exact(jd).HourAngle - target); };
        const double root = FindRoot(f, times[k], times[k + 1], d0, d1, kTolerance);
        if (std::isfinite(root))
            out.push_back(root);
    }
    return out;
}

// The crossings of zero by `value` over the samples, refined with `value` itself: climbing
// ones into `ups`, sinking ones into `downs`, both within [start, end).
template <class Value>
void ZeroCrossings(const std::vector<Sample>& samples, const Value& value, double start, double end,
                   std::vector<double>& ups, std::vector<double>& downs)
{
    for (size_t k = 0; k + 1 < samples.size(); ++k)
    {
        const Sample& a = samples[k];
        const Sample& b = samples[k + 1];
        const bool up = a.Value < 0.0 && b.Value >= 0.0;
        const bool down = a.Value >= 0.0 && b.Value < 0.0;
        if (!up && !down)
            continue;
        const double root = FindRoot(value, a.Jd, b.Jd, a.Value, b.Value, kTolerance);
        if (std::isfinite(root) && root >= start && root < end)
            (up ? ups : downs).push_back(root);
    }
}

DayCourse CourseOf(const std::vector<double>& ups, const std::vector<double>& downs,
                   double firstValue)
{
    if (!ups.empty() || !downs.empty())
        return DayCourse::RisesOrSets;
    return firstValue >= 0.0 ? DayCourse::AlwaysUp : DayCourse::NeverRises;
}

bool IsValid(const Observer& observer, const Span& day)
{
    return std::isfinite(observer.Latitude) && std::fabs(observer.Latitude) <= 90.0 &&
           std::isfinite(observer.EastLongitude) && day.Start >= sky::kFirstValidJulianDate &&
           day.End <= sky::kLastValidJulianDate && day.End > day.Start &&
           day.End - day.Start <= kLongestDay;
}
} // namespace

namespace
{
// The day's altitudes of every body on the search grid: one sky per grid point serves them all.
struct DayGrid
{
    std::vector<double> Times;
    std::array<std::vector<Horizontal>, kBodyCount> Samples;
    std::array<bool, kBodyCount> Known{};
};

bool SampleDay(DayFrame& frame, const Span& day, DayGrid& grid)
{
    const int steps = std::max(1, static_cast<int>(std::ceil((day.End - day.Start) / kGridStep)));
    grid.Times.resize(static_cast<size_t>(steps) + 1);
    grid.Known.fill(true);
    for (size_t k = 0; k < grid.Times.size(); ++k)
    {
        const double jd = day.Start + (day.End - day.Start) * static_cast<double>(k) / steps;
        grid.Times[k] = jd;
        sky::SkySnapshot snapshot;
        if (!sky::UpdateSky(snapshot, jd))
            return false;
        for (int b = 0; b < kBodyCount; ++b)
        {
            const std::optional<Vec3> place = PlaceIn(snapshot, static_cast<Body>(b));
            if (!place)
                grid.Known[static_cast<size_t>(b)] = false;
            else
                grid.Samples[static_cast<size_t>(b)].push_back(ToHorizontal(frame, *place, jd));
        }
    }
    return true;
}

// The morning's starts and evening's ends of the three twilights from the Sun's altitudes.
void FindTwilights(const std::vector<Sample>& sunDepth, const std::function<double(double)>& altitude,
                   const Span& day, std::array<TwilightDay, 3>& twilights)
{
    for (size_t t = 0; t < twilights.size(); ++t)
    {
        TwilightDay& twilight = twilights[t];
        twilight.Kind = static_cast<Twilight>(t);
        const double depression = TwilightDepression(twilight.Kind);
        std::vector<Sample> below = sunDepth;
        for (Sample& s : below)
            s.Value += depression;
        ZeroCrossings(
            below, [&](double jd) { return altitude(jd) + depression; }, day.Start, day.End,
            twilight.MorningStarts, twilight.EveningEnds);
        twilight.Course = CourseOf(twilight.MorningStarts, twilight.EveningEnds, below.front().Value);
    }
}

// One body's rises, transits and sets over the day from its grid samples; the Sun's twilights.
void ComputeBody(DayFrame& frame, const Span& day, const DayGrid& grid, Body body,
                 DayPage& page)
{
    const size_t b = static_cast<size_t>(body);
    BodyDay& out = page.Bodies[b];
    out.Which = body;
    if (!grid.Known[b])
        return;
    const std::vector<double>& times = grid.Times;
    const std::vector<Horizontal>& samples = grid.Samples[b];
    const auto exact = [&](double jd) -> Horizontal
    {
        const std::optional<Vec3> place = PlaceAt(body, jd);
        if (!place)
            return {std::nan(""), std::nan(""), std::nan("")};
        return ToHorizontal(frame, *place, jd);
    };
    const auto riseValue = [&](const Horizontal& h)
    { return h.Altitude + SemiDiameter(body, h.DistanceKm) + kHorizonRefraction; };

    // Between two culminations the altitude only climbs or only sinks, so with them among the
    // samples no pair of crossings can hide between two samples.
    const std::vector<double> upper = AngleCrossings(times, samples, 0.0, exact);
    const std::vector<double> lower = AngleCrossings(times, samples, 180.0, exact);
    std::vector<Sample> rising;
    std::vector<Sample> sunDepth; // the Sun's altitude, for the twilights
    for (size_t k = 0; k < samples.size(); ++k)
    {
        rising.push_back({times[k], riseValue(samples[k])});
        sunDepth.push_back({times[k], samples[k].Altitude});
    }
    for (const double jd : upper)
        out.Transits.push_back({jd, ApparentAltitude(exact(jd).Altitude)});
    for (const std::vector<double>* culminations : {&upper, &lower})
        for (const double jd : *culminations)
        {
            const Horizontal h = exact(jd);
            rising.push_back({jd, riseValue(h)});
            sunDepth.push_back({jd, h.Altitude});
        }
    const auto byTime = [](const Sample& x, const Sample& y) { return x.Jd < y.Jd; };
    std::sort(rising.begin(), rising.end(), byTime);
    std::sort(sunDepth.begin(), sunDepth.end(), byTime);
    ZeroCrossings(
        rising, [&](double jd) { return riseValue(exact(jd)); }, day.Start, day.End, out.Rises,
        out.Sets);
    out.Course = CourseOf(out.Rises, out.Sets, rising.front().Value);
    out.Known = true;
    if (body == Body::Sun)
        FindTwilights(sunDepth, [&](double jd) { return exact(jd).Altitude; }, day,
                      page.Twilights);
}
} // namespace

DayPage ComputeDay(const Observer& observer, const Span& day)
{
    DayPage page;
    page.Day = day;
    page.Where = observer;
    if (!IsValid(observer, day))
        return page;

    DayFrame frame;
    frame.Where = observer;
    frame.MiddleJd = 0.5 * (day.Start + day.End);
    if (!sky::UpdateSky(frame.Sky, frame.MiddleJd))
        return page;
    frame.MiddleSiderealTime = frame.Sky.SiderealTime;

    DayGrid grid;
    if (!SampleDay(frame, day, grid))
        return page;
    for (int b = 0; b < kBodyCount; ++b)
        ComputeBody(frame, day, grid, static_cast<Body>(b), page);

    const sky::MoonPlace moon = sky::MoonPlaceAt(frame.MiddleJd);
    page.Moon = {moon.Phase, moon.IlluminatedFraction, moon.Age};
    page.Known = true;
    return page;
}
} // namespace almanac
