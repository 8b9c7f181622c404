// The larger pictures: the title screen, the main-screen picture, the About picture and the
// title strips of the dialogs and cards.
#include "Art.h"
#include "Generators.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace
{
// Only fonts of the fonts-dejavu-core package are named, so every build machine draws the
// same letters.
QFont Font(const char* family, int pixels, bool bold, double spacing = 100.0)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    if (spacing != 100.0)
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    return font;
}

// Vertical gradient ground of deep space.
void FillSpace(QImage& image, const Rgb& top, const Rgb& bottom)
{
    for (int y = 0; y < image.height(); ++y)
    {
        const QRgb c = ToQRgb(Mix(top, bottom, double(y) / std::max(1, image.height() - 1)));
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::fill(line, line + image.width(), c);
    }
}

// Darkens the rows from `from` to the bottom smoothly down to `floor` of their brightness.
void FadeBottom(QImage& image, int from, double floor)
{
    for (int y = from; y < image.height(); ++y)
    {
        const double t = double(y - from) / std::max(1, image.height() - 1 - from);
        const double k = 1.0 - (1.0 - floor) * (t * t * (3 - 2 * t));
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] =
                qRgb(int(qRed(line[x]) * k), int(qGreen(line[x]) * k), int(qBlue(line[x]) * k));
    }
}

// Draws `text` centred on `centre` (horizontally) with its baseline at centre.y(): a soft glow,
// a gradient fill from `top` to `bottom` and a thin dark edge.
void ShinyText(QImage& image, const QString& text, const QFont& font, QPointF centre,
               const QColor& top, const QColor& bottom, const QColor& glow, double glowWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre.x() - box.center().x(), centre.y());
    const QRectF placed = path.boundingRect();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int i = 6; i >= 1; --i)
    {
        QColor g = glow;
        g.setAlphaF(0.06 * glow.alphaF());
        p.setPen(QPen(g, glowWidth * i / 6.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    QLinearGradient fill(0, placed.top(), 0, placed.bottom());
    fill.setColorAt(0.0, top);
    fill.setColorAt(0.55, top.lighter(115));
    fill.setColorAt(1.0, bottom);
    p.setPen(QPen(QColor(40, 25, 0, 200), std::max(0.8, font.pixelSize() / 60.0)));
    p.setBrush(fill);
    p.drawPath(path);
    p.end();
}

void PlainText(QImage& image, const QString& text, const QFont& font, QPointF at,
               const QColor& colour, bool centred, bool shadow)
{
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font);
    const double w = p.fontMetrics().horizontalAdvance(text);
    const QPointF origin(centred ? at.x() - w / 2 : at.x(), at.y());
    if (shadow)
    {
        p.setPen(QColor(0, 0, 0, 180));
        p.drawText(origin + QPointF(1, 1), text);
    }
    p.setPen(colour);
    p.drawText(origin, text);
    p.end();
}

void RingedPlanet(QImage& image, double cx, double cy, double radius, Surface surface,
                  const SphereView& view, double inner, double outer, double opening, double angle)
{
    PaintRing(image, cx, cy, inner, outer, opening, angle, false, 3);
    PaintSphere(image, cx, cy, radius, surface, view, 3);
    PaintRing(image, cx, cy, inner, outer, opening, angle, true, 3);
}

QImage Title()
{
    QImage image(640, 480, QImage::Format_RGB32);
    FillSpace(image, {0.02, 0.02, 0.08}, {0.01, 0.01, 0.03});
    PaintNebula(image, {0.45, 0.12, 0.55}, {0.08, 0.25, 0.6}, 0.4, 7, 0.0045);
    PaintStarField(image, 1700, 2024, 1.0);
    PaintGlow(image, -20, -10, 230, {1.0, 0.5, 0.15}, 0.55);
    PaintGlow(image, -20, -10, 95, {1.0, 0.85, 0.55}, 0.9);
    SphereView sun;
    PaintSphere(image, -20, -10, 62, Surface::Sun, sun, 3);

    SphereView lit;
    lit.lightX = -0.8;
    lit.lightY = -0.55;
    lit.lightZ = 0.35;
    lit.ambient = 0.05;
    lit.incline = 0.28;
    lit.tilt = -0.28;
    RingedPlanet(image, 470, 290, 100, Surface::Saturn, lit, 128, 215, 0.27, -0.28);
    SphereView moon = lit;
    moon.incline = 0.1;
    PaintSphere(image, 300, 350, 13, Surface::Moon, moon, 3);
    SphereView earth = lit;
    earth.spin = 2.0;
    PaintSphere(image, 110, 330, 26, Surface::Earth, earth, 3);
    FadeBottom(image, 400, 0.35);

    ShinyText(image, "Velmoria", Font("DejaVu Serif", 92, true), QPointF(320, 128),
              QColor(255, 244, 200), QColor(230, 150, 40), QColor(255, 190, 90), 22);
    PlainText(image, "The Solar System and the Stars", Font("DejaVu Sans", 22, false, 108),
              QPointF(320, 172), QColor(185, 210, 255), true, true);
    return image;
}

QImage Background()
{
    QImage image(600, 400, QImage::Format_RGB32);
    FillSpace(image, {0.03, 0.04, 0.12}, {0.01, 0.01, 0.04});
    PaintNebula(image, {0.15, 0.2, 0.6}, {0.45, 0.15, 0.5}, 0.28, 19, 0.006);
    PaintStarField(image, 750, 77, 0.9);
    const double sx = -30, sy = 215;
    PaintGlow(image, sx, sy, 170, {1.0, 0.55, 0.15}, 0.5);
    PaintGlow(image, sx, sy, 85, {1.0, 0.85, 0.5}, 0.9);
    SphereView sun;
    PaintSphere(image, sx, sy, 68, Surface::Sun, sun, 3);

    struct Orbit
    {
        double a;
        double angle;
        Surface surface;
        double radius;
    };
    const Orbit orbits[] = {{125, 0.85, Surface::Mercury, 4.5}, {170, -0.55, Surface::Venus, 8},
                            {225, 0.42, Surface::Earth, 9},     {285, -0.3, Surface::Mars, 6.5},
                            {380, 0.2, Surface::Jupiter, 25},   {490, -0.14, Surface::Saturn, 18},
                            {575, 0.1, Surface::Uranus, 11}};
    const double flat = 0.36;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        for (const Orbit& o : orbits)
        {
            p.setPen(QPen(QColor(110, 130, 200, 120), 1.0));
            p.drawEllipse(QPointF(sx, sy), o.a, o.a * flat);
        }
    }
    SphereView lit;
    lit.lightX = -0.9;
    lit.lightY = 0.0;
    lit.lightZ = 0.45;
    lit.ambient = 0.1;
    for (const Orbit& o : orbits)
    {
        const double x = sx + o.a * std::cos(o.angle), y = sy + o.a * flat * std::sin(o.angle);
        if (o.surface == Surface::Saturn)
            RingedPlanet(image, x, y, o.radius, o.surface, lit, o.radius * 1.3, o.radius * 2.2,
                         0.35, -0.25);
        else
        {
            SphereView v = lit;
            v.incline = o.surface == Surface::Uranus ? 1.3 : 0.2;
            PaintSphere(image, x, y, o.radius, o.surface, v, 3);
        }
    }
    ShinyText(image, "Velmoria", Font("DejaVu Serif", 58, true), QPointF(420, 78),
              QColor(255, 244, 200), QColor(230, 150, 40), QColor(255, 190, 90), 14);
    PlainText(image, "The Solar System and the Stars", Font("DejaVu Sans", 15, false, 106),
              QPointF(420, 104), QColor(185, 210, 255), true, true);
    PlainText(image, "F2  Solar System      F3  Star Map      F4  Astronomical Database",
              Font("DejaVu Sans", 13, false), QPointF(300, 382), QColor(200, 205, 225), true, true);
    QPainter p(&image);
    p.setPen(QPen(QColor(20, 20, 30), 1.0));
    p.drawRect(0, 0, 599, 399);
    p.setPen(QPen(QColor(120, 135, 190), 1.0));
    p.drawRect(1, 1, 597, 397);
    p.end();
    return image;
}

QImage About()
{
    QImage image(320, 120, QImage::Format_RGB32);
    FillSpace(image, {0.03, 0.03, 0.12}, {0.01, 0.01, 0.04});
    PaintNebula(image, {0.4, 0.15, 0.55}, {0.1, 0.3, 0.65}, 0.35, 102, 0.012);
    PaintStarField(image, 260, 102, 0.8);
    SphereView lit;
    lit.lightX = -0.7;
    lit.lightY = -0.5;
    lit.lightZ = 0.5;
    lit.ambient = 0.08;
    RingedPlanet(image, 46, 62, 22, Surface::Saturn, lit, 28, 44, 0.3, -0.35);
    ShinyText(image, "Velmoria", Font("DejaVu Serif", 42, true), QPointF(204, 68),
              QColor(255, 244, 200), QColor(230, 150, 40), QColor(255, 190, 90), 12);
    PlainText(image, "The Solar System and the Stars", Font("DejaVu Sans", 12, false, 105),
              QPointF(204, 94), QColor(185, 210, 255), true, true);
    return image;
}

QImage StarSymbol()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    for (int i = 0; i < 10; ++i)
    {
        const double a = -M_PI / 2 + i * M_PI / 5, r = (i % 2) ? 4.2 : 10.5;
        const QPointF q(12 + r * std::cos(a), 12.5 + r * std::sin(a));
        i == 0 ? path.moveTo(q) : path.lineTo(q);
    }
    path.closeSubpath();
    QRadialGradient gold(10, 9, 11);
    gold.setColorAt(0, QColor(255, 255, 210));
    gold.setColorAt(1, QColor(245, 180, 30));
    p.setPen(QPen(QColor(140, 80, 0), 1.0));
    p.setBrush(gold);
    p.drawPath(path);
    p.end();
    return image;
}

QImage CometSymbol()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tail;
    tail.moveTo(16.5, 4.0);
    tail.quadTo(8, 10, 1.5, 22.5);
    tail.quadTo(12, 15, 20.0, 7.5);
    tail.closeSubpath();
    QLinearGradient fade(18, 6, 2, 22);
    fade.setColorAt(0, QColor(220, 240, 255, 240));
    fade.setColorAt(1, QColor(120, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPath(tail);
    QRadialGradient head(18, 6, 4.5);
    head.setColorAt(0, QColor(255, 255, 255));
    head.setColorAt(0.5, QColor(200, 230, 255, 220));
    head.setColorAt(1, QColor(150, 200, 255, 0));
    p.setBrush(head);
    p.drawEllipse(QPointF(18, 6), 4.5, 4.5);
    p.end();
    return image;
}

QImage AboutSymbol()
{
    QImage image(24, 24, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient blue(9, 8, 13);
    blue.setColorAt(0, QColor(130, 180, 255));
    blue.setColorAt(1, QColor(20, 60, 170));
    p.setPen(QPen(QColor(230, 240, 255), 1.2));
    p.setBrush(blue);
    p.drawEllipse(QPointF(12, 12), 10.5, 10.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(12, 6.8), 1.9, 1.9);
    p.drawRoundedRect(QRectF(10.3, 10.0, 3.4, 9.0), 1, 1);
    p.end();
    return image;
}

// A caption-like strip: a blue ground with a few stars, a symbol at the left and a word.
QImage Strip(int w, int h, const QImage& symbol, const QString& word, std::uint64_t seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int x = 0; x < w; ++x)
    {
        const QRgb c = ToQRgb(Mix({0.04, 0.08, 0.35}, {0.22, 0.42, 0.78}, double(x) / (w - 1)));
        for (int y = 0; y < h; ++y)
            image.setPixel(x, y, c);
    }
    PaintStarField(image, w / 5, seed, 0.4);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setPen(QColor(130, 160, 230));
    p.drawLine(0, 0, w - 1, 0);
    p.setPen(QColor(5, 10, 40));
    p.drawLine(0, h - 1, w - 1, h - 1);
    const int side = h - (h > 24 ? 8 : 4);
    const int top = (h - side) / 2;
    p.drawImage(QRect(top + 1, top, side, side),
                symbol.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.end();
    const QFont font = Font("DejaVu Sans", h > 24 ? 16 : 12, true);
    PlainText(image, word, font, QPointF(top + side + 7, h / 2.0 + font.pixelSize() * 0.36),
              QColor(255, 255, 255), false, true);
    return image;
}
} // namespace

bool MakePictures(const QString& resDir, const QString& runtimeDir)
{
    bool ok = true;
    auto save = [&](const QImage& image, const QString& path)
    { ok = Report(SaveBmp24(image, path), path) && ok; };
    const QString bitmap = resDir + "/bitmap/";
    save(About(), bitmap + "102.bmp");

    struct Caption
    {
        int id;
        QImage symbol;
        const char* word;
    };
    const Caption dialogs[] = {
        {1201, AboutSymbol(), "About"},           {1202, ButtonSymbol(373), "Solar System"},
        {1203, ButtonSymbol(374), "Star Map"},    {1204, ButtonSymbol(376), "Location"},
        {1205, ButtonSymbol(375), "Time Update"}, {1206, ButtonSymbol(509), "Search"}};
    for (const Caption& c : dialogs)
        save(Strip(160, 32, c.symbol, c.word, c.id), bitmap + QString::number(c.id) + ".bmp");
    const Caption cards[] = {
        {1207, StarSymbol(), "Star"},     {1208, ButtonSymbol(806), "Planet"},
        {1209, ButtonSymbol(701), "Sun"}, {1210, ButtonSymbol(810), "Moon"},
        {1211, CometSymbol(), "Comet"},   {1212, ButtonSymbol(812), "Deep Sky"}};
    for (const Caption& c : cards)
        save(Strip(120, 22, c.symbol, c.word, c.id), bitmap + QString::number(c.id) + ".bmp");

    save(Title(), runtimeDir + "/Bitmap/Title.bmp");
    save(Background(), runtimeDir + "/Bitmap/BackGnd.bmp");
    return ok;
}
