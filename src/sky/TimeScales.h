// Time scales and the calendar: Delta T, the difference of Terrestrial Time, in which the
// ephemeris is written, and Universal Time, which the program's clock keeps; the Julian date of
// a Gregorian calendar date and back (ERFA's eraCal2jd and eraJd2cal). Pure; no state, no Qt.
#pragma once

#include <optional>

namespace sky
{
// The instants the sky is computed for: from two days before 1901-01-01 00:00 UT to two days
// after 2999-12-31 24:00 UT, the clock's range with the margin an almanac searches beyond it.
constexpr double kFirstValidJulianDate = 2415385.5 - 2.0;
constexpr double kLastValidJulianDate = 2816787.5 + 2.0;

// Delta T = TT - UT in seconds at the Julian date `jdUt` (UT), from the polynomials of Espenak
// and Meeus (NASA Eclipse web site, "Polynomial Expressions for Delta T", 2006) with their
// decimal year y = 2000 + (jdUt - 2451544.5) / 365.2425: one polynomial per span of years from
// 1600 to 2150, then the long-term parabola -20 + 32 ((y - 1820) / 100)^2 s, which is also
// taken before 1600. -1.4 s in 1901, 63.9 s in 2000, 4,430 s in 2999. NaN for NaN.
double DeltaTSeconds(double jdUt);

// The Julian date in TT of the Julian date `jdUt` in UT: jdUt + DeltaTSeconds(jdUt) / 86400.
double TerrestrialFromUniversal(double jdUt);

// A date of the proleptic Gregorian calendar.
struct CalendarDate
{
    int Year;           // astronomical numbering: 0 is 1 BC
    int Month;          // 1..12
    int Day;            // 1..31
    double DayFraction; // 0 <= f < 1, from midnight
};

// The Julian date of `date` (eraCal2jd, plus the fraction of the day); empty when the year is
// before -4799 or the month or the day of the month does not exist, or the fraction is not in
// [0, 1).
std::optional<double> JulianDateFromCalendar(const CalendarDate& date);

// The calendar date of the Julian date `jd` (eraJd2cal); empty for a value that is not finite
// or outside ERFA's range (-68569.5 to 1e9).
std::optional<CalendarDate> CalendarFromJulianDate(double jd);
} // namespace sky
