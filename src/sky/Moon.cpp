// The Moon's phases and their names.
#include "sky/Ephemeris.h"
#include "sky/Vector.h"

#include <cmath>

namespace sky
{
MoonPhase PhaseFromElongation(double elongation)
{
    const double e = ReduceDegrees(elongation);
    constexpr MoonPhase principal[] = {MoonPhase::NewMoon, MoonPhase::FirstQuarter,
                                       MoonPhase::FullMoon, MoonPhase::LastQuarter,
                                       MoonPhase::NewMoon};
    constexpr MoonPhase between[] = {MoonPhase::WaxingCrescent, MoonPhase::WaxingGibbous,
                                     MoonPhase::WaningGibbous, MoonPhase::WaningCrescent};
    // The nearest quarter of the cycle (0 to 4, 4 being the next new Moon).
    const int nearest = static_cast<int>(std::floor((e + 45.0) / 90.0));
    if (std::fabs(e - 90.0 * nearest) <= kPrincipalPhaseHalfWidth)
        return principal[nearest];
    return between[static_cast<int>(e / 90.0)];
}

const char* PhaseName(MoonPhase phase)
{
    switch (phase)
    {
    case MoonPhase::NewMoon:
        return "New Moon";
    case MoonPhase::WaxingCrescent:
        return "Waxing Crescent";
    case MoonPhase::FirstQuarter:
        return "First Quarter";
    case MoonPhase::WaxingGibbous:
        return "Waxing Gibbous";
    case MoonPhase::FullMoon:
        return "Full Moon";
    case MoonPhase::WaningGibbous:
        return "Waning Gibbous";
    case MoonPhase::LastQuarter:
        return "Last Quarter";
    case MoonPhase::WaningCrescent:
        return "Waning Crescent";
    }
    return "";
}
} // namespace sky
