#include "Art.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace
{
double Clamp01(double v)
{
    return v < 0.0 ? 0.0 : (v > 1.0 ? 1.0 : v);
}

double SmoothStep(double e0, double e1, double x)
{
    const double t = Clamp01((x - e0) / (e1 - e0));
    return t * t * (3.0 - 2.0 * t);
}

std::uint32_t Hash3(int x, int y, int z, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(z) * 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

double Lattice(int x, int y, int z, std::uint32_t seed)
{
    return (Hash3(x, y, z, seed) & 0xFFFFFF) / double(0xFFFFFF);
}

void AddPixel(QImage& image, int x, int y, const Rgb& c, double a)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || a <= 0.0)
        return;
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const QRgb p = line[x];
    const int r = std::min(255, qRed(p) + int(std::lround(c.r * a * 255.0)));
    const int g = std::min(255, qGreen(p) + int(std::lround(c.g * a * 255.0)));
    const int b = std::min(255, qBlue(p) + int(std::lround(c.b * a * 255.0)));
    line[x] = qRgba(r, g, b, qAlpha(p));
}

void BlendPixel(QImage& image, int x, int y, const Rgb& c, double a)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height() || a <= 0.0)
        return;
    a = Clamp01(a);
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const QRgb p = line[x];
    const double da = qAlpha(p) / 255.0;
    const double oa = a + da * (1.0 - a);
    auto mixc = [&](int d, double s)
    {
        if (oa <= 0.0)
            return 0;
        const double v = (Clamp01(s) * a + d / 255.0 * da * (1.0 - a)) / oa;
        return int(std::lround(Clamp01(v) * 255.0));
    };
    line[x] = qRgba(mixc(qRed(p), c.r), mixc(qGreen(p), c.g), mixc(qBlue(p), c.b),
                    int(std::lround(oa * 255.0)));
}

// Writes a BMP file ourselves: Qt's writer copies bytes from beyond the picture's rows into the
// row padding, so narrow pictures would differ from build to build. Mono and Indexed8 images
// become 1- and 8-bit files with their palette, anything else a 24-bit file.
bool WriteBmp(const QImage& image, const QString& path)
{
    const int w = image.width(), h = image.height();
    const int bits = image.format() == QImage::Format_Mono       ? 1
                     : image.format() == QImage::Format_Indexed8 ? 8
                                                                 : 24;
    const QImage rgb = bits == 24 ? image.convertToFormat(QImage::Format_RGB32) : QImage();
    const QVector<QRgb> palette = bits == 24 ? QVector<QRgb>() : image.colorTable();
    const int stride = ((w * bits + 31) / 32) * 4;
    const std::uint32_t offset = 14 + 40 + 4 * std::uint32_t(palette.size());
    const std::uint32_t size = offset + std::uint32_t(stride) * h;
    QByteArray out;
    auto put = [&out](std::uint32_t v, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out.append(char((v >> (8 * i)) & 0xFF));
    };
    out.append("BM");
    put(size, 4);
    put(0, 4);
    put(offset, 4);
    put(40, 4);
    put(std::uint32_t(w), 4);
    put(std::uint32_t(h), 4);
    put(1, 2);
    put(std::uint32_t(bits), 2);
    put(0, 4);
    put(std::uint32_t(stride) * h, 4);
    put(2835, 4); // 72 dots per inch
    put(2835, 4);
    put(std::uint32_t(palette.size()), 4);
    put(0, 4);
    for (QRgb c : palette)
    {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y)
    {
        QByteArray row(stride, '\0');
        for (int x = 0; x < w; ++x)
        {
            if (bits == 24)
            {
                const QRgb c = rgb.pixel(x, y);
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            }
            else if (bits == 8)
                row[x] = char(image.pixelIndex(x, y));
            else if (image.pixelIndex(x, y))
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}
} // namespace

std::uint64_t Rng::Next()
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::Uniform()
{
    return (Next() >> 11) * (1.0 / 9007199254740992.0);
}

double ValueNoise(double x, double y, double z, std::uint32_t seed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y)), iz = int(std::floor(z));
    const double fx = x - ix, fy = y - iy, fz = z - iz;
    const double ux = fx * fx * (3 - 2 * fx), uy = fy * fy * (3 - 2 * fy),
                 uz = fz * fz * (3 - 2 * fz);
    auto lerp = [](double a, double b, double t) { return a + (b - a) * t; };
    const double c00 = lerp(Lattice(ix, iy, iz, seed), Lattice(ix + 1, iy, iz, seed), ux);
    const double c10 = lerp(Lattice(ix, iy + 1, iz, seed), Lattice(ix + 1, iy + 1, iz, seed), ux);
    const double c01 = lerp(Lattice(ix, iy, iz + 1, seed), Lattice(ix + 1, iy, iz + 1, seed), ux);
    const double c11 =
        lerp(Lattice(ix, iy + 1, iz + 1, seed), Lattice(ix + 1, iy + 1, iz + 1, seed), ux);
    return lerp(lerp(c00, c10, uy), lerp(c01, c11, uy), uz);
}

double Fbm(double x, double y, double z, int octaves, std::uint32_t seed)
{
    double sum = 0.0, weight = 0.5, total = 0.0;
    for (int i = 0; i < octaves; ++i)
    {
        sum += weight * ValueNoise(x, y, z, seed + 977u * i);
        total += weight;
        x *= 2.03;
        y *= 2.03;
        z *= 2.03;
        weight *= 0.5;
    }
    return sum / total;
}

Rgb Mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb FromQt(const QColor& c)
{
    return {c.redF(), c.greenF(), c.blueF()};
}

QRgb ToQRgb(const Rgb& c)
{
    return qRgb(int(std::lround(Clamp01(c.r) * 255)), int(std::lround(Clamp01(c.g) * 255)),
                int(std::lround(Clamp01(c.b) * 255)));
}

Rgb SurfaceColour(Surface surface, double x, double y, double z)
{
    const double lat = std::asin(std::clamp(z, -1.0, 1.0));
    switch (surface)
    {
    case Surface::Sun:
    {
        const double g = Fbm(x * 9, y * 9, z * 9, 3, 11);
        return Mix({1.0, 0.62, 0.12}, {1.0, 0.93, 0.55}, 0.35 + 0.65 * g);
    }
    case Surface::Mercury:
    {
        const double n = Fbm(x * 4, y * 4, z * 4, 5, 21);
        const double crater = SmoothStep(0.62, 0.7, Fbm(x * 9, y * 9, z * 9, 2, 22));
        return Mix(Mix({0.42, 0.40, 0.38}, {0.75, 0.72, 0.68}, n), {0.85, 0.83, 0.8}, crater * 0.5);
    }
    case Surface::Venus:
    {
        const double swirl = Fbm(x * 2.5 + 0.5 * z, y * 2.5, z * 6, 4, 31);
        return Mix({0.86, 0.74, 0.48}, {0.99, 0.95, 0.80}, swirl);
    }
    case Surface::Earth:
    {
        const double land = Fbm(x * 1.8, y * 1.8, z * 1.8, 5, 41);
        const double cloud = Fbm(x * 3.5, y * 3.5, z * 5, 4, 42);
        Rgb c = Mix({0.05, 0.18, 0.52}, {0.12, 0.35, 0.72}, Fbm(x * 3, y * 3, z * 3, 2, 43));
        if (land > 0.53)
        {
            const double h = SmoothStep(0.53, 0.7, land);
            c = Mix({0.20, 0.50, 0.16}, {0.58, 0.50, 0.28}, h);
        }
        const double ice = SmoothStep(0.84, 0.9, std::fabs(z));
        c = Mix(c, {0.95, 0.97, 1.0}, ice);
        return Mix(c, {1.0, 1.0, 1.0}, 0.8 * SmoothStep(0.56, 0.72, cloud));
    }
    case Surface::Mars:
    {
        const double n = Fbm(x * 2.5, y * 2.5, z * 2.5, 5, 51);
        Rgb c = Mix({0.55, 0.22, 0.10}, {0.86, 0.45, 0.22}, SmoothStep(0.35, 0.65, n));
        return Mix(c, {0.97, 0.95, 0.92}, SmoothStep(0.9, 0.94, z));
    }
    case Surface::Jupiter:
    {
        const double turb = Fbm(x * 4, y * 4, z * 10, 4, 61) - 0.5;
        const double band = std::sin((lat + 0.12 * turb) * 11.0);
        Rgb c = Mix({0.68, 0.45, 0.28}, {0.95, 0.89, 0.76}, 0.5 + 0.5 * band);
        const double sx = std::atan2(y, x) - 0.8, sy = lat + 0.38;
        const double spot = std::exp(-(sx * sx / 0.02 + sy * sy / 0.004));
        return Mix(c, {0.78, 0.32, 0.18}, Clamp01(spot) * 0.9);
    }
    case Surface::Saturn:
    {
        const double turb = Fbm(x * 3, y * 3, z * 8, 3, 71) - 0.5;
        const double band = std::sin((lat + 0.05 * turb) * 9.0);
        return Mix({0.80, 0.68, 0.45}, {0.96, 0.88, 0.66}, 0.5 + 0.5 * band);
    }
    case Surface::Uranus:
    {
        const double band = std::sin(lat * 6.0);
        return Mix({0.55, 0.82, 0.86}, {0.70, 0.90, 0.92}, 0.5 + 0.25 * band);
    }
    case Surface::Neptune:
    {
        const double turb = Fbm(x * 3, y * 3, z * 8, 3, 91) - 0.5;
        const double band = std::sin((lat + 0.08 * turb) * 7.0);
        Rgb c = Mix({0.16, 0.30, 0.78}, {0.32, 0.52, 0.95}, 0.5 + 0.5 * band);
        const double sx = std::atan2(y, x) + 0.5, sy = lat + 0.35;
        const double spot = std::exp(-(sx * sx / 0.03 + sy * sy / 0.006));
        return Mix(c, {0.08, 0.14, 0.42}, Clamp01(spot) * 0.8);
    }
    case Surface::Pluto:
    {
        const double n = Fbm(x * 3, y * 3, z * 3, 4, 101);
        Rgb c = Mix({0.45, 0.32, 0.22}, {0.72, 0.58, 0.44}, n);
        const double sx = std::atan2(y, x) - 0.3, sy = lat;
        const double heart = SmoothStep(0.55, 0.35, std::sqrt(sx * sx + sy * sy));
        return Mix(c, {0.92, 0.86, 0.78}, heart * 0.8);
    }
    case Surface::Moon:
    {
        const double maria = SmoothStep(0.5, 0.62, Fbm(x * 2, y * 2, z * 2, 4, 111));
        const double n = Fbm(x * 8, y * 8, z * 8, 3, 112);
        return Mix(Mix({0.78, 0.78, 0.76}, {0.42, 0.42, 0.44}, maria), {0.9, 0.9, 0.9}, 0.2 * n);
    }
    case Surface::Comet:
        return {0.85, 0.93, 1.0};
    }
    return {1, 1, 1};
}

void PaintSphere(QImage& image, double cx, double cy, double radius, Surface surface,
                 const SphereView& view, int samples)
{
    const double ll = std::sqrt(view.lightX * view.lightX + view.lightY * view.lightY +
                                view.lightZ * view.lightZ);
    const double lx = view.lightX / ll, ly = view.lightY / ll, lz = view.lightZ / ll;
    const double ct = std::cos(view.tilt), st = std::sin(view.tilt);
    const double ci = std::cos(view.incline), si = std::sin(view.incline);
    const double cs = std::cos(view.spin), ss = std::sin(view.spin);
    const bool emissive = surface == Surface::Sun;
    const bool atmosphere = surface == Surface::Earth || surface == Surface::Venus ||
                            surface == Surface::Uranus || surface == Surface::Neptune;
    const Rgb rimColour = surface == Surface::Earth     ? Rgb{0.45, 0.7, 1.0}
                          : surface == Surface::Venus   ? Rgb{1.0, 0.95, 0.8}
                          : surface == Surface::Neptune ? Rgb{0.45, 0.65, 1.0}
                                                        : Rgb{0.7, 0.95, 1.0};
    const int x0 = int(std::floor(cx - radius - 1)), x1 = int(std::ceil(cx + radius + 1));
    const int y0 = int(std::floor(cy - radius - 1)), y1 = int(std::ceil(cy + radius + 1));
    for (int py = y0; py <= y1; ++py)
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
                    const double x1r = x * ct + y * st;
                    const double y1r = -x * st + y * ct;
                    const double p = -y1r * ci + z * si;
                    const double q = y1r * si + z * ci;
                    const double bx = x1r * cs + q * ss;
                    const double by = -x1r * ss + q * cs;
                    Rgb c = SurfaceColour(surface, bx, by, p);
                    if (emissive)
                    {
                        const double limb = 0.45 + 0.55 * std::pow(z, 0.6);
                        c = {c.r * (0.75 + 0.25 * limb), c.g * limb, c.b * limb};
                    }
                    else
                    {
                        const double lambert = std::max(0.0, x * lx + y * ly + z * lz);
                        const double light = view.ambient + (1.0 - view.ambient) * lambert;
                        c = {c.r * light, c.g * light, c.b * light};
                        if (atmosphere)
                        {
                            const double rim = std::pow(1.0 - z, 2.5) * (0.3 + 0.7 * lambert);
                            c = Mix(c, rimColour, Clamp01(rim * 0.8));
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
            BlendPixel(image, px, py, {sum.r / covered, sum.g / covered, sum.b / covered}, a);
        }
}

void PaintRing(QImage& image, double cx, double cy, double inner, double outer, double opening,
               double angle, bool front, int samples)
{
    const double ca = std::cos(angle), sa = std::sin(angle);
    const int x0 = int(std::floor(cx - outer - 1)), x1 = int(std::ceil(cx + outer + 1));
    const int y0 = int(std::floor(cy - outer - 1)), y1 = int(std::ceil(cy + outer + 1));
    for (int py = y0; py <= y1; ++py)
        for (int px = x0; px <= x1; ++px)
        {
            Rgb sum;
            double alpha = 0.0;
            for (int sy = 0; sy < samples; ++sy)
                for (int sx = 0; sx < samples; ++sx)
                {
                    const double dx = px + (sx + 0.5) / samples - cx;
                    const double dy = py + (sy + 0.5) / samples - cy;
                    const double u = dx * ca + dy * sa;
                    const double v = -dx * sa + dy * ca;
                    if ((v > 0) != front)
                        continue;
                    const double rv = v / opening;
                    const double r = std::sqrt(u * u + rv * rv);
                    if (r < inner || r > outer)
                        continue;
                    const double t = (r - inner) / (outer - inner);
                    double density = 0.55 + 0.3 * std::sin(t * 31.0) * std::sin(t * 7.0 + 1.0);
                    density *= 1.0 - SmoothStep(0.6, 0.63, t) * SmoothStep(0.7, 0.67, t);
                    density *= SmoothStep(0.0, 0.08, t) * SmoothStep(1.0, 0.92, t);
                    const Rgb c =
                        Mix({0.72, 0.62, 0.46}, {0.95, 0.88, 0.72}, 0.5 + 0.5 * std::sin(t * 13.0));
                    sum.r += c.r * density;
                    sum.g += c.g * density;
                    sum.b += c.b * density;
                    alpha += density;
                }
            if (alpha <= 0.0)
                continue;
            const double n = samples * samples;
            BlendPixel(image, px, py, {sum.r / alpha, sum.g / alpha, sum.b / alpha}, alpha / n);
        }
}

void PaintStarField(QImage& image, int count, std::uint64_t seed, double brightness)
{
    Rng rng(seed);
    for (int i = 0; i < count; ++i)
    {
        const double x = rng.Range(0, image.width());
        const double y = rng.Range(0, image.height());
        const double u = rng.Uniform();
        const double mag = std::pow(u, 10.0) * brightness;
        const double temp = rng.Uniform();
        const Rgb tint = temp < 0.3    ? Rgb{0.75, 0.85, 1.0}
                         : temp < 0.8  ? Rgb{1.0, 1.0, 1.0}
                         : temp < 0.93 ? Rgb{1.0, 0.93, 0.75}
                                       : Rgb{1.0, 0.78, 0.6};
        const double base = 0.25 + 0.75 * mag;
        const int ix = int(x), iy = int(y);
        AddPixel(image, ix, iy, tint, std::min(1.0, base * 1.2));
        if (mag > 0.2)
        {
            const double g = (mag - 0.2) * 1.3;
            const int reach = 1 + int(mag * 3.0);
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx)
                {
                    if (dx == 0 && dy == 0)
                        continue;
                    const double d2 = dx * dx + dy * dy;
                    AddPixel(image, ix + dx, iy + dy, tint, g * std::exp(-d2 / (0.6 + mag * 1.6)));
                }
        }
        if (mag > 0.7)
        {
            const int len = int(3 + mag * 7);
            for (int k = 2; k <= len; ++k)
            {
                const double a = 0.55 * mag * (1.0 - double(k) / (len + 1));
                AddPixel(image, ix + k, iy, tint, a);
                AddPixel(image, ix - k, iy, tint, a);
                AddPixel(image, ix, iy + k, tint, a);
                AddPixel(image, ix, iy - k, tint, a);
            }
        }
    }
}

void PaintNebula(QImage& image, const Rgb& colourA, const Rgb& colourB, double strength,
                 std::uint32_t seed, double scale)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const double n = Fbm(x * scale, y * scale, 0.5, 5, seed);
            const double m = Fbm(x * scale * 0.7 + 13.1, y * scale * 0.7, 2.5, 3, seed + 5);
            const double t = SmoothStep(0.42, 0.78, n);
            AddPixel(image, x, y, Mix(colourA, colourB, m), t * t * strength);
        }
}

void PaintGlow(QImage& image, double cx, double cy, double radius, const Rgb& colour,
               double strength)
{
    const int reach = int(radius * 3.0);
    for (int y = std::max(0, int(cy) - reach); y < std::min(image.height(), int(cy) + reach); ++y)
        for (int x = std::max(0, int(cx) - reach); x < std::min(image.width(), int(cx) + reach);
             ++x)
        {
            const double dx = (x + 0.5 - cx) / radius, dy = (y + 0.5 - cy) / radius;
            AddPixel(image, x, y, colour, strength * std::exp(-(dx * dx + dy * dy)));
        }
}

bool SaveBmp24(const QImage& image, const QString& path)
{
    return WriteBmp(image.convertToFormat(QImage::Format_RGB32), path);
}

bool SaveBmp8(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QVector<QRgb> table;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
        {
            const QRgb p = rgb.pixel(x, y) | 0xFF000000u;
            if (!table.contains(p))
                table.push_back(p);
        }
    if (table.size() > 256)
        return false;
    std::sort(table.begin(), table.end());
    QImage out(rgb.size(), QImage::Format_Indexed8);
    // Fill first: the writer copies whole scan lines, padding included, into the file.
    out.fill(0);
    out.setColorTable(table);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            out.setPixel(x, y, uint(table.indexOf(rgb.pixel(x, y) | 0xFF000000u)));
    return WriteBmp(out, path);
}

bool SaveBmp1(const QImage& image, const QString& path, QRgb whiteWhere)
{
    QImage out(image.size(), QImage::Format_Mono);
    out.setColor(0, qRgb(0, 0, 0));
    out.setColor(1, qRgb(255, 255, 255));
    out.fill(0);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(x, y, (image.pixel(x, y) | 0xFF000000u) == (whiteWhere | 0xFF000000u));
    return WriteBmp(out, path);
}

bool SavePng(const QImage& image, const QString& path)
{
    return image.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
}
