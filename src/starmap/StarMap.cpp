#include "starmap/StarMap.h"

#include "time/LocalZone.h"

#include <algorithm>
#include <cmath>

int64_t SkyUt(uint64_t S, std::optional<int32_t> utcOffset, bool gmt)
{
    if (gmt)
        return skytime::UtFromLocal(S, 0);
    // Asked at every instant: a clock stepped across a change of daylight saving, or across
    // years, must take the offset of the date it shows.
    return skytime::UtFromLocal(S, utcOffset ? *utcOffset : skytime::ComputerUtcOffsetAtLocal(S));
}

void StarMap::Open(double width, double height, const LocationSetup& location)
{
    realSky = true;
    xCenter = width * 0.5;
    yCenter = height * 0.5;
    Normal(location);
}

void StarMap::FollowClient(double width, double height)
{
    const double before = yCenter;
    xCenter = width * 0.5;
    yCenter = height * 0.5;
    if (before > 0 && yCenter > 0)
        r *= yCenter / before;
}

void StarMap::ResetRadius()
{
    r = yCenter * 0.5;
}

void StarMap::Normal(const LocationSetup& location)
{
    tiltPosition = 180;
    SetLocation(location);
    if (!realSky)
        tilt = globe::MakeTilt(0);
    ResetRadius();
}

bool StarMap::CanZoomIn() const
{
    return globe::CanZoomIn(r, yCenter);
}

bool StarMap::CanZoomOut() const
{
    return globe::CanZoomOut(r, yCenter);
}

void StarMap::ZoomIn()
{
    if (CanZoomIn())
        r += globe::kZoomStep;
}

void StarMap::ZoomOut()
{
    // In a very small window the radius can be below one step: it stops at 0.
    if (CanZoomOut())
        r = std::max(r - globe::kZoomStep, 0.0);
}

void StarMap::ShowRealSky()
{
    realSky = true;
}

void StarMap::ShowReviewGlobe()
{
    realSky = false;
}

void StarMap::TiltTo(int position)
{
    tiltPosition = std::clamp(position, 0, 360);
    tilt = globe::MakeTilt(180 - tiltPosition);
}

void StarMap::TiltBy(int degrees)
{
    TiltTo(tiltPosition + degrees);
}

void StarMap::TurnBy(double degrees)
{
    ust = globe::ReduceRotation(ust + degrees);
    t = globe::ReduceRotation(t + degrees);
}

void StarMap::SetLocation(const LocationSetup& location)
{
    if (realSky)
        tilt = globe::TiltFromLocation(location);
    ust = globe::MeridianOffset(globe::EastLongitude(location));
    t = globe::StarRotation(ut, ust);
}

void StarMap::ShowInstant(int64_t instant, const skybodies::PlanetElements& elements)
{
    ut = instant;
    t = globe::StarRotation(ut, ust);
    bodies.julianDate = sky::JulianDateFromInstant(ut);
    const sky::SunPlace sun = sky::SunPlaceAt(bodies.julianDate);
    bodies.moonPlace = sky::MoonPlaceAt(bodies.julianDate);
    const auto body = [](double raHours, double decDeg)
    {
        const double ra = raHours * 15.0;
        const double dec = decDeg * sky::kDegToRad;
        return SkyBody{globe::Direction(ra, dec), ra, dec};
    };
    bodies.sun = body(sun.RightAscension, sun.Declination);
    bodies.moon = body(bodies.moonPlace.RightAscension, bodies.moonPlace.Declination);

    const size_t earth = static_cast<size_t>(sky::Planet::Earth);
    for (size_t i = 0; i < bodies.planets.size(); ++i)
    {
        PlanetOnSky& p = bodies.planets[i];
        const sky::Planet which = skybodies::kSkyPlanets[i].planet;
        const size_t slot = static_cast<size_t>(which);
        p.known = elements.usable[earth] && elements.usable[slot];
        if (!p.known)
            continue;
        const sky::PlanetPlace place = sky::PlanetPlaceAt(
            elements.elements[slot], elements.elements[earth], bodies.julianDate);
        p.ra = static_cast<float>(place.RightAscension * 15.0);
        p.dec = static_cast<float>(place.Declination * sky::kDegToRad);
        p.direction = globe::Direction(p.ra, p.dec);
        p.magnitude = static_cast<float>(sky::VisualMagnitude(which, place));
        p.distance = place.Distance;
    }
}

globe::View StarMap::View(bool transparent) const
{
    return globe::MakeView(xCenter, yCenter, r, tilt, t, transparent);
}
