#include "DeepSky.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 512;
constexpr int kH = 384;

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

Rgb Add(const Rgb& a, const Rgb& b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}

// 1 on the crest of the noise, falling to 0 away from it: thin filaments.
double Ridge(double n)
{
    return 1.0 - std::fabs(2.0 * n - 1.0);
}

// A shape drawn with QPainter as a soft mask: 1 inside, 0 outside, blurred by `blur` pixels.
class Mask
{
public:
    Mask(const QPainterPath& path, int blur) : image(kW, kH, QImage::Format_Grayscale8)
    {
        image.fill(0);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(path, Qt::white);
        p.end();
        std::vector<double> a(size_t(kW) * kH), b(a.size());
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x)
                a[size_t(y) * kW + x] = image.constScanLine(y)[x] / 255.0;
        // Three box blurs approach a Gaussian.
        for (int pass = 0; pass < 3 && blur > 0; ++pass)
        {
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                {
                    double s = 0;
                    int n = 0;
                    for (int k = -blur; k <= blur; ++k)
                        if (x + k >= 0 && x + k < kW)
                        {
                            s += a[size_t(y) * kW + x + k];
                            ++n;
                        }
                    b[size_t(y) * kW + x] = s / n;
                }
            for (int y = 0; y < kH; ++y)
                for (int x = 0; x < kW; ++x)
                {
                    double s = 0;
                    int n = 0;
                    for (int k = -blur; k <= blur; ++k)
                        if (y + k >= 0 && y + k < kH)
                        {
                            s += b[size_t(y + k) * kW + x];
                            ++n;
                        }
                    a[size_t(y) * kW + x] = s / n;
                }
        }
        values = std::move(a);
    }
    // The mask at a point (nearest pixel), 0 outside the picture.
    double At(double x, double y) const
    {
        const int ix = int(x), iy = int(y);
        if (ix < 0 || iy < 0 || ix >= kW || iy >= kH)
            return 0.0;
        return values[size_t(iy) * kW + ix];
    }

private:
    QImage image;
    std::vector<double> values;
};

// A smooth closed path through `points`: quadratic curves between their midpoints.
QPainterPath SmoothPath(const std::vector<QPointF>& points)
{
    QPainterPath path;
    const size_t n = points.size();
    const QPointF start = (points[n - 1] + points[0]) / 2;
    path.moveTo(start);
    for (size_t i = 0; i < n; ++i)
    {
        const QPointF& c = points[i];
        const QPointF next = (points[i] + points[(i + 1) % n]) / 2;
        path.quadTo(c, next);
    }
    path.closeSubpath();
    return path;
}
} // namespace

Sky::Sky(int width, int height) : w(width), h(height), px(size_t(width) * height) {}

void Sky::Glow(double cx, double cy, double sigma, const Rgb& colour, double amp)
{
    const int reach = int(sigma * 3.5) + 1;
    const int x0 = std::max(0, int(cx) - reach), x1 = std::min(w - 1, int(cx) + reach);
    const int y0 = std::max(0, int(cy) - reach), y1 = std::min(h - 1, int(cy) + reach);
    const double k = 1.0 / (2 * sigma * sigma);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
        {
            const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
            const double g = amp * std::exp(-(dx * dx + dy * dy) * k);
            Rgb& p = At(x, y);
            p = Add(p, Scale(colour, g));
        }
}

void Sky::Star(double x, double y, double bright, const Rgb& colour, bool spikes)
{
    Glow(x, y, 0.55 + 0.5 * bright, colour, 0.6 + 6.0 * bright * bright);
    Glow(x, y, 1.5 + 4.0 * bright, colour, 0.08 * bright);
    if (!spikes)
        return;
    const int len = int(10 + 40 * bright);
    for (int k = 2; k <= len; ++k)
    {
        const double a = 0.9 * bright * std::pow(1.0 - double(k) / (len + 1), 2.0);
        for (const auto& d : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}})
        {
            const int sx = int(x) + d.first * k, sy = int(y) + d.second * k;
            if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                At(sx, sy) = Add(At(sx, sy), Scale(colour, a));
        }
    }
}

void Sky::StarField(int count, uint32_t seed, double brightness)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i)
    {
        const double x = rng.Range(0, w), y = rng.Range(0, h);
        const double b = std::pow(rng.Uniform(), 6.0) * brightness;
        const double t = rng.Uniform();
        const Rgb tint = t < 0.3    ? Rgb{0.75, 0.85, 1.0}
                         : t < 0.75 ? Rgb{1.0, 1.0, 1.0}
                         : t < 0.9  ? Rgb{1.0, 0.92, 0.75}
                                    : Rgb{1.0, 0.75, 0.55};
        Star(x, y, b, tint, b > 0.92);
    }
}

QImage Sky::Develop(double exposure) const
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
    {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
        {
            const Rgb& p = px[size_t(y) * w + x];
            auto tone = [&](double v) { return 1.0 - std::exp(-exposure * std::max(0.0, v)); };
            line[x] = ToQRgb({tone(p.r), tone(p.g), tone(p.b)});
        }
    }
    return image;
}

void AddGalaxy(Sky& sky, const GalaxyShape& g)
{
    const double ca = std::cos(g.angle), sa = std::sin(g.angle);
    const double tp = std::tan(g.pitch);
    const double reach = g.radius * 1.7;
    const int x0 = std::max(0, int(g.cx - reach)),
              x1 = std::min(sky.Width() - 1, int(g.cx + reach));
    const int y0 = std::max(0, int(g.cy - reach)),
              y1 = std::min(sky.Height() - 1, int(g.cy + reach));
    const double bulgeRound = std::max(g.axisRatio, 0.65);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
        {
            const double dx = x + 0.5 - g.cx, dy = y + 0.5 - g.cy;
            const double u = (dx * ca + dy * sa) / g.radius;
            const double v = (-dx * sa + dy * ca) / g.radius;
            const double vd = v / g.axisRatio;
            const double r = std::sqrt(u * u + vd * vd);
            if (r > 1.7)
                continue;
            const double th = std::atan2(vd, u);
            const double phase = th - std::log(std::max(r, 0.02)) / tp;
            const double wave = g.arms * phase + g.armPhase;
            const double arm = std::pow(0.5 + 0.5 * std::cos(wave), g.armSharpness);
            const double n = Fbm(u * 7 + 3.1, vd * 7, 0.37, 4, g.seed);
            const double m = Fbm(u * 16, vd * 16 + 1.7, 0.71, 3, g.seed + 1);
            const double patch = (1 - g.flocculence) + g.flocculence * 2.2 * n * n;
            const double fade = Smooth(1.3, 0.85, r);
            const double disc = std::exp(-r / 0.3) * 1.3 * fade * (0.7 + 0.6 * n);
            const double arms = arm * patch * std::exp(-r / 0.5) * Smooth(0.04, 0.22, r) * fade;
            const double rb = std::sqrt(u * u + (v / bulgeRound) * (v / bulgeRound)) / g.bulge;
            const double bulge = std::exp(-2.4 * std::pow(rb, 0.75)) * 3.0 * g.bulgeLight;
            Rgb light = Add(Scale(g.discColour, disc), Scale(g.armColour, 1.6 * arms * g.armLight));
            light = Add(light, Scale(g.coreColour, bulge));
            light = Scale(light, g.brightness * (0.85 + 0.3 * m));
            // Dust lies along the inner edge of each arm.
            const double lane = std::pow(0.5 + 0.5 * std::cos(wave + 0.6), g.armSharpness * 1.4);
            const double dust =
                g.dust * lane * Smooth(0.06, 0.25, r) * std::exp(-r / 0.6) * (0.5 + n) * fade;
            Rgb& p = sky.At(x, y);
            p = Add(p, light);
            const double k = std::exp(-2.2 * dust);
            p = {p.r * k, p.g * std::pow(k, 1.1), p.b * std::pow(k, 1.25)};
        }
    // Star-forming regions and young clusters on the arms.
    Rng rng(g.seed + 7);
    for (int i = 0; i < g.knots; ++i)
    {
        const double r = 0.15 + 0.85 * std::sqrt(rng.Uniform());
        const int which = int(rng.Uniform() * g.arms);
        const double crest = (2 * kPi * which - g.armPhase) / g.arms;
        const double th = crest + std::log(r) / tp + rng.Range(-0.12, 0.12);
        const double u = r * std::cos(th), vd = r * std::sin(th);
        const double v = vd * g.axisRatio;
        const double sx = g.cx + g.radius * (u * ca - v * sa);
        const double sy = g.cy + g.radius * (u * sa + v * ca);
        const bool hii = rng.Uniform() < 0.55;
        const Rgb c = hii ? Rgb{1.0, 0.42, 0.62} : Rgb{0.7, 0.82, 1.0};
        sky.Glow(sx, sy, rng.Range(0.7, 1.8), c, rng.Range(0.15, 0.5) * g.brightness);
    }
}

// ---- galaxies ----

QImage RenderGalaxyM100()
{
    Sky sky(kW, kH);
    sky.StarField(220, 2101, 0.8);
    GalaxyShape g;
    g.cx = 262;
    g.cy = 190;
    g.radius = 175;
    g.axisRatio = 0.86;
    g.angle = 0.5;
    g.pitch = 0.30;
    g.armPhase = 0.8;
    g.armSharpness = 2.5;
    g.flocculence = 0.55;
    g.bulge = 0.09;
    g.dust = 1.3;
    g.knots = 110;
    g.seed = 2102;
    AddGalaxy(sky, g);
    // Small background galaxies.
    sky.Glow(70, 320, 3, {1.0, 0.9, 0.75}, 0.18);
    sky.Glow(455, 60, 2.5, {1.0, 0.9, 0.75}, 0.15);
    return sky.Develop(1.5);
}

QImage RenderGalaxyM33()
{
    Sky sky(kW, kH);
    sky.StarField(260, 2201, 0.8);
    GalaxyShape g;
    g.cx = 256;
    g.cy = 192;
    g.radius = 205;
    g.axisRatio = 0.62;
    g.angle = -0.40;
    g.pitch = 0.55;
    g.armPhase = 2.0;
    g.armSharpness = 1.6;
    g.flocculence = 0.9;
    g.bulge = 0.05;
    g.bulgeLight = 0.6;
    g.dust = 0.6;
    g.knots = 170;
    g.brightness = 0.9;
    g.seed = 2202;
    AddGalaxy(sky, g);
    // NGC 604, the giant star-forming region in the north-east arm.
    sky.Glow(352, 128, 3.0, {1.0, 0.45, 0.65}, 0.8);
    sky.Glow(352, 128, 7.0, {1.0, 0.45, 0.65}, 0.15);
    return sky.Develop(1.6);
}

QImage RenderGalaxyNgc253()
{
    Sky sky(kW, kH);
    sky.StarField(240, 2301, 0.8);
    GalaxyShape g;
    g.cx = 256;
    g.cy = 192;
    g.radius = 250;
    g.axisRatio = 0.24;
    g.angle = 0.42;
    g.pitch = 0.45;
    g.armSharpness = 3;
    g.flocculence = 0.85;
    g.bulge = 0.06;
    g.bulgeLight = 0.8;
    g.dust = 2.4;
    g.knots = 40;
    g.armColour = {0.85, 0.85, 0.95};
    g.discColour = {1.0, 0.88, 0.72};
    g.seed = 2302;
    AddGalaxy(sky, g);
    // Mottled dust on the near side of the disc.
    const double ca = std::cos(g.angle), sa = std::sin(g.angle);
    sky.Absorb(
        [&](double x, double y)
        {
            const double dx = x - g.cx, dy = y - g.cy;
            const double u = (dx * ca + dy * sa) / g.radius, v = (-dx * sa + dy * ca) / g.radius;
            const double band =
                std::exp(-std::pow((v + 0.02) / 0.07, 2.0)) * Smooth(0.95, 0.5, std::fabs(u));
            const double n = Fbm(u * 14, v * 40, 0.5, 4, 2303);
            return 1.6 * band * Smooth(0.45, 0.75, n);
        });
    return sky.Develop(1.4);
}

// The colliding pair: a disc torn into a broad cap over a bright nucleus, and a long stem of
// stars drawn out towards the second galaxy below.
QImage RenderToadstool(bool closeUp)
{
    Sky sky(kW, kH);
    sky.StarField(closeUp ? 120 : 200, closeUp ? 2401 : 2402, 0.7);
    const double s = closeUp ? 1.55 : 1.0;
    const double ox = 256, oy = closeUp ? 215 : 192;
    auto at = [&](double x, double y) { return QPointF(ox + (x - 256) * s, oy + (y - 192) * s); };
    // The cap: an arc of stars and gas, brightest along its rim.
    sky.Emit(
        [&](double x, double y)
        {
            const double ux = (x - ox) / s + 256, uy = (y - oy) / s + 192;
            const double dx = (ux - 256) / 105, dy = (uy - 178) / 62;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double upper = Smooth(0.45, -0.2, dy);
            const double n = Fbm(ux * 0.045, uy * 0.045, 0.2, 4, 2403);
            const double shell = std::exp(-std::pow((r - 0.85) / 0.22, 2.0)) * upper * (0.5 + n);
            const double inner = std::exp(-std::pow(r / 0.6, 2.0)) * 0.35 * upper;
            const Rgb c = Mix(Rgb{0.75, 0.82, 1.0}, Rgb{1.0, 0.9, 0.8}, Smooth(0.9, 0.3, r));
            return Scale(c, 0.55 * shell + inner);
        });
    // The stem: a tapering tail from under the cap down to the second galaxy.
    sky.Emit(
        [&](double x, double y)
        {
            const double ux = (x - ox) / s + 256, uy = (y - oy) / s + 192;
            if (uy < 175 || uy > 345)
                return Rgb{0, 0, 0};
            const double t = (uy - 175) / 170;
            const double cxs = 256 + 22 * t * t + 6 * std::sin(t * 5);
            const double half = 26 - 14 * t;
            const double d = (ux - cxs) / half;
            const double n = Fbm(ux * 0.06, uy * 0.03, 0.9, 3, 2404);
            const double l = std::exp(-d * d * 2.0) * (0.4 + 0.6 * n) * 0.42;
            return Scale(Rgb{0.92, 0.88, 0.85}, l);
        });
    // Nuclei, knots of new stars and a dust lane under the cap.
    const QPointF a = at(256, 196), b = at(280, 330);
    sky.Glow(a.x(), a.y(), 11 * s, {1.0, 0.85, 0.6}, 0.9);
    sky.Glow(a.x(), a.y(), 3 * s, {1.0, 0.9, 0.75}, 1.4);
    sky.Glow(b.x(), b.y(), 8 * s, {1.0, 0.82, 0.6}, 0.7);
    Rng rng(2405);
    for (int i = 0; i < 45; ++i)
    {
        const double ang = rng.Range(kPi * 1.05, kPi * 1.95);
        const double r = rng.Range(0.7, 1.0);
        const QPointF k = at(256 + 105 * r * std::cos(ang), 178 + 62 * r * std::sin(ang));
        sky.Glow(k.x(), k.y(), rng.Range(0.8, 1.8) * s,
                 rng.Uniform() < 0.5 ? Rgb{0.7, 0.8, 1.0} : Rgb{1.0, 0.45, 0.6},
                 rng.Range(0.2, 0.6));
    }
    sky.Absorb(
        [&](double x, double y)
        {
            const double ux = (x - ox) / s + 256, uy = (y - oy) / s + 192;
            const double band = std::exp(-std::pow((uy - 208 + 0.06 * (ux - 256)) / 6.0, 2.0)) *
                                Smooth(95, 40, std::fabs(ux - 256));
            return 1.4 * band * (0.5 + Fbm(ux * 0.08, uy * 0.08, 0.3, 3, 2406));
        });
    return sky.Develop(1.5);
}

QImage RenderWhirlpool()
{
    Sky sky(kW, kH);
    sky.StarField(200, 2501, 0.8);
    GalaxyShape g;
    g.cx = 215;
    g.cy = 215;
    g.radius = 165;
    g.axisRatio = 0.85;
    g.angle = -0.3;
    g.pitch = 0.28;
    g.armPhase = 2.6;
    g.armSharpness = 3;
    g.flocculence = 0.45;
    g.bulge = 0.08;
    g.dust = 1.6;
    g.knots = 130;
    g.seed = 2502;
    AddGalaxy(sky, g);
    // The bridge of stars along the arm that reaches NGC 5195.
    for (int i = 0; i <= 40; ++i)
    {
        const double t = i / 40.0;
        const double x = 330 + 55 * t + 10 * std::sin(t * 3);
        const double y = 180 - 80 * t;
        sky.Glow(x, y, 7 - 2 * t, {0.8, 0.82, 0.95}, 0.05);
    }
    // NGC 5195: a smooth yellowish galaxy crossed by dust from the larger one's arm.
    sky.Glow(392, 92, 26, {1.0, 0.82, 0.6}, 0.35);
    sky.Glow(392, 92, 8, {1.0, 0.86, 0.65}, 0.9);
    sky.Glow(392, 92, 2.5, {1.0, 0.9, 0.75}, 1.4);
    sky.Absorb(
        [](double x, double y)
        {
            const double d = (y - 96 - 0.35 * (x - 392)) / 5.0;
            return 0.9 * std::exp(-d * d) * Smooth(40, 10, std::fabs(x - 385)) *
                   (0.6 + Fbm(x * 0.1, y * 0.1, 0.3, 3, 2503));
        });
    return sky.Develop(1.5);
}

QImage RenderGalaxyAndQuasar()
{
    Sky sky(kW, kH);
    sky.StarField(160, 2601, 0.7);
    GalaxyShape g;
    g.cx = 205;
    g.cy = 220;
    g.radius = 140;
    g.axisRatio = 0.45;
    g.angle = -0.55;
    g.pitch = 0.35;
    g.armPhase = 1.0;
    g.flocculence = 0.4;
    g.bulge = 0.12;
    g.dust = 1.4;
    g.knots = 70;
    g.seed = 2602;
    AddGalaxy(sky, g);
    // The quasar: a star-like point of great brightness with its faint host around it.
    sky.Glow(372, 112, 7, {0.85, 0.88, 1.0}, 0.12);
    sky.Star(372, 112, 1.0, {0.85, 0.9, 1.0}, true);
    return sky.Develop(1.5);
}

// ---- nebulae ----

QImage RenderHorsehead()
{
    Sky sky(kW, kH);
    // IC 434: glowing hydrogen in streaks, brighter towards sigma Orionis (top right).
    sky.Emit(
        [](double x, double y)
        {
            const double streak = Fbm(x * 0.012, y * 0.05, 0.3, 5, 3101);
            const double body = Fbm(x * 0.006, y * 0.006, 1.7, 4, 3102);
            const double grad = 0.35 + 0.65 * Smooth(-50, 520, x + 0.4 * (384 - y));
            const double l = grad * (0.25 + 0.75 * streak * streak + 0.3 * body);
            return Rgb{0.95 * l, 0.16 * l, 0.22 * l};
        });
    sky.StarField(230, 3103, 0.8);
    sky.Star(440, 34, 1.0, {0.85, 0.9, 1.0}, true); // sigma Orionis
    // The dark cloud below and the horse's head rising out of it.
    QPainterPath cloud;
    cloud.moveTo(0, 268);
    for (int x = 0; x <= kW; x += 16)
        cloud.lineTo(x, 262 + 40 * (Fbm(x * 0.012, 0.5, 0.5, 4, 3105) - 0.5));
    cloud.lineTo(kW, kH);
    cloud.lineTo(0, kH);
    cloud.closeSubpath();
    const std::vector<QPointF> head = {{212, 300}, {218, 252}, {224, 228}, {206, 218}, {190, 203},
                                       {184, 188}, {194, 171}, {221, 151}, {238, 132}, {250, 114},
                                       {257, 126}, {267, 111}, {273, 130}, {283, 152}, {282, 186},
                                       {293, 222}, {302, 262}, {312, 300}};
    QPainterPath shape = SmoothPath(head);
    const Mask dark(cloud.united(shape), 3);
    const Mask wide(cloud.united(shape), 9);
    // Bright rims where the light of sigma Orionis meets the dust.
    sky.Emit(
        [&](double x, double y)
        {
            const double rim = Clamp01(wide.At(x, y) - dark.At(x, y)) * 1.6;
            return Rgb{1.0 * rim, 0.3 * rim, 0.32 * rim};
        });
    sky.Absorb(
        [&](double x, double y)
        {
            const double n = Fbm(x * 0.03, y * 0.03, 0.5, 4, 3104);
            const double m = dark.At(x + 6 * (n - 0.5), y + 6 * (n - 0.5));
            return 5.0 * m * (0.75 + 0.5 * n);
        });
    // NGC 2023: starlight reflected by dust, low in the dark cloud.
    sky.Glow(110, 335, 22, {0.55, 0.65, 1.0}, 0.25);
    sky.Star(110, 335, 0.55, {0.9, 0.92, 1.0});
    return sky.Develop(1.7);
}

QImage RenderCatsEye()
{
    Sky sky(kW, kH);
    sky.StarField(130, 3201, 0.6);
    const double cx = 256, cy = 192;
    // The faint outer halo of rings shed earlier by the star.
    sky.Emit(
        [&](double x, double y)
        {
            const double r = std::hypot(x - cx, y - cy);
            const double rings = 0.5 + 0.5 * std::cos(r * 0.35);
            const double halo = std::exp(-std::pow(r / 150.0, 4.0)) * Smooth(40, 70, r);
            const double n = Fbm(x * 0.02, y * 0.02, 0.4, 3, 3202);
            const double l = halo * (0.05 + 0.025 * rings) * (0.4 + 1.0 * n);
            return Rgb{0.9 * l, 0.35 * l, 0.35 * l};
        });
    // Shells: limb-brightened ellipses at several angles, green-blue inside, red at the edge.
    struct Shell
    {
        double a, b, angle, strength;
    };
    const Shell shells[] = {
        {52, 30, 0.35, 1.0}, {40, 33, -0.55, 0.8}, {64, 20, 1.15, 0.7}, {30, 22, 0.1, 0.9}};
    sky.Emit(
        [&](double x, double y)
        {
            Rgb sum{0, 0, 0};
            for (const Shell& s : shells)
            {
                const double c = std::cos(s.angle), si = std::sin(s.angle);
                const double u = ((x - cx) * c + (y - cy) * si) / s.a;
                const double v = (-(x - cx) * si + (y - cy) * c) / s.b;
                const double rho = std::sqrt(u * u + v * v);
                const double wall = std::exp(-std::pow((rho - 1.0) / 0.22, 2.0));
                const double fill = std::exp(-rho * rho * 1.5) * 0.35;
                const Rgb green{0.35, 0.95, 0.8}, red{1.0, 0.32, 0.28};
                sum = Add(sum, Scale(Mix(green, red, Smooth(0.85, 1.1, rho)),
                                     (wall + fill) * s.strength * 0.55));
            }
            const double n = Fbm(x * 0.08, y * 0.08, 0.2, 3, 3203);
            return Scale(sum, 0.7 + 0.6 * n);
        });
    // Knots at the tips of the jets, and the hot central star.
    for (double sgn : {-1.0, 1.0})
    {
        sky.Glow(cx + sgn * 78 * std::cos(0.35), cy + sgn * 78 * std::sin(0.35), 3.0,
                 {1.0, 0.4, 0.35}, 0.7);
        sky.Glow(cx + sgn * 66 * std::cos(1.2), cy + sgn * 66 * std::sin(1.2), 2.5,
                 {1.0, 0.45, 0.4}, 0.5);
    }
    sky.Star(cx, cy, 0.8, {0.85, 0.92, 1.0});
    return sky.Develop(1.6);
}

QImage RenderCrab()
{
    Sky sky(kW, kH);
    sky.StarField(220, 3301, 0.7);
    const double cx = 256, cy = 192, a = 175, b = 118, angle = 0.62;
    const double c = std::cos(angle), s = std::sin(angle);
    sky.Emit(
        [&](double x, double y)
        {
            const double u = ((x - cx) * c + (y - cy) * s) / a;
            const double v = (-(x - cx) * s + (y - cy) * c) / b;
            const double warp = Fbm(x * 0.01, y * 0.01, 0.5, 3, 3302);
            const double rho = std::sqrt(u * u + v * v) + 0.12 * (warp - 0.5);
            if (rho > 1.3)
                return Rgb{0, 0, 0};
            // The pulsar wind nebula: a blue-white glow filling the oval.
            const double syn = std::exp(-std::pow(rho / 0.62, 2.0)) *
                               (0.6 + 0.6 * Fbm(x * 0.02, y * 0.02, 1.1, 4, 3303));
            // Filaments of hydrogen and sulphur, densest towards the edge.
            const double f1 = std::pow(Ridge(Fbm(x * 0.018 + warp, y * 0.018, 2.0, 5, 3304)), 12.0);
            const double f2 = std::pow(Ridge(Fbm(x * 0.03, y * 0.03 + warp, 3.0, 4, 3305)), 16.0);
            const double edge = Smooth(1.15, 0.9, rho) * (0.35 + 0.65 * Smooth(0.2, 0.8, rho));
            const double hue = Fbm(x * 0.008, y * 0.008, 4.0, 2, 3306);
            const Rgb fil =
                Mix(Mix(Rgb{1.0, 0.22, 0.12}, Rgb{1.0, 0.62, 0.22}, Smooth(0.35, 0.55, hue)),
                    Rgb{0.75, 0.95, 0.45}, Smooth(0.6, 0.75, hue));
            return Add(Scale(Rgb{0.55, 0.68, 1.0}, 0.6 * syn),
                       Scale(fil, (f1 + 0.6 * f2) * edge * 0.9));
        });
    sky.Star(cx - 4, cy + 2, 0.35, {0.9, 0.92, 1.0}); // the pulsar
    sky.Star(cx + 6, cy - 3, 0.3, {1.0, 0.95, 0.85});
    return sky.Develop(1.6);
}

namespace
{
// A column of dust: a centre line from (baseX, baseY) up to (topX, topY), `base` and `top`
// half-widths.
struct Pillar
{
    double baseX, baseY, topX, topY, base, top;
};

// Distance from the pillar's axis in units of its half-width (1 on the outline) and the height
// along it (0 base, 1 top).
double PillarDistance(const Pillar& p, double x, double y, double* along = nullptr)
{
    const double t = Clamp01((p.baseY - y) / (p.baseY - p.topY));
    if (along)
        *along = t;
    const double wobble = Fbm(y * 0.012, p.baseX * 0.013, 0.3, 3, 3420) - 0.5;
    const double swell = Fbm(y * 0.03, p.baseX * 0.017, 0.9, 3, 3421);
    const double axis = p.baseX + (p.topX - p.baseX) * t + 30 * wobble * (1 - t);
    const double half = (p.base + (p.top - p.base) * t) * (0.75 + 0.5 * swell);
    if (y >= p.topY)
        return std::fabs(x - axis) / half;
    const double dx = (x - p.topX) / p.top, dy = (y - p.topY) / (p.top * 0.9);
    return std::sqrt(dx * dx + dy * dy);
}
} // namespace

QImage RenderEagle(bool pillars)
{
    Sky sky(kW, kH);
    if (!pillars)
    {
        // The whole nebula: glowing gas around a hollow blown by the cluster NGC 6611, with the
        // small dark pillars at the centre.
        sky.Emit(
            [](double x, double y)
            {
                const double n = Fbm(x * 0.008, y * 0.008, 0.2, 5, 3401);
                const double m = Fbm(x * 0.02, y * 0.02, 1.2, 4, 3402);
                const double r = std::hypot(x - 262, y - 190) / 190;
                const double l =
                    Smooth(1.3, 0.2, r) * (0.3 + 0.9 * n * n) + 0.15 * m * Smooth(1.6, 0.5, r);
                const double core = std::exp(-r * r * 6);
                return Add(Scale(Rgb{0.95, 0.22, 0.30}, l),
                           Scale(Rgb{0.45, 0.55, 0.45}, 0.35 * core));
            });
        sky.StarField(260, 3403, 0.7);
        Rng rng(3404);
        for (int i = 0; i < 70; ++i)
        {
            const double x = 320 + 38 * (rng.Uniform() + rng.Uniform() + rng.Uniform() - 1.5) * 2;
            const double y = 140 + 30 * (rng.Uniform() + rng.Uniform() + rng.Uniform() - 1.5) * 2;
            sky.Star(x, y, std::pow(rng.Uniform(), 2.0) * 0.8, {0.8, 0.88, 1.0},
                     rng.Uniform() < 0.06);
        }
        const Pillar small[] = {
            {232, 262, 242, 196, 9, 5}, {258, 258, 262, 218, 6, 4}, {282, 262, 284, 238, 4, 3}};
        sky.Absorb(
            [&](double x, double y)
            {
                double o = 0;
                for (const Pillar& p : small)
                    o += 1.6 * Smooth(1.1, 0.6, PillarDistance(p, x, y)) * (y < p.baseY + 25);
                const double lane = Smooth(0.55, 0.8, Fbm(x * 0.01, y * 0.01, 2.2, 4, 3405));
                return o + 0.6 * lane;
            });
        return sky.Develop(1.6);
    }
    // The pillars close up: three columns of cold gas and dust, their tops lit by the cluster
    // beyond the upper right edge.
    sky.Emit(
        [](double x, double y)
        {
            const double n = Fbm(x * 0.01, y * 0.01, 0.4, 5, 3411);
            const double t = Smooth(0, kH, y + 0.4 * (kW - x));
            const Rgb upper{0.30, 0.62, 0.62}, lower{0.95, 0.55, 0.40};
            return Scale(Mix(upper, lower, t), 0.35 + 0.5 * n);
        });
    const Pillar columns[] = {
        {150, 420, 178, 58, 58, 34}, {282, 420, 292, 178, 40, 24}, {412, 420, 404, 262, 26, 16}};
    sky.Emit(
        [&](double x, double y)
        {
            Rgb sum{0, 0, 0};
            for (const Pillar& p : columns)
            {
                double along = 0;
                const double n = Fbm(x * 0.04, y * 0.04, 0.8, 4, 3412);
                const double d = PillarDistance(p, x, y, &along) + 0.45 * (n - 0.5);
                // The lit skin faces up and to the right.
                const double rim = std::exp(-std::pow((d - 1.0) / 0.12, 2.0));
                const double facing =
                    Clamp01(0.3 + (x - (p.baseX + (p.topX - p.baseX) * along)) / 80.0 +
                            (y < p.topY + 20 ? 0.6 : 0.0));
                sum =
                    Add(sum, Scale(Rgb{1.0, 0.85, 0.6}, 0.7 * rim * facing * (0.3 + 0.7 * along)));
            }
            return sum;
        });
    sky.Absorb(
        [&](double x, double y)
        {
            double o = 0;
            for (const Pillar& p : columns)
            {
                const double n = Fbm(x * 0.04, y * 0.04, 0.8, 4, 3412);
                const double d = PillarDistance(p, x, y) + 0.25 * (n - 0.5);
                o += 3.5 * Smooth(1.02, 0.8, d);
            }
            return o;
        });
    // The dust's own faint glow, brown-red.
    sky.Emit(
        [&](double x, double y)
        {
            double inside = 0;
            for (const Pillar& p : columns)
                inside = std::max(inside, Smooth(1.0, 0.7, PillarDistance(p, x, y)));
            const double n = Fbm(x * 0.05, y * 0.05, 1.9, 4, 3413);
            return Scale(Rgb{0.35, 0.17, 0.10}, inside * (0.3 + 0.7 * n));
        });
    sky.StarField(60, 3414, 0.6);
    return sky.Develop(1.5);
}

QImage RenderOrion()
{
    Sky sky(kW, kH);
    const double tx = 282, ty = 205; // the Trapezium
    sky.Emit(
        [&](double x, double y)
        {
            const double dx = x - tx, dy = y - ty;
            const double r = std::hypot(dx, dy);
            const double warp = Fbm(x * 0.006, y * 0.006, 0.3, 3, 3501);
            const double n = Fbm(x * 0.01 + warp, y * 0.01, 0.6, 5, 3502);
            const double m = Fbm(x * 0.025, y * 0.025, 1.6, 4, 3503);
            // Wings opening to the south-west and north-west, as a fan from the core.
            const double ang = std::atan2(dy, dx);
            const double fan = 0.55 + 0.45 * std::cos(ang - 2.6);
            const double outer = std::exp(-r / (110 + 70 * fan)) * (0.4 + 0.9 * n * n);
            const double core = std::exp(-std::pow(r / 22.0, 2.0)) * 0.9;
            const Rgb pink{1.0, 0.36, 0.44}, teal{0.45, 0.88, 0.82}, white{1.0, 0.95, 0.9};
            Rgb c =
                Add(Scale(Mix(teal, pink, Smooth(30, 120, r)), outer * 1.3), Scale(white, core));
            return Scale(c, 0.8 + 0.4 * m);
        });
    // M43: a small round nebula to the north.
    sky.Glow(262, 78, 22, {1.0, 0.4, 0.48}, 0.45);
    sky.Glow(262, 78, 8, {1.0, 0.7, 0.7}, 0.4);
    // The dark bay reaching towards the core from the east, and dusty filaments.
    sky.Absorb(
        [&](double x, double y)
        {
            const double bay = std::exp(-std::pow((y - 200 - 0.25 * (x - 180)) / 26.0, 2.0)) *
                               Smooth(250, 170, x) * Smooth(40, 110, x);
            const double fil = Smooth(0.55, 0.8, Fbm(x * 0.01, y * 0.01, 2.5, 4, 3504));
            const double away = Smooth(40, 140, std::hypot(x - tx, y - ty));
            return 0.7 * bay * (0.4 + 0.9 * Fbm(x * 0.03, y * 0.03, 0.1, 4, 3505)) +
                   0.6 * fil * away;
        });
    sky.StarField(200, 3506, 0.7);
    const double trap[4][2] = {{0, 0}, {7, -3}, {3, 6}, {-5, 4}};
    for (const auto& t : trap)
        sky.Star(tx + t[0], ty + t[1], 0.55, {0.85, 0.9, 1.0});
    sky.Star(262, 78, 0.45, {0.9, 0.92, 1.0});
    return sky.Develop(1.5);
}

QImage RenderTrifid()
{
    Sky sky(kW, kH);
    const double cx = 250, cy = 238;
    // The red emission nebula and, to the north, the blue reflection nebula.
    sky.Emit(
        [&](double x, double y)
        {
            const double r = std::hypot(x - cx, y - cy) / 112;
            const double n = Fbm(x * 0.015, y * 0.015, 0.2, 5, 3601);
            const double red = Smooth(1.1, 0.2, r + 0.6 * (n - 0.5)) * (0.2 + 1.1 * n * n);
            const double rb = std::hypot(x - 252, y - 92) / 95;
            const double m = Fbm(x * 0.012, y * 0.012, 1.3, 4, 3602);
            const double blue = Smooth(1.2, 0.0, rb + 0.7 * (m - 0.5)) * (0.15 + 0.9 * m * m) * 0.7;
            return Add(Scale(Rgb{1.0, 0.25, 0.36}, red), Scale(Rgb{0.35, 0.55, 1.0}, blue));
        });
    // Three dark lanes that split the glow from near its centre.
    const double lanes[3] = {-1.45, 0.55, 2.55};
    sky.Absorb(
        [&](double x, double y)
        {
            const double dx = x - cx, dy = y - cy;
            const double r = std::hypot(dx, dy);
            const double ang = std::atan2(dy, dx);
            double o = 0;
            for (double l : lanes)
            {
                double d = std::remainder(ang - l - 0.002 * r, 2 * kPi);
                const double width = (5 + 0.09 * r) / std::max(r, 1.0);
                o += std::exp(-std::pow(d / width, 2.0)) * Smooth(8, 30, r) * Smooth(150, 100, r);
            }
            return 3.0 * o * (0.6 + 0.6 * Fbm(x * 0.05, y * 0.05, 0.7, 3, 3603));
        });
    sky.StarField(240, 3604, 0.7);
    sky.Star(cx + 2, cy - 3, 0.6, {0.85, 0.9, 1.0}); // the triple star at the heart
    sky.Star(252, 92, 0.55, {0.95, 0.95, 1.0});
    return sky.Develop(1.6);
}
