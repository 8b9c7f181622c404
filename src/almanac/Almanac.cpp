// The Almanac's names and the local calendar's spans.
#include "almanac/Almanac.h"

#include "sky/TimeScales.h"

#include <cmath>

namespace almanac
{
namespace
{
// The first and last days the clock shows.
constexpr double kFirstDay = sky::kJulianDate1901;
constexpr double kLastDay = 2816787.5 - 1.0; // 2999-12-31 00:00

// The UT Julian date of local midnight starting the Julian day `jdMidnight` (of the calendar
// date, 0 h) in the zone.
double UtOfLocalMidnight(double jdMidnight, const skytime::ZoneOffsetAt& zone)
{
    const auto local = static_cast<uint64_t>(std::llround((jdMidnight - kFirstDay) * 86400.0));
    const int64_t ut = skytime::UtFromLocal(local, skytime::UtcOffsetAtLocal(local, zone));
    return kFirstDay + static_cast<double>(ut) / sky::kSecondsPerDay;
}

// The span from local midnight of `first` to local midnight of `next` (calendar dates).
std::optional<Span> LocalSpan(const sky::CalendarDate& first, const sky::CalendarDate& next,
                              const skytime::ZoneOffsetAt& zone)
{
    const std::optional<double> start = sky::JulianDateFromCalendar(first);
    const std::optional<double> end = sky::JulianDateFromCalendar(next);
    if (!zone || !start || !end || *start < kFirstDay || *start > kLastDay)
        return std::nullopt;
    return Span{UtOfLocalMidnight(*start, zone), UtOfLocalMidnight(*end, zone)};
}
} // namespace

const char* BodyName(Body body)
{
    constexpr const char* names[] = {"Sun",     "Moon",   "Mercury", "Venus",  "Mars",
                                     "Jupiter", "Saturn", "Uranus",  "Neptune"};
    const int k = static_cast<int>(body);
    return k >= 0 && k < kBodyCount ? names[k] : "";
}

const char* TwilightName(Twilight twilight)
{
    switch (twilight)
    {
    case Twilight::Civil:
        return "Civil twilight";
    case Twilight::Nautical:
        return "Nautical twilight";
    case Twilight::Astronomical:
        return "Astronomical twilight";
    }
    return "";
}

double TwilightDepression(Twilight twilight)
{
    switch (twilight)
    {
    case Twilight::Civil:
        return 6.0;
    case Twilight::Nautical:
        return 12.0;
    case Twilight::Astronomical:
        return 18.0;
    }
    return 0.0;
}

SkyView ViewOf(EventKind kind)
{
    switch (kind)
    {
    case EventKind::Opposition:
    case EventKind::Conjunction:
    case EventKind::InferiorConjunction:
    case EventKind::SuperiorConjunction:
    case EventKind::GreatestEasternElongation:
    case EventKind::GreatestWesternElongation:
        return SkyView::SolarSystem;
    default:
        return SkyView::StarMap;
    }
}

std::optional<Span> LocalDay(int year, int month, int day, const skytime::ZoneOffsetAt& zone)
{
    const std::optional<double> jd = sky::JulianDateFromCalendar({year, month, day, 0.0});
    if (!jd)
        return std::nullopt;
    const std::optional<sky::CalendarDate> next = sky::CalendarFromJulianDate(*jd + 1.0);
    if (!next)
        return std::nullopt;
    return LocalSpan({year, month, day, 0.0}, *next, zone);
}

std::optional<Span> LocalMonth(int year, int month, const skytime::ZoneOffsetAt& zone)
{
    const sky::CalendarDate next = month == 12 ? sky::CalendarDate{year + 1, 1, 1, 0.0}
                                               : sky::CalendarDate{year, month + 1, 1, 0.0};
    return LocalSpan({year, month, 1, 0.0}, next, zone);
}

std::optional<Span> LocalYear(int year, const skytime::ZoneOffsetAt& zone)
{
    return LocalSpan({year, 1, 1, 0.0}, {year + 1, 1, 1, 0.0}, zone);
}
} // namespace almanac
