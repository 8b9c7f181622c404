// The real sky's time: Universal Time from the simulated local clock and the sidereal time
// that turns the sky. Pure computations; the computer's UTC offset is passed in by the caller.
//
// Instants of UT are counted in seconds from 1901-01-01 00:00:00 UT, the same origin as the
// clock instant of the local clock (time/ClockInstant.h). A local time early on 1 January 1901
// in a zone east of Greenwich lies before that origin in UT, so UT counts are signed.
#pragma once

#include <cstdint>
#include <functional>

namespace skytime
{
// 2000-01-01 12:00:00 UT (Julian day 2451545.0, the epoch J2000.0) in UT seconds: 36159.5 days
// after 1901-01-01 00:00 UT (Julian day 2415385.5).
constexpr int64_t kJ2000 = 3'124'180'800;

// 1901-01-01 00:00:00 UT in seconds of the POSIX count from 1970-01-01 00:00:00 UT.
constexpr int64_t kPosix1901 = -2'177'452'800;

// UT of the local clock instant `local` (seconds from 1901-01-01 00:00:00 local time) when the
// clock runs `utcOffset` seconds ahead of UT (east of Greenwich positive): local - utcOffset.
int64_t UtFromLocal(uint64_t local, int32_t utcOffset);

// A time zone as the computer knows it: the UTC offset in seconds (east positive) in force at
// the UT instant given in UT seconds.
using ZoneOffsetAt = std::function<int32_t(int64_t ut)>;

// The UTC offset to take for the local clock instant `local` in the zone `zone`, so that
// UtFromLocal(local, offset) is the instant the wall clocks showed that local time:
// - a local time that occurs once: that instant's offset;
// - a local time that occurs twice (the clocks went back): the first occurrence, before the
//   change;
// - a local time that never occurs (the clocks went forward over it): the moment of the change,
//   so that a clock stepped through the skipped hour holds the sky still instead of turning it
//   an hour back when it comes out of the gap.
// Changes of the zone's rule are taken to lie at least four days apart.
int32_t UtcOffsetAtLocal(uint64_t local, const ZoneOffsetAt& zone);

// Julian centuries of 36525 days from J2000.0 to the UT instant `ut`.
double CenturiesSinceJ2000(int64_t ut);

// Greenwich mean sidereal time at the UT instant `ut`, degrees in [0, 360): the hour angle of
// the mean equinox of date at Greenwich (Meeus, Astronomical Algorithms, 2nd ed., eq. 12.4).
double GreenwichMeanSiderealTime(int64_t ut);

// The general precession in right ascension from J2000.0 to the mean equinox of date, T Julian
// centuries after J2000.0, degrees: zeta + z of the precession angles (Meeus, eq. 21.3,
// 4612.4362" T + 1.39656" T^2 + 0.036201" T^3). A star that stays at its J2000.0 place gains
// this much right ascension as the equinox of date moves back along the equator.
double PrecessionInRightAscension(double T);

// The local sidereal time on the star catalogue's frame, degrees in [0, 360): the J2000.0 right
// ascension on the meridian of east longitude `eastLongitude` degrees (west negative) at the
// UT instant `ut`. This is the mean sidereal time of date, GMST + longitude, less the
// precession that the equinox of date has run up since J2000.0, so that stars drawn at their
// catalogue places cross the meridian when they really do in every year from 1901 to 2999.
double CatalogueSiderealTime(int64_t ut, double eastLongitude);
} // namespace skytime
