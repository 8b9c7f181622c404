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
namespace
{
// A tidal stream: light spread along a curve of sample points, each with its half-width and
// brightness, so that a tail fades and narrows smoothly instead of ending at an edge.
struct StreamPoint
{
    double x, y, half, light;
};

// Samples a quadratic Bezier curve from `p0` over `c` to `p1`, the half-width and brightness
// going linearly from the first pair to the second.
std::vector<StreamPoint> Stream(QPointF p0, QPointF c, QPointF p1, double half0, double half1,
                                double light0, double light1)
{
    std::vector<StreamPoint> points;
    for (int i = 0; i <= 80; ++i)
    {
        const double t = i / 80.0, u = 1 - t;
        const QPointF p = u * u * p0 + 2 * u * t * c + t * t * p1;
        points.push_back(
            {p.x(), p.y(), half0 + (half1 - half0) * t, light0 + (light1 - light0) * t});
    }
    return points;
}

// The brightest contribution of the stream at (x, y): a Gaussian across the nearest sample.
double StreamLight(const std::vector<StreamPoint>& stream, double x, double y)
{
    double best = 0;
    for (const StreamPoint& s : stream)
    {
        const double d2 = ((x - s.x) * (x - s.x) + (y - s.y) * (y - s.y)) / (s.half * s.half);
        if (d2 < 9)
            best = std::max(best, s.light * std::exp(-d2));
    }
    return best;
}
} // namespace

// The interacting pair IG 29 and IG 30: the larger disc galaxy has been pulled into a broad
// fan of stars (the cap of the toadstool), lit along its rim by knots of young blue stars; a
// long tidal tail (the stem) curves down to the smaller companion, whose own faint tail
// points away from it. Tidal features of interacting pairs are drawn after the Hubble views of
// such systems (Toomre & Toomre 1972 for the shapes of bridges and tails).
QImage RenderToadstool(bool closeUp)
{
    Sky sky(kW, kH);
    sky.StarField(closeUp ? 90 : 180, closeUp ? 2401 : 2402, 0.6);
    // Model coordinates (the whole pair in 512 x 384) to picture coordinates.
    const double s = closeUp ? 1.35 : 1.0;
    const double mx = 255, my = closeUp ? 215 : 192;
    auto at = [&](double x, double y) { return QPointF(256 + (x - mx) * s, 192 + (y - my) * s); };
    auto model = [&](double x, double y)
    { return QPointF((x - 256) / s + mx, (y - 192) / s + my); };

    // The fan: an uneven arc of starlight above the main galaxy, its rim brightest and bluest,
    // one end reaching further and curling down.
    const double fx = 250, fy = 190;
    sky.Emit(
        [&](double x, double y)
        {
            const QPointF m = model(x, y);
            const double dx = (m.x() - fx) / 150, dy = (m.y() - fy) / 95;
            const double r = std::sqrt(dx * dx + dy * dy);
            const double ang = std::atan2(dy, dx); // -pi..pi, up is negative
            // The arc covers the upper half, further on the left, where it bends down.
            const double cover = Smooth(0.35, -0.05, std::sin(ang));
            const double leftCurl = Smooth(2.2, 2.75, std::fabs(ang)) * (dx < 0);
            const double rim0 = 0.86 + 0.09 * (Fbm(ang * 1.4, 0.3, 0.1, 3, 2403) - 0.5) * 2;
            const double n = Fbm(m.x() * 0.035, m.y() * 0.035, 0.2, 5, 2404);
            const double rim = std::exp(-std::pow((r - rim0) / (0.12 + 0.06 * n), 2.0));
            const double fill = Smooth(1.0, 0.25, r) * 0.55;
            const double light =
                (cover + 0.7 * leftCurl) * (0.45 * rim + fill * 0.5) * (0.55 + 0.9 * n * n);
            const Rgb c = Mix(Rgb{0.95, 0.88, 0.80}, Rgb{0.62, 0.74, 1.0}, Smooth(0.5, 0.9, r));
            return Scale(c, 0.55 * light);
        });
    // The main galaxy, its disc thickened and twisted by the encounter.
    GalaxyShape main;
    const QPointF a = at(252, 196);
    main.cx = a.x();
    main.cy = a.y();
    main.radius = 72 * s;
    main.axisRatio = 0.42;
    main.angle = -0.18;
    main.arms = 2;
    main.pitch = 0.45;
    main.armSharpness = 3;
    main.flocculence = 0.8;
    main.bulge = 0.16;
    main.bulgeLight = 1.3;
    main.dust = 1.6;
    main.knots = 40;
    main.brightness = 0.9;
    main.seed = 2405;
    AddGalaxy(sky, main);
    // The stem: a tidal tail from under the main disc down to the companion, with a fainter
    // envelope around it.
    const auto stem = Stream({248, 215}, {222, 268}, {282, 318}, 16, 9, 0.30, 0.22);
    const auto envelope = Stream({246, 212}, {214, 270}, {286, 322}, 36, 22, 0.10, 0.07);
    const auto counterTail = Stream({292, 330}, {330, 350}, {372, 352}, 10, 5, 0.14, 0.02);
    sky.Emit(
        [&](double x, double y)
        {
            const QPointF m = model(x, y);
            const double n = Fbm(m.x() * 0.05, m.y() * 0.03, 0.9, 4, 2406);
            const double l = StreamLight(stem, m.x(), m.y()) * (0.5 + 0.8 * n) +
                             StreamLight(envelope, m.x(), m.y()) +
                             StreamLight(counterTail, m.x(), m.y()) * (0.6 + 0.6 * n);
            return Scale(Rgb{0.93, 0.88, 0.82}, l);
        });
    // The companion: a small disc with a large bulge, seen more face-on.
    GalaxyShape companion;
    const QPointF b = at(286, 322);
    companion.cx = b.x();
    companion.cy = b.y();
    companion.radius = 26 * s;
    companion.axisRatio = 0.72;
    companion.angle = 0.6;
    companion.arms = 2;
    companion.armLight = 0.3;
    companion.bulge = 0.32;
    companion.bulgeLight = 1.2;
    companion.dust = 0.4;
    companion.knots = 6;
    companion.brightness = 0.8;
    companion.seed = 2407;
    AddGalaxy(sky, companion);
    // Knots of young stars along the rim of the fan and in the stem.
    Rng rng(2408);
    for (int i = 0; i < 70; ++i)
    {
        const double ang = rng.Range(-kPi * 0.97, -kPi * 0.06);
        const double r = 0.86 + 0.2 * (rng.Uniform() + rng.Uniform() - 1.0);
        const QPointF k = at(fx + 150 * r * std::cos(ang), fy + 95 * r * std::sin(ang));
        const bool hii = rng.Uniform() < 0.2;
        sky.Glow(k.x(), k.y(), rng.Range(0.6, 1.8) * s,
                 hii ? Rgb{1.0, 0.45, 0.62} : Rgb{0.62, 0.76, 1.0}, rng.Range(0.12, 0.45));
    }
    for (int i = 0; i < 14; ++i)
    {
        const StreamPoint& p = stem[size_t(rng.Range(5, 75))];
        const QPointF k = at(p.x + rng.Range(-6, 6), p.y + rng.Range(-4, 4));
        sky.Glow(k.x(), k.y(), rng.Range(0.6, 1.2) * s, {0.62, 0.76, 1.0}, rng.Range(0.1, 0.3));
    }
    // Dust of the main galaxy thrown across the base of the fan.
    sky.Absorb(
        [&](double x, double y)
        {
            const QPointF m = model(x, y);
            const double lane =
                std::exp(-std::pow((m.y() - 186 + 0.2 * (m.x() - 252)) / 5.0, 2.0)) *
                Smooth(80, 30, std::fabs(m.x() - 252));
            return 1.1 * lane * (0.3 + Fbm(m.x() * 0.09, m.y() * 0.09, 0.3, 3, 2409));
        });
    return sky.Develop(1.6);
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

// The Pillars of Creation in the Eagle Nebula M16, as the Hubble Space Telescope showed them in
// 1995 and 2014 (Hester et al. 1996): three columns of cold gas and dust, the left one the
// tallest, their heads lit and boiled away by the ultraviolet light of the cluster NGC 6611
// above them, small fingers ("evaporating gaseous globules") on the tallest head, the hot gas
// around them glowing green-blue in oxygen above and golden in hydrogen and sulphur below.
QImage RenderEaglePillars()
{
    Sky sky(kW, kH);
    // Outlines traced after the 1995 picture: the tall left column with a bulging middle, a
    // neck and a head bent to the left; the shorter middle one; the stub on the right. All three
    // stand on the dark cloud below the picture.
    const std::vector<QPointF> left = {{78, 400},  {88, 350},  {96, 300},  {98, 256},  {94, 220},
                                       {100, 186}, {108, 156}, {110, 130}, {100, 108}, {94, 84},
                                       {104, 58},  {122, 42},  {144, 34},  {162, 38},  {174, 52},
                                       {176, 72},  {168, 94},  {162, 116}, {166, 140}, {174, 166},
                                       {180, 200}, {182, 240}, {186, 284}, {194, 330}, {206, 400}};
    const std::vector<QPointF> middle = {{276, 400}, {284, 350}, {290, 306}, {288, 272},
                                         {282, 248}, {284, 226}, {294, 208}, {308, 198},
                                         {322, 200}, {330, 214}, {326, 234}, {318, 256},
                                         {320, 290}, {326, 336}, {336, 400}};
    const std::vector<QPointF> right = {{392, 400}, {398, 356}, {404, 322}, {404, 298},
                                        {412, 282}, {426, 276}, {440, 282}, {444, 298},
                                        {436, 316}, {434, 342}, {440, 372}, {448, 400}};
    QPainterPath dust = SmoothPath(left);
    dust.addPath(SmoothPath(middle));
    dust.addPath(SmoothPath(right));
    // The fingers on the tallest head.
    dust.addEllipse(QPointF(118, 36), 3.5, 8);
    dust.addEllipse(QPointF(150, 24), 3, 9);
    dust.addEllipse(QPointF(176, 44), 2.5, 6);
    const Mask mask(dust, 4);
    // The dust's column density: the outline torn by noise at two scales, thinner at the edge,
    // denser and lumpy inside.
    std::vector<double> density(size_t(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
        {
            const double wx = 16 * (Fbm(x * 0.02, y * 0.02, 0.5, 4, 3421) - 0.5) +
                              6 * (Fbm(x * 0.09, y * 0.09, 1.5, 3, 3422) - 0.5);
            const double wy = 12 * (Fbm(x * 0.02, y * 0.02, 2.5, 4, 3423) - 0.5) +
                              5 * (Fbm(x * 0.09, y * 0.09, 3.5, 3, 3425) - 0.5);
            const double m = mask.At(x + wx, y + wy);
            const double n = Fbm(x * 0.04, y * 0.04, 3.1, 5, 3424);
            // Wisps of thinner dust around the columns.
            const double wisp = 0.25 * mask.At(x + 2.5 * wx, y + 2.5 * wy) * n;
            // The dark cloud the columns rise from, at the foot of the picture.
            const double foot = Smooth(320, 395, y + 40 * (n - 0.5)) * (0.4 + 0.6 * n);
            density[size_t(y) * kW + x] =
                std::max({Smooth(0.05, 0.9, m) * (0.55 + 0.8 * n), wisp, foot});
        }
    auto dens = [&](double x, double y)
    {
        const int ix = std::clamp(int(x), 0, kW - 1), iy = std::clamp(int(y), 0, kH - 1);
        return density[size_t(iy) * kW + ix];
    };
    // The glowing gas behind: green-blue above, golden-brown below, in streaks.
    sky.Emit(
        [](double x, double y)
        {
            const double n = Fbm(x * 0.008, y * 0.008, 0.4, 5, 3411);
            const double streak = Fbm(x * 0.004, y * 0.02, 1.3, 4, 3412);
            const double t = Smooth(40, kH, y + 0.25 * (kW - x) + 90 * (n - 0.5));
            const double fine = Fbm(x * 0.03, y * 0.03, 2.1, 4, 3415);
            const Rgb upper{0.30, 0.62, 0.58}, lower{0.92, 0.62, 0.34};
            const double bright =
                0.3 + 0.5 * n * n + 0.3 * streak + 0.2 * fine + 0.25 * Smooth(200, 0, y);
            return Scale(Mix(upper, lower, t), bright);
        });
    sky.StarField(70, 3414, 0.55);
    sky.Absorb([&](double x, double y) { return 4.5 * dens(x, y); });
    // The dust's own dull glow, so that the columns show their folds.
    sky.Emit(
        [&](double x, double y)
        {
            const double n = Fbm(x * 0.06, y * 0.06, 1.9, 4, 3413);
            return Scale(Rgb{0.30, 0.16, 0.08}, dens(x, y) * (0.08 + 0.35 * n * n));
        });
    // The lit skins: dust here, none a few pixels towards the cluster (up and a little to the
    // right). A thin bright edge and a wider haze of gas boiling off it.
    sky.Emit(
        [&](double x, double y)
        {
            const double here = dens(x, y);
            const double skin = std::clamp(here - dens(x + 3, y - 6), 0.0, 1.0);
            const double haze = std::clamp(dens(x - 4, y + 12) - here, 0.0, 1.0);
            const double up = Smooth(384, 120, y);
            return Add(Scale(Rgb{1.0, 0.88, 0.62}, 1.6 * skin * (0.3 + 0.7 * up)),
                       Scale(Rgb{0.55, 0.85, 0.75}, 0.45 * haze * up));
        });
    // Light of the cluster beyond the top right.
    sky.Glow(560, -60, 160, {0.6, 0.8, 0.8}, 0.25);
    sky.Star(470, 70, 0.35, {0.9, 0.95, 1.0});
    sky.Star(60, 140, 0.25, {1.0, 0.95, 0.85});
    return sky.Develop(1.4);
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
