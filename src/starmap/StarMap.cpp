#include "starmap/StarMap.h"

#include "sky/Vector.h"
#include "time/LocalZone.h"
#include "time/SkyTime.h"

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

void StarMap::Normal(const LocationSetup& location)
{
    tiltPosition = 180;
    SetLocation(location);
    if (!realSky)
        tilt = globe::MakeTilt(0);
    r = yCenter * 0.5;
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

void StarMap::TiltTo(int position)
{
    tiltPosition = std::clamp(position, 0, 360);
    tilt = globe::MakeTilt(180 - tiltPosition);
}

void StarMap::TurnBy(double degrees)
{
    turn = globe::ReduceRotation(turn + degrees);
    t = globe::ReduceRotation(t + degrees);
}

void StarMap::SetLocation(const LocationSetup& location)
{
    if (realSky)
        tilt = globe::TiltFromLocation(location);
    latitude = globe::Latitude(location);
    eastLongitude = globe::EastLongitude(location);
    turn = 0;
    if (snapshot.Known)
        PlaceBodies();
}

void StarMap::ShowInstant(int64_t ut)
{
    if (sky::UpdateSky(snapshot, sky::JulianDateFromInstant(ut)))
        PlaceBodies();
}

void StarMap::PlaceBodies()
{
    // The meridian stands at H = -90: the local apparent sidereal time is the right ascension
    // of date there.
    t = globe::ReduceRotation(-90.0 - sky::LocalSiderealTime(snapshot, eastLongitude) + turn);
    const auto unit = [](const sky::Vec3& v)
    {
        const double n = sky::Length(v);
        return n > 0 ? (1.0 / n) * v : v;
    };
    const auto body = [&](const sky::Vec3& ofDate, double raHours, double decDeg) {
        return SkyBody{unit(ofDate), raHours * 15.0, decDeg * sky::kDegToRad};
    };
    bodies.known = true;
    bodies.julianDate = snapshot.JulianDateUt;
    bodies.deltaT = snapshot.DeltaT;
    bodies.sun =
        body(snapshot.SunOfDate.Position, snapshot.Sun.RightAscension, snapshot.Sun.Declination);
    const sky::OfDatePlace moon =
        sky::TopocentricPlace(snapshot, snapshot.MoonOfDate.Position, latitude, eastLongitude);
    bodies.moon = body(moon.Position, snapshot.Moon.RightAscension, snapshot.Moon.Declination);
    bodies.moonPlace = snapshot.Moon;
    bodies.moonBrightLimb = snapshot.MoonBrightLimbOfDate;
    for (size_t i = 0; i < bodies.planets.size(); ++i)
    {
        const sky::SkyPlanet& from =
            snapshot.Planets[static_cast<size_t>(skybodies::kSkyPlanets[i].planet)];
        PlanetOnSky& p = bodies.planets[i];
        p.known = from.Known;
        if (!p.known)
            continue;
        p.direction = unit(from.OfDate.Position);
        p.ra = static_cast<float>(from.Place.RightAscension * 15.0);
        p.dec = static_cast<float>(from.Place.Declination * sky::kDegToRad);
        p.magnitude = static_cast<float>(from.Magnitude);
        p.distance = from.Place.Distance;
    }
}

globe::View StarMap::View(bool transparent) const
{
    return globe::MakeView(xCenter, yCenter, r, tilt, t, transparent);
}
