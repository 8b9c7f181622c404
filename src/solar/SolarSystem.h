// The Solar System model: the bodies of the elements file and their true places at the clock's
// instant, the zoom, the body at the centre, the orbit outlines and the trails, and where each
// mark of a frame of a given size stands. The view paints what it says. Pure; no Qt.
#pragma once

#include "model/Config.h"
#include "solar/Orbit.h"
#include "solar/SolarBody.h"
#include "solar/SolarReader.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace solar
{
// The Sun's index among the marks and trails of a frame, after the slots of the table.
constexpr int kSunMark = kSolarSlots;
// The most points a trail keeps: about two laps of the Earth's orbit at zoom 2 in a window
// 480 pixels high, stepped a pixel at a time. Older points lie under those of later laps; past this
// bound the oldest half goes, so that a view left running for days keeps a bounded memory and
// paints in bounded time.
constexpr size_t kTrailPoints = 4096;

// One mark of a frame: body `body` (a slot, or kSunMark) centred on `at`.
struct Mark
{
    int body;
    Point at;
};

// What one frame shows: the projection of heliocentric places, the marks in drawing order (the
// Sun, then the bodies in slot order, the body at the centre last) at finite points, and
// whether the shown bodies' orbits are drawn (only about the Sun).
struct Frame
{
    Projection projection;
    std::vector<Mark> marks;
    bool orbits = false;
};

// An orbit as the view draws it: the elements and their outline, heliocentric ecliptic J2000
// in AU (kOutlinePoints points; none when the elements describe no orbit).
struct OrbitOutline
{
    sky::OrbitalElements elements;
    std::vector<sky::Vec3> points;
};

// The bodies of `frame` whose marks lie in the 17 x 17 square round the click `click` (each
// mark read at the pixel it falls in), in slot order; the Sun is none of them.
std::vector<int> BodiesAt(const Frame& frame, Point click);
} // namespace solar

class SolarSystem
{
public:
    // `values`: the options whose 13 Solar System flags say what is shown (Sun, Mercury ..
    // Pluto, comets, orbits, trails).
    explicit SolarSystem(const Setup& values) : values(values) {}

    // Reads "Data\Solobj.dat" into the table, every slot emptied first.
    solar::SolarReadResult ReadSolData();
    // Every body's true place at the clock instant T (local seconds from 1901-01-01 00:00,
    // taken to UT with the computer's time zone), and the outlines of the orbits, made once for
    // each instant. A pure function of T: the same T gives the same places whichever way the
    // clock ran.
    void UpdateSolAngles(uint64_t T);

    // The body in slot `slot` (0..12) as read and placed.
    const SolObjects& SolObj(int slot) const { return table[slot]; }
    // The orbit of slot `slot` at the instant of the places (solar::OutlineElementsOf).
    const solar::OrbitOutline& Outline(int slot) const { return outlines[slot]; }

    // The zoom (solar::kMinZoomScale .. kMaxZoomScale); zooming wipes the trails.
    float Scale() const { return scale; }
    bool CanZoomIn() const { return scale < solar::kMaxZoomScale; }
    bool CanZoomOut() const { return scale > solar::kMinZoomScale; }
    void ZoomIn();
    void ZoomOut();
    // The body at the centre: 0 the Sun, 1 + the slot of a body (1 Mercury .. 11 Encke). A
    // change wipes the trails; a number beyond the last slot's is refused.
    int SystemCenter() const { return centre; }
    void ChangeCenter(int body);
    // The model as it opens: scale 1, the Sun at the centre, no trails.
    void Normal();

    // The frame of a view `width` x `height` logical pixels about its middle.
    solar::Frame LayoutFrame(double width, double height) const;

    // Each mark of `frame` joins its body's trail unless it stands within a pixel of the
    // trail's last point.
    void ExtendTrails(const solar::Frame& frame);
    void WipeTrails();
    // The past places of mark `body` (a slot or kSunMark), oldest first.
    const std::vector<solar::Point>& Trail(int body) const { return trails[body]; }
    bool HasTrails() const;
    // How many times the trails lost points (wiped, or a trail's oldest half dropped): a
    // picture of them made before that is out of date.
    uint64_t TrailCuts() const { return trailCuts; }

private:
    bool Shown(int slot) const;

    const Setup& values;
    SolObjects table[kSolarSlots]{};
    // The Julian date (UT) of the places and outlines; NaN before the first.
    double placedAt = std::nan("");
    std::array<solar::OrbitOutline, kSolarSlots> outlines;
    std::array<std::vector<solar::Point>, kSolarSlots + 1> trails;
    uint64_t trailCuts = 0;
    float scale = 1.0f;
    uint8_t centre = 0;
};
