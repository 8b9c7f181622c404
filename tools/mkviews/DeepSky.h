// Rendered views of galaxies and nebulae: light is added into a floating-point sky, dust takes
// it away, and the sky is developed into a picture like a photograph. The shapes follow the
// published appearance of each object (arms, dust lanes, shells, pillars); the pictures are our
// own renderings, not photographs.
#pragma once

#include "Art.h"

#include <QImage>
#include <cstdint>
#include <vector>

// A linear-light sky of w x h pixels.
class Sky
{
public:
    Sky(int w, int h);
    int Width() const { return w; }
    int Height() const { return h; }
    Rgb& At(int x, int y) { return px[size_t(y) * w + x]; }

    // Adds a round Gaussian glow of `sigma` pixels with peak `amp`.
    void Glow(double cx, double cy, double sigma, const Rgb& colour, double amp);
    // Adds a star: a sharp core with a halo; `bright` 0..1; spikes for the brightest.
    void Star(double x, double y, double bright, const Rgb& colour, bool spikes = false);
    // Scatters `count` field stars.
    void StarField(int count, uint32_t seed, double brightness = 1.0);
    // Multiplies every pixel by exp(-opacity(x, y)).
    template <class F> void Absorb(F opacity)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const double k = std::exp(-opacity(x + 0.5, y + 0.5));
                Rgb& p = At(x, y);
                p = {p.r * k, p.g * k, p.b * k};
            }
    }
    // Adds light(x, y) to every pixel.
    template <class F> void Emit(F light)
    {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
            {
                const Rgb l = light(x + 0.5, y + 0.5);
                Rgb& p = At(x, y);
                p = {p.r + l.r, p.g + l.g, p.b + l.b};
            }
    }
    // Develops the sky: 1 - exp(-exposure * light) per channel.
    QImage Develop(double exposure) const;

private:
    int w, h;
    std::vector<Rgb> px;
};

// A disc galaxy seen at an angle.
struct GalaxyShape
{
    double cx = 0, cy = 0;  // centre, pixels
    double radius = 100;    // radius of the visible disc, pixels
    double axisRatio = 1.0; // minor / major axis (cosine of the inclination)
    double angle = 0.0;     // slope of the major axis, radians
    int arms = 2;
    double pitch = 0.35;   // pitch angle of the arms, radians
    double armPhase = 0.0; // turns the pattern, radians
    double armSharpness = 6;
    double armLight = 1.0;
    double flocculence = 0.4; // 0 smooth grand-design arms .. 1 patchy
    double bulge = 0.12;      // bulge radius / disc radius
    double bulgeLight = 1.0;
    double dust = 1.0; // strength of the dust lanes
    int knots = 60;    // star-forming regions along the arms
    double brightness = 1.0;
    uint32_t seed = 1;
    Rgb armColour{0.62, 0.72, 1.0};
    Rgb discColour{0.95, 0.88, 0.78};
    Rgb coreColour{1.0, 0.86, 0.62};
};

// Adds the galaxy's light to `sky` and its dust's absorption.
void AddGalaxy(Sky& sky, const GalaxyShape& g);

// The rendered views. Each returns a 512 x 384 picture.
QImage RenderGalaxyM100();
QImage RenderGalaxyM33();
QImage RenderGalaxyNgc253();
QImage RenderToadstool(bool closeUp);
QImage RenderWhirlpool();
QImage RenderGalaxyAndQuasar();
QImage RenderCatsEye();
QImage RenderCrab();
// The Pillars of Creation in the Eagle Nebula M16, close up.
QImage RenderEaglePillars();
QImage RenderTrifid();
