// The Sun's geocentric place.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
SunPlace SunPlaceAt(double jd)
{
    const double T = CenturiesSinceJ2000(jd);
    // Meeus, ch. 25: mean longitude, mean anomaly, eccentricity, equation of centre.
    const double L0 = 280.46646 + T * (36000.76983 + T * 0.0003032);
    const double M = (357.52911 + T * (35999.05029 - T * 0.0001537)) * kDegToRad;
    const double e = 0.016708634 - T * (0.000042037 + T * 0.0000001267);
    const double C = (1.914602 - T * (0.004817 + T * 0.000014)) * std::sin(M) +
                     (0.019993 - T * 0.000101) * std::sin(2.0 * M) + 0.000289 * std::sin(3.0 * M);
    const double longitude = L0 + C; // true geometric longitude, mean equinox of date
    const double nu = M + C * kDegToRad;
    const double R = 1.000001018 * (1.0 - e * e) / (1.0 + e * std::cos(nu));

    // The Sun's latitude on the ecliptic of date stays under 1".
    const Vec3 ofDate =
        MeanEquatorFromMeanEcliptic(FromSpherical(longitude * kDegToRad, 0.0, R), T);

    SunPlace sun{};
    sun.Position = J2000FromMeanEquatorOfDate(ofDate, T);
    const Equatorial eq = EquatorialFromVector(sun.Position);
    sun.RightAscension = eq.RightAscension;
    sun.Declination = eq.Declination;
    sun.Distance = R;
    sun.Longitude = ReduceDegrees(longitude);
    return sun;
}
} // namespace sky
