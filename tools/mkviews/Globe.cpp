#include "Globe.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
constexpr double kPi = 3.14159265358979323846;

double Clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double Smooth(double e0, double e1, double x)
{
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3 - 2 * t);
}

Rgb Scale(const Rgb& c, double k)
{
    return {c.r * k, c.g * k, c.b * k};
}

// The unit vector of a map pixel's centre.
struct Dir
{
    double x, y, z; // z along the north pole
};
Dir MapDir(int px, int py, int w, int h)
{
    const double lon = (px + 0.5) / w * 2 * kPi - kPi;
    const double lat = kPi / 2 - (py + 0.5) / h * kPi;
    return {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
}

// A spot on a sphere at (lon, lat) with angular radius `size`: calls paint(t) for every map
// pixel within it, t = angular distance / size.
template <class F> void ForSpot(QImage& map, double lon, double lat, double size, F paint)
{
    const int w = map.width(), h = map.height();
    const Dir c{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
    const int y0 = std::max(0, int((kPi / 2 - lat - size) / kPi * h) - 1);
    const int y1 = std::min(h - 1, int((kPi / 2 - lat + size) / kPi * h) + 1);
    for (int y = y0; y <= y1; ++y)
    {
        const double rowLat = kPi / 2 - (y + 0.5) / h * kPi;
        const double cl = std::max(std::cos(rowLat), 1e-3);
        const double span = std::min(kPi, size / cl + 0.02);
        const int xc = int((lon + kPi) / (2 * kPi) * w);
        const int half = int(span / (2 * kPi) * w) + 1;
        for (int dx = -half; dx <= half; ++dx)
        {
            const int x = ((xc + dx) % w + w) % w;
            const Dir d = MapDir(x, y, w, h);
            const double dot = std::clamp(d.x * c.x + d.y * c.y + d.z * c.z, -1.0, 1.0);
            const double t = std::acos(dot) / size;
            if (t < 1.0)
            {
                QRgb* line = reinterpret_cast<QRgb*>(map.scanLine(y));
                const QColor old(line[x]);
                const Rgb now = paint(t, Rgb{old.redF(), old.greenF(), old.blueF()});
                line[x] = ToQRgb(now);
            }
        }
    }
}

template <class F> QImage PaintEach(int w, F colour)
{
    QImage map(w, w / 2, QImage::Format_RGB32);
    for (int y = 0; y < map.height(); ++y)
    {
        QRgb* line = reinterpret_cast<QRgb*>(map.scanLine(y));
        for (int x = 0; x < w; ++x)
        {
            const Dir d = MapDir(x, y, w, map.height());
            const double lat = std::asin(d.z);
            line[x] = ToQRgb(colour(d, lat));
        }
    }
    return map;
}

QImage SunMap(int w)
{
    QImage map = PaintEach(w,
                           [](const Dir& d, double)
                           {
                               // Granulation: fine cells of bright gas with dark lanes.
                               const double g = Fbm(d.x * 60, d.y * 60, d.z * 60, 2, 1101);
                               const double f = Fbm(d.x * 7, d.y * 7, d.z * 7, 3, 1102);
                               const double b = 0.8 + 0.2 * g + 0.06 * (f - 0.5);
                               return Scale(Rgb{1.0, 0.86, 0.60}, b);
                           });
    // Sunspots in the two activity belts: dark umbra inside a lighter penumbra.
    Rng rng(1103);
    for (int group = 0; group < 7; ++group)
    {
        const double lat = (rng.Uniform() < 0.5 ? -1 : 1) * rng.Range(0.12, 0.45);
        const double lon = rng.Range(-1.2, 1.2);
        const int spots = 1 + int(rng.Uniform() * 4);
        for (int s = 0; s < spots; ++s)
        {
            const double size = rng.Range(0.02, 0.045) * (s == 0 ? 1.5 : 1.0);
            const double slon = lon + rng.Range(-0.12, 0.12), slat = lat + rng.Range(-0.04, 0.04);
            ForSpot(map, slon, slat, size * 2.6,
                    [](double t, Rgb c)
                    {
                        return Scale(c, 1.0 + 0.12 * Smooth(1.0, 0.6, t)); // faculae
                    });
            ForSpot(map, slon, slat, size,
                    [](double t, Rgb c)
                    {
                        const double umbra = Smooth(0.5, 0.35, t);
                        const double penumbra = Smooth(1.0, 0.85, t);
                        return Mix(Mix(c, Rgb{0.55, 0.33, 0.16}, penumbra), Rgb{0.16, 0.07, 0.03},
                                   umbra);
                    });
        }
    }
    return map;
}

QImage MercuryMap(int w)
{
    QImage map = PaintEach(
        w,
        [](const Dir& d, double)
        {
            const double n = Fbm(d.x * 3, d.y * 3, d.z * 3, 6, 1201);
            const double m = Fbm(d.x * 12, d.y * 12, d.z * 12, 3, 1202);
            return Mix(Rgb{0.36, 0.34, 0.32}, Rgb{0.66, 0.63, 0.59}, 0.25 + 0.6 * n + 0.15 * m);
        });
    // Impact craters: a dark floor, a bright rim and, for the young ones, bright rays.
    Rng rng(1203);
    for (int i = 0; i < 420; ++i)
    {
        const double lon = rng.Range(-kPi, kPi);
        const double lat = std::asin(rng.Range(-1, 1));
        const double size = std::pow(rng.Uniform(), 3.0) * 0.16 + 0.008;
        const bool young = rng.Uniform() < 0.05;
        if (young)
            ForSpot(map, lon, lat, size * 5,
                    [](double t, Rgb c) {
                        return Mix(c, Rgb{0.82, 0.8, 0.76}, 0.35 * (1 - t) * (1 - t));
                    });
        ForSpot(map, lon, lat, size * 1.25,
                [](double t, Rgb c)
                {
                    const double x = t * 1.25;
                    // A shallow bowl with a raised, slightly brighter rim.
                    if (x < 1.0)
                        return Scale(c, 0.88 + 0.2 * x * x * x * x);
                    return Scale(c, 1.0 + 0.08 * (1.25 - x) / 0.25);
                });
    }
    return map;
}

QImage VenusMap(int w)
{
    return PaintEach(w,
                     [](const Dir& d, double lat)
                     {
                         // Cloud tops: soft streaks swept along the latitudes, brighter towards the
                         // poles.
                         const double warp = Fbm(d.x * 2, d.y * 2, d.z * 2, 3, 1301);
                         const double s = Fbm(d.x * 1.5 + warp, d.y * 1.5 + warp, d.z * 9, 5, 1302);
                         const double polar = Smooth(0.6, 1.3, std::fabs(lat));
                         return Mix(Mix(Rgb{0.80, 0.68, 0.45}, Rgb{0.97, 0.91, 0.74}, s),
                                    Rgb{0.98, 0.95, 0.85}, polar * 0.5);
                     });
}

// A banded giant planet: `bands` lists (latitude in degrees of the band's north edge, colour)
// from north to south; turbulence mixes the edges.
struct Band
{
    double top; // degrees
    Rgb colour;
};
Rgb BandColour(const std::vector<Band>& bands, double latDeg)
{
    for (size_t i = 0; i + 1 < bands.size(); ++i)
        if (latDeg > bands[i + 1].top)
        {
            const double span = bands[i].top - bands[i + 1].top;
            const double t = (latDeg - bands[i + 1].top) / span;
            const double edge = Smooth(0.0, 0.25, t);
            return Mix(bands[i + 1].colour, bands[i].colour, edge);
        }
    return bands.back().colour;
}

QImage JupiterMap(int w)
{
    const std::vector<Band> bands = {
        {90, {0.55, 0.50, 0.45}},  {60, {0.70, 0.62, 0.52}},  {45, {0.80, 0.72, 0.58}},
        {33, {0.62, 0.45, 0.32}},  {27, {0.92, 0.86, 0.74}},  {20, {0.66, 0.42, 0.27}},
        {8, {0.95, 0.90, 0.80}},   {-6, {0.68, 0.44, 0.28}},  {-19, {0.93, 0.88, 0.77}},
        {-29, {0.70, 0.53, 0.38}}, {-37, {0.86, 0.79, 0.66}}, {-48, {0.72, 0.64, 0.54}},
        {-62, {0.55, 0.50, 0.45}}};
    QImage map = PaintEach(w,
                           [&](const Dir& d, double lat)
                           {
                               const double turb = Fbm(d.x * 5, d.y * 5, d.z * 22, 4, 1401) - 0.5;
                               const double fine = Fbm(d.x * 30, d.y * 30, d.z * 60, 2, 1402) - 0.5;
                               const double latDeg = lat * 180 / kPi + 4.5 * turb;
                               return Mix(Scale(BandColour(bands, latDeg), 1.0 + 0.12 * fine),
                                          Rgb{0.85, 0.78, 0.68}, 0.3);
                           });
    // The Great Red Spot and a string of white ovals in the southern temperate belt.
    ForSpot(map, 1.2, -22.0 * kPi / 180, 0.17,
            [](double t, Rgb c)
            {
                const double core = Smooth(1.0, 0.55, t);
                return Mix(c, Rgb{0.78, 0.40, 0.26}, core * 0.85);
            });
    Rng rng(1403);
    for (int i = 0; i < 6; ++i)
        ForSpot(map, rng.Range(-kPi, kPi), -40.0 * kPi / 180 + rng.Range(-0.02, 0.02), 0.05,
                [](double t, Rgb c) {
                    return Mix(c, Rgb{0.96, 0.94, 0.9}, Smooth(1.0, 0.5, t));
                });
    return map;
}

QImage SaturnMap(int w)
{
    const std::vector<Band> bands = {{90, {0.62, 0.60, 0.52}},  {70, {0.76, 0.70, 0.56}},
                                     {50, {0.86, 0.78, 0.60}},  {35, {0.80, 0.70, 0.50}},
                                     {20, {0.93, 0.86, 0.66}},  {-5, {0.96, 0.90, 0.72}},
                                     {-20, {0.88, 0.79, 0.58}}, {-35, {0.82, 0.73, 0.54}},
                                     {-55, {0.74, 0.68, 0.55}}, {-75, {0.64, 0.62, 0.55}}};
    return PaintEach(w,
                     [&](const Dir& d, double lat)
                     {
                         const double turb = Fbm(d.x * 4, d.y * 4, d.z * 20, 4, 1501) - 0.5;
                         const double latDeg = lat * 180 / kPi + 3.0 * turb;
                         return BandColour(bands, latDeg);
                     });
}

QImage UranusMap(int w)
{
    return PaintEach(w,
                     [](const Dir& d, double lat)
                     {
                         const double n = Fbm(d.x * 3, d.y * 3, d.z * 14, 3, 1601);
                         const double polar =
                             Smooth(0.5, 1.4, lat); // the sunlit south pole is brighter
                         return Mix(Mix(Rgb{0.62, 0.84, 0.88}, Rgb{0.68, 0.88, 0.90}, n),
                                    Rgb{0.78, 0.93, 0.94}, polar * 0.6);
                     });
}

QImage NeptuneMap(int w)
{
    const std::vector<Band> bands = {{90, {0.30, 0.45, 0.85}},  {50, {0.24, 0.40, 0.86}},
                                     {25, {0.28, 0.47, 0.92}},  {-10, {0.22, 0.38, 0.85}},
                                     {-45, {0.30, 0.48, 0.90}}, {-70, {0.34, 0.50, 0.88}}};
    QImage map = PaintEach(w,
                           [&](const Dir& d, double lat)
                           {
                               const double turb = Fbm(d.x * 4, d.y * 4, d.z * 18, 4, 1701) - 0.5;
                               return BandColour(bands, lat * 180 / kPi + 5 * turb);
                           });
    // The Great Dark Spot with its white companion clouds, and the small "Scooter".
    ForSpot(map, 0.4, -20.0 * kPi / 180, 0.16,
            [](double t, Rgb c) {
                return Mix(c, Rgb{0.08, 0.15, 0.45}, Smooth(1.0, 0.5, t) * 0.85);
            });
    ForSpot(map, 0.55, -13.0 * kPi / 180, 0.06,
            [](double t, Rgb c) {
                return Mix(c, Rgb{0.92, 0.95, 1.0}, Smooth(1.0, 0.3, t) * 0.8);
            });
    ForSpot(map, -2.0, -42.0 * kPi / 180, 0.05,
            [](double t, Rgb c) {
                return Mix(c, Rgb{0.85, 0.9, 1.0}, Smooth(1.0, 0.3, t) * 0.7);
            });
    return map;
}

// Signed distance to a heart shape with its point at the origin and its two lobes above it,
// about 1.2 wide and 1.1 high; negative inside (I. Quilez's construction from two circles and a
// wedge).
double HeartDistance(double x, double y)
{
    x = std::fabs(x);
    if (y + x > 1.0)
        return std::hypot(x - 0.25, y - 0.75) - std::sqrt(2.0) / 4.0;
    const double k = 0.5 * std::max(x + y, 0.0);
    const double d =
        std::sqrt(std::min(x * x + (y - 1.0) * (y - 1.0), (x - k) * (x - k) + (y - k) * (y - k)));
    return x > y ? d : -d;
}

// Pluto after the New Horizons maps (Stern et al. 2015; the global mosaic of 2016): the bright,
// heart-shaped Tombaugh Regio, its western lobe the smooth nitrogen-ice plain Sputnik Planitia
// and its eastern lobe patchier; the long dark red-brown Cthulhu Macula along the equator west
// of the heart and a row of smaller dark spots east of it; the greyer north polar region. The
// heart is centred at map longitude 0.3 rad, so that a globe turned to longitude 0 shows it a
// little right of the centre.
QImage PlutoMap(int w)
{
    constexpr double heartLon = 0.3, pointLat = -0.36, heartScale = 0.95, tilt = 0.22;
    return PaintEach(
        w,
        [](const Dir& d, double lat)
        {
            const double lon = std::atan2(d.y, d.x);
            const double n = Fbm(d.x * 3, d.y * 3, d.z * 3, 5, 1801);
            const double m = Fbm(d.x * 14, d.y * 14, d.z * 14, 3, 1802);
            const double e = Fbm(d.x * 6, d.y * 6, d.z * 6, 4, 1803);
            // Beige and pale orange plains, redder at mid-latitudes, greyer towards the north
            // pole.
            Rgb c = Mix(Rgb{0.60, 0.44, 0.32}, Rgb{0.86, 0.72, 0.56}, 0.25 + 0.6 * n + 0.15 * m);
            c = Mix(c, Rgb{0.72, 0.48, 0.32}, Smooth(0.9, 0.3, std::fabs(lat - 0.35)) * 0.35);
            c = Mix(c, Rgb{0.68, 0.64, 0.60}, Smooth(0.8, 1.35, lat) * 0.7);
            // Relative longitude from the heart, wrapped to -pi..pi.
            double dl = lon - heartLon;
            dl -= 2 * kPi * std::floor((dl + kPi) / (2 * kPi));
            // Cthulhu: a long dark whale along the equator west of the heart, its broad head
            // against the heart, its scalloped northern edge ragged.
            const double t = std::clamp((dl + 2.9) / 2.3, 0.0, 1.0); // 0 tail .. 1 head
            const double half = 0.07 + 0.22 * std::sqrt(t);
            const double centre = -0.05 - 0.05 * t;
            const double across = (lat - centre) / half + 0.9 * (e - 0.5) + 0.3 * (m - 0.5);
            const double reach =
                Smooth(-2.95, -2.6, dl) * Smooth(-0.4, -0.6, dl + 0.25 * (e - 0.5));
            const double whale = reach * Smooth(1.05, 0.8, std::fabs(across));
            c = Mix(c, Rgb{0.26, 0.12, 0.08}, whale * (0.8 + 0.2 * m));
            // Smaller dark spots along the equator east of the heart.
            for (int k = 0; k < 4; ++k)
            {
                const double sl = 1.05 + 0.4 * k, sla = -0.1 - 0.05 * (k % 2);
                const double r =
                    std::hypot((dl - sl) * std::cos(lat), lat - sla) / (0.10 + 0.02 * (k % 3));
                c = Mix(c, Rgb{0.32, 0.16, 0.10}, Smooth(1.0, 0.6, r + 0.5 * (e - 0.5)) * 0.85);
            }
            // The heart, tipped a little, its edge uneven.
            const double px = dl * std::cos(lat) / heartScale, py = (lat - pointLat) / heartScale;
            const double hx = px * std::cos(tilt) - py * std::sin(tilt);
            const double hy = px * std::sin(tilt) + py * std::cos(tilt);
            const double dist = HeartDistance(hx, hy) + 0.06 * (e - 0.5) + 0.03 * (m - 0.5);
            const double inside = Smooth(0.02, -0.03, dist);
            // Sputnik Planitia, the western lobe: smooth and brightest; the eastern lobe patchier.
            const double west = Smooth(0.08, -0.08, hx + 0.05);
            const Rgb plain = Mix(Rgb{0.90, 0.84, 0.76}, Rgb{0.97, 0.95, 0.92}, west);
            const double patch =
                west + (1 - west) * std::clamp(0.45 + 0.7 * m + 0.3 * (e - 0.5), 0.0, 1.0);
            return Mix(c, plain, std::clamp(inside * patch, 0.0, 1.0));
        });
}
} // namespace

SurfaceMap::SurfaceMap(const QImage& image) : map(image.convertToFormat(QImage::Format_RGB32)) {}

Rgb SurfaceMap::Sample(double lon, double lat) const
{
    const int w = map.width(), h = map.height();
    double u = (lon + kPi) / (2 * kPi) * w - 0.5;
    double v = (kPi / 2 - lat) / kPi * h - 0.5;
    u -= std::floor(u / w) * w;
    v = std::clamp(v, 0.0, h - 1.0);
    const int x0 = int(u), y0 = int(v);
    const int x1 = (x0 + 1) % w, y1 = std::min(y0 + 1, h - 1);
    const double fx = u - x0, fy = v - y0;
    auto at = [&](int x, int y)
    {
        const QRgb p = reinterpret_cast<const QRgb*>(map.constScanLine(y))[x];
        return Rgb{qRed(p) / 255.0, qGreen(p) / 255.0, qBlue(p) / 255.0};
    };
    return Mix(Mix(at(x0, y0), at(x1, y0), fx), Mix(at(x0, y1), at(x1, y1), fx), fy);
}

SurfaceMap PaintedMap(Body body, int width)
{
    switch (body)
    {
    case Body::Sun:
        return SurfaceMap(SunMap(width));
    case Body::Mercury:
        return SurfaceMap(MercuryMap(width));
    case Body::Venus:
        return SurfaceMap(VenusMap(width));
    case Body::Jupiter:
        return SurfaceMap(JupiterMap(width));
    case Body::Saturn:
        return SurfaceMap(SaturnMap(width));
    case Body::Uranus:
        return SurfaceMap(UranusMap(width));
    case Body::Neptune:
        return SurfaceMap(NeptuneMap(width));
    case Body::Pluto:
        return SurfaceMap(PlutoMap(width));
    }
    return SurfaceMap();
}

void PaintGlobe(QImage& image, double cx, double cy, double radius, const SurfaceMap& map,
                const GlobeLook& look, double spin, int samples)
{
    const double ll = std::sqrt(look.lightX * look.lightX + look.lightY * look.lightY +
                                look.lightZ * look.lightZ);
    const double lx = look.lightX / ll, ly = look.lightY / ll, lz = look.lightZ / ll;
    const double cr = std::cos(look.roll), sr = std::sin(look.roll);
    const double ci = std::cos(look.incline), si = std::sin(look.incline);
    const int x0 = std::max(0, int(std::floor(cx - radius - 1)));
    const int x1 = std::min(image.width() - 1, int(std::ceil(cx + radius + 1)));
    const int y0 = std::max(0, int(std::floor(cy - radius - 1)));
    const int y1 = std::min(image.height() - 1, int(std::ceil(cy + radius + 1)));
    for (int py = y0; py <= y1; ++py)
    {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = x0; px <= x1; ++px)
        {
            Rgb sum;
            int covered = 0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                {
                    const double x = (px + (sx + 0.5) / samples - cx) / radius;
                    const double y = (py + (sy + 0.5) / samples - cy) / radius;
                    const double rr = x * x + y * y;
                    if (rr >= 1.0)
                        continue;
                    const double z = std::sqrt(1.0 - rr);
                    // Into the body's frame: undo the roll, then the lean of the pole.
                    const double xr = x * cr + y * sr;
                    const double yr = -x * sr + y * cr;
                    const double north = -yr * ci + z * si;
                    const double towards = yr * si + z * ci;
                    const double lat = std::asin(std::clamp(north, -1.0, 1.0));
                    const double lon = std::atan2(xr, towards) - spin;
                    Rgb c = map.Sample(lon, lat);
                    if (look.emissive)
                    {
                        // Limb darkening, stronger in blue (Neckel & Labs 1994, roughly).
                        const double mu = z;
                        c = {c.r * (0.45 + 0.55 * std::pow(mu, 0.45)),
                             c.g * (0.35 + 0.65 * std::pow(mu, 0.55)),
                             c.b * (0.25 + 0.75 * std::pow(mu, 0.7))};
                    }
                    else
                    {
                        const double lambert = std::max(0.0, x * lx + y * ly + z * lz);
                        const double light = look.ambient + (1.0 - look.ambient) * lambert;
                        c = Scale(c, light);
                        if (look.rimStrength > 0)
                        {
                            const double rim =
                                std::pow(1.0 - z, 2.0) * Clamp01(lambert * 1.5 + 0.1);
                            c = Mix(c, look.rim, Clamp01(rim * look.rimStrength));
                        }
                    }
                    sum.r += c.r;
                    sum.g += c.g;
                    sum.b += c.b;
                    ++covered;
                }
            if (covered == 0)
                continue;
            const double a = double(covered) / (samples * samples);
            const QColor old(line[px]);
            const Rgb c{sum.r / covered, sum.g / covered, sum.b / covered};
            line[px] = ToQRgb(Mix(Rgb{old.redF(), old.greenF(), old.blueF()}, c, a));
        }
    }
}

void PaintRings(QImage& image, double cx, double cy, double radius, const GlobeLook& look,
                bool front)
{
    // The ring plane is the equator: seen as an ellipse whose minor axis points along the
    // projected pole. PaintRing's `angle` is the slope of the major axis.
    const double opening = std::max(0.02, std::fabs(std::sin(look.incline)));
    const bool nearHalfBelow = look.incline > 0;
    PaintRing(image, cx, cy, radius * 1.24, radius * 2.27, opening, look.roll,
              front == nearHalfBelow, 4);
}
