// Shared drawing helpers of the media generator: a repeatable random source, 3-D value noise,
// shaded spheres for the planets, star fields and picture writers. Everything here is
// deterministic: the same call gives the same pixels on every build.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

// SplitMix64 (Steele, Lea, Flood, "Fast splittable pseudorandom number generators", 2014):
// small, fast and the same on every platform, unlike the standard distributions.
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : state(seed) {}
    // Next raw 64-bit value.
    std::uint64_t Next();
    // Uniform value in [0, 1).
    double Uniform();
    // Uniform value in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

private:
    std::uint64_t state;
};

// Smooth 3-D value noise in [0, 1] on an integer lattice hashed with `seed`.
double ValueNoise(double x, double y, double z, std::uint32_t seed);
// Fractal sum of `octaves` value-noise layers (each twice the frequency, half the weight), [0, 1].
double Fbm(double x, double y, double z, int octaves, std::uint32_t seed);

// A linear colour with components in [0, 1] (values above 1 are clipped when written).
struct Rgb
{
    double r = 0, g = 0, b = 0;
};
Rgb Mix(const Rgb& a, const Rgb& b, double t);
Rgb FromQt(const QColor& c);
QRgb ToQRgb(const Rgb& c);

// The surfaces the generator can paint on a sphere.
enum class Surface
{
    Sun,
    Mercury,
    Venus,
    Earth,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Moon,
    Comet
};

// Colour of `surface` at the unit-sphere point (x, y, z), z along the body's axis.
Rgb SurfaceColour(Surface surface, double x, double y, double z);

struct SphereView
{
    double tilt = 0.0;     // rotation of the axis in the picture plane, radians
    double incline = 0.35; // axis leaning towards the viewer, radians
    double spin = 0.0;     // rotation about the axis, radians
    double lightX = -0.55, lightY = -0.45, lightZ = 0.70; // light direction (y points down)
    double ambient = 0.18;                                // light on the night side, 0..1
};

// Paints a shaded sphere of radius `radius` pixels centred at (cx, cy) onto an RGB32 or ARGB32
// image, blending its antialiased edge over what is there. `samples` is the supersampling per axis.
void PaintSphere(QImage& image, double cx, double cy, double radius, Surface surface,
                 const SphereView& view, int samples = 4);

// Paints a planetary ring (inner and outer radius in pixels, opening `opening` = sine of the
// ring's tilt towards the viewer, `angle` its slope in radians) around a sphere at (cx, cy);
// `front` selects the half in front of the planet (drawn after the planet) or the half behind.
void PaintRing(QImage& image, double cx, double cy, double inner, double outer, double opening,
               double angle, bool front, int samples = 4);

// Scatters `count` stars over `image` (seeded), brighter ones with a soft glow and spikes.
void PaintStarField(QImage& image, int count, std::uint64_t seed, double brightness = 1.0);

// Adds coloured nebula wisps (fractal noise) of strength 0..1 over the image.
void PaintNebula(QImage& image, const Rgb& colourA, const Rgb& colourB, double strength,
                 std::uint32_t seed, double scale);

// Adds a radial glow of `colour`, strength falling off as exp(-(d / radius)^2).
void PaintGlow(QImage& image, double cx, double cy, double radius, const Rgb& colour,
               double strength);

// Writes `image` as a 24-bit BMP; returns false on failure.
bool SaveBmp24(const QImage& image, const QString& path);
// Writes `image` as an 8-bit palettised BMP with its own exact palette (at most 256 colours).
bool SaveBmp8(const QImage& image, const QString& path);
// Writes a 1-bit BMP: pixels whose colour equals `whiteWhere` become white, all others black.
bool SaveBmp1(const QImage& image, const QString& path, QRgb whiteWhere);
// Writes an ARGB PNG.
bool SavePng(const QImage& image, const QString& path);
