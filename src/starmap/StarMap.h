// The sky globe's state: where the globe stands in the view and how large it is, whether it
// shows the real sky of the observer's place or the review globe with its own tilt and turn,
// and the sky at the clock's instant (the rotation, the Sun, the Moon and the planets). The
// view asks for changes by intent; the rules (the opening radius, the zoom's steps and bounds,
// the tilt's range) live here alone. Pure; no Qt.
#pragma once

#include "model/Config.h"
#include "sky/Ephemeris.h"
#include "sky/Sky.h"
#include "starmap/Globe.h"
#include "starmap/SkyBodies.h"

#include <array>
#include <cstdint>
#include <optional>

// The Sun or the Moon on the globe.
struct SkyBody
{
    sky::Vec3 direction; // unit vector of date, as the globe draws it
    double ra;           // right ascension J2000, degrees, as the cards give it
    double dec;          // declination J2000, radians
};

// A planet on the globe.
struct PlanetOnSky
{
    bool known;          // a place could be computed
    sky::Vec3 direction; // unit vector of date
    float ra;            // right ascension J2000, degrees
    float dec;           // declination J2000, radians
    float magnitude;     // visual magnitude
    double distance;     // from the Earth, AU
};

// The bodies of the Solar System at the globe's instant. The Moon is drawn where the observer
// sees it: its parallax moves it by up to a degree from its geocentric place.
struct SkyBodies
{
    bool known = false;                        // false until the sky's first instant
    double julianDate = sky::kJulianDateJ2000; // UT
    double deltaT = 0;                         // TT - UT of the instant, seconds
    SkyBody sun{};
    SkyBody moon{};
    sky::MoonPlace moonPlace{}; // with the phase
    double moonBrightLimb = 0;  // position angle of the bright limb from the north of date
    std::array<PlanetOnSky, skybodies::kSkyPlanetCount> planets{};
};

// The UT instant (seconds from 1901-01-01 00:00 UT) of the local clock instant S: the clock less
// its own offset from UT (`utcOffset`, the computer's clock gives one), or less the computer's
// offset at that local date and time; the clock itself with the "Greenwich mean time" option.
int64_t SkyUt(uint64_t S, std::optional<int32_t> utcOffset, bool gmt);

class StarMap
{
public:
    // ---- the globe in the view ----

    // The globe as the view opens in a client area `width` x `height`: the real sky of
    // `location`, centred, half the centre height in radius.
    void Open(double width, double height, const LocationSetup& location);
    // The client area changed size: the globe is centred anew and its radius keeps its
    // proportion to the centre height, whatever zoom it had.
    void FollowClient(double width, double height);
    // Normal conditions: the opening radius, the place's tilt and meridian in the real sky, the
    // level and unturned review globe.
    void Normal(const LocationSetup& location);
    double XCenter() const { return xCenter; }
    double YCenter() const { return yCenter; }
    double Radius() const { return r; }

    bool CanZoomIn() const { return globe::CanZoomIn(r, yCenter); }
    bool CanZoomOut() const { return globe::CanZoomOut(r, yCenter); }
    // One step of the zoom in or out; nothing beyond the bounds.
    void ZoomIn();
    void ZoomOut();

    // The real sky (true) or the review globe.
    bool RealSky() const { return realSky; }
    // The globe that is shown: the real sky (true) or the review globe; normal conditions then
    // set it up.
    void ShowRealSky(bool real) { realSky = real; }

    // The review globe's tilt as its scroll bar shows it: 0 (seen from the south, upside down)
    // to 360, 180 level; the tilt is 180 - position degrees.
    int TiltPosition() const { return tiltPosition; }
    // The review globe tilted to `position` (held within 0..360), or by `degrees` (positive
    // raises the south toward the viewer, as the scroll bar moves down).
    void TiltTo(int position);
    void TiltBy(int degrees) { TiltTo(tiltPosition + degrees); }
    // The review globe turned about its axis by `degrees` (positive moves the stars in front
    // to the left), also for the clock's later instants.
    void TurnBy(double degrees);
    const globe::Tilt& Tilt() const { return tilt; }

    // ---- the sky ----

    // The observer's place: the real sky's tilt, the meridian and the Moon's parallax; the sky
    // of the last instant is turned for it at once.
    void SetLocation(const LocationSetup& location);
    // The sky at the UT instant `ut`, computed once for all the frames that show it: the
    // precession and nutation, the sidereal time, the rotation and the places of the Sun, the
    // Moon and the planets. An instant the sky cannot be computed for keeps the last sky.
    void ShowInstant(int64_t ut);
    // The rotation t: a point of right ascension of date RA stands at angle H = t + RA, degrees.
    double Rotation() const { return t; }
    const SkyBodies& Bodies() const { return bodies; }
    const sky::SkySnapshot& Snapshot() const { return snapshot; }
    // The projection of the globe as it stands.
    globe::View View(bool transparent) const;

private:
    void PlaceBodies();

    double xCenter = 0;
    double yCenter = 0;
    double r = 0;
    bool realSky = true;
    int tiltPosition = 180;
    globe::Tilt tilt = globe::MakeTilt(0);
    double turn = 0;          // the review globe's turn about its axis, degrees
    double latitude = 0;      // the observer's, degrees, for the Moon's parallax
    double eastLongitude = 0; // degrees
    sky::SkySnapshot snapshot;
    double t = 0;
    SkyBodies bodies;
};
