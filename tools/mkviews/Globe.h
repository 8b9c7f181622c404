// Globes of the Sun, the planets and the Moon: surface maps (read from a file or painted from
// noise) and a renderer of a lit, turning sphere with limb darkening, an atmosphere's rim and
// rings. Everything is deterministic: the same call gives the same pixels on every build.
#pragma once

#include "Art.h"

#include <QImage>
#include <QString>

// An equirectangular map: longitude -180..180 degrees from left to right, latitude +90 at the
// top row.
class SurfaceMap
{
public:
    SurfaceMap() = default;
    explicit SurfaceMap(const QImage& image);
    bool IsNull() const { return map.isNull(); }
    // Colour at longitude `lon` and latitude `lat` (radians), bilinear, wrapping in longitude.
    Rgb Sample(double lon, double lat) const;
    const QImage& Image() const { return map; }

private:
    QImage map;
};

// The bodies whose maps are painted here.
enum class Body
{
    Sun,
    Mercury,
    Venus,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto
};

// A painted map of `body`, `width` x `width`/2 pixels.
SurfaceMap PaintedMap(Body body, int width);

// How a globe is seen and lit.
struct GlobeLook
{
    double roll = 0.0;    // the north pole's angle from straight up, clockwise, radians
    double incline = 0.2; // the north pole's lean towards the viewer, radians
    // Direction towards the light in view space: x right, y down, z towards the viewer.
    double lightX = -0.6, lightY = -0.3, lightZ = 0.75;
    double ambient = 0.04;  // light on the night side, 0..1
    bool emissive = false;  // the Sun: limb darkening instead of shading
    Rgb rim{0, 0, 0};       // colour of the atmosphere at the limb
    double rimStrength = 0; // 0 for a body without atmosphere
};

// Paints the globe of radius `radius` pixels centred at (cx, cy) over `image` (RGB32), turned
// by `spin` radians (the longitude that faces the viewer is -spin), `samples` x `samples`
// samples per pixel.
void PaintGlobe(QImage& image, double cx, double cy, double radius, const SurfaceMap& map,
                const GlobeLook& look, double spin, int samples = 3);

// Saturn's rings around a globe painted with the same `look` (the ring plane is the equator):
// `front` true paints the half in front of the planet.
void PaintRings(QImage& image, double cx, double cy, double radius, const GlobeLook& look,
                bool front);
