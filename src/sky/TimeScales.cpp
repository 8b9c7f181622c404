#include "sky/TimeScales.h"

#include <cmath>
#include <erfa.h>

namespace sky
{
namespace
{
// A polynomial c[0] + c[1] t + c[2] t^2 + ... by Horner's rule.
template <int N> double Polynomial(const double (&c)[N], double t)
{
    double sum = 0.0;
    for (int k = N - 1; k >= 0; --k)
        sum = sum * t + c[k];
    return sum;
}

double LongTermParabola(double y)
{
    const double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u;
}
} // namespace

double DeltaTSeconds(double jdUt)
{
    // The polynomials are written for y = year + (month - 0.5) / 12; a continuous decimal year
    // stays within a few days of it.
    const double y = 2000.0 + (jdUt - 2451544.5) / 365.2425;
    if (std::isnan(y))
        return y;
    if (y < 1600.0)
        return LongTermParabola(y);
    if (y < 1700.0)
    {
        constexpr double c[] = {120.0, -0.9808, -0.01532, 1.0 / 7129.0};
        return Polynomial(c, y - 1600.0);
    }
    if (y < 1800.0)
    {
        constexpr double c[] = {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0};
        return Polynomial(c, y - 1700.0);
    }
    if (y < 1860.0)
    {
        constexpr double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return Polynomial(c, y - 1800.0);
    }
    if (y < 1900.0)
    {
        constexpr double c[] = {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0};
        return Polynomial(c, y - 1860.0);
    }
    if (y < 1920.0)
    {
        constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return Polynomial(c, y - 1900.0);
    }
    if (y < 1941.0)
    {
        constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return Polynomial(c, y - 1920.0);
    }
    if (y < 1961.0)
    {
        constexpr double c[] = {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0};
        return Polynomial(c, y - 1950.0);
    }
    if (y < 1986.0)
    {
        constexpr double c[] = {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0};
        return Polynomial(c, y - 1975.0);
    }
    if (y < 2005.0)
    {
        constexpr double c[] = {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599};
        return Polynomial(c, y - 2000.0);
    }
    if (y < 2050.0)
    {
        constexpr double c[] = {62.92, 0.32217, 0.005589};
        return Polynomial(c, y - 2000.0);
    }
    if (y < 2150.0)
        return LongTermParabola(y) - 0.5628 * (2150.0 - y);
    return LongTermParabola(y);
}

double TerrestrialFromUniversal(double jdUt)
{
    return jdUt + DeltaTSeconds(jdUt) / 86400.0;
}

std::optional<double> JulianDateFromCalendar(const CalendarDate& date)
{
    if (!(date.DayFraction >= 0.0 && date.DayFraction < 1.0))
        return std::nullopt;
    double mjd0 = 0.0, mjd = 0.0;
    if (eraCal2jd(date.Year, date.Month, date.Day, &mjd0, &mjd) != 0)
        return std::nullopt;
    return mjd0 + mjd + date.DayFraction;
}

std::optional<CalendarDate> CalendarFromJulianDate(double jd)
{
    // eraJd2cal rejects dates outside its range, but a NaN passes its comparisons.
    if (!std::isfinite(jd))
        return std::nullopt;
    // The whole day and its fraction apart keep the fraction's precision.
    const double whole = std::floor(jd);
    CalendarDate date{};
    if (eraJd2cal(whole, jd - whole, &date.Year, &date.Month, &date.Day, &date.DayFraction) != 0)
        return std::nullopt;
    return date;
}
} // namespace sky
