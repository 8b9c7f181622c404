#include "Art.h"
#include "Generators.h"

#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace
{
// Turns a picture painted on a transparent ground into a sprite: pixels at least `threshold`
// opaque keep their colour (never pure black, which is the transparent colour), the rest
// become black.
QImage ToSprite(const QImage& argb, double threshold)
{
    QImage out(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
        {
            const QRgb p = argb.pixel(x, y);
            if (qAlpha(p) < threshold * 255.0)
            {
                out.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (r + g + b < 24)
            {
                r += 8;
                g += 8;
                b += 8;
            }
            out.setPixel(x, y, qRgb(r, g, b));
        }
    return out;
}

// White where the sprite is black (transparent), black where it is opaque.
QImage MaskOf(const QImage& sprite)
{
    QImage mask(sprite.size(), QImage::Format_RGB32);
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            mask.setPixel(
                x, y, (sprite.pixel(x, y) & 0xFFFFFF) == 0 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    return mask;
}

QImage Transparent(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

SphereView SpriteView()
{
    SphereView view;
    view.ambient = 0.45;
    view.lightX = -0.35;
    view.lightY = -0.3;
    view.lightZ = 0.9;
    return view;
}

// At nine pixels a rendered ring is too faint to read, so Saturn is drawn pixel by pixel:
// the far side of the ring beside the globe, its near side across it.
QImage SaturnSprite()
{
    static const char* const rows[] = {".........", "...111...", "..11112..",
                                       "rr11122rr", "R.22223.R", ".RRRRRRR.",
                                       "..23333..", "...333...", "........."};
    QImage image(9, 9, QImage::Format_RGB32);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 9; ++x)
        {
            QRgb c = qRgb(0, 0, 0);
            switch (rows[y][x])
            {
            case '1':
                c = qRgb(236, 212, 150);
                break;
            case '2':
                c = qRgb(205, 172, 108);
                break;
            case '3':
                c = qRgb(150, 118, 72);
                break;
            case 'R':
                c = qRgb(244, 234, 204);
                break;
            case 'r':
                c = qRgb(176, 164, 132);
                break;
            default:
                break;
            }
            image.setPixel(x, y, c);
        }
    return image;
}

QImage PlanetSprite(Surface surface, int size)
{
    QImage image = Transparent(size, size);
    const double c = size / 2.0;
    SphereView view = SpriteView();
    if (surface == Surface::Saturn)
        return SaturnSprite();
    if (surface == Surface::Sun)
    {
        PaintSphere(image, c, c, c, surface, view, 6);
        return ToSprite(image, 0.45);
    }
    view.incline = surface == Surface::Uranus ? 1.3 : 0.15;
    PaintSphere(image, c, c, c, surface, view, 6);
    return ToSprite(image, 0.45);
}

QImage CometSprite()
{
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(0, 1, qRgb(120, 170, 255));
    image.setPixel(2, 1, qRgb(120, 170, 255));
    image.setPixel(1, 0, qRgb(150, 190, 255));
    image.setPixel(1, 2, qRgb(150, 190, 255));
    return image;
}

// A small disc from rows of '1' (colour) and '0' (black).
QImage Pattern(const char* const* rows, int w, int h, QRgb on, QRgb centre)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y,
                           rows[y][x] == '1' ? on : (rows[y][x] == '2' ? centre : qRgb(0, 0, 0)));
    return image;
}

QImage SkyLabel()
{
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(15.5, 15.5);
    QConicalGradient ringColour(c, 90);
    ringColour.setColorAt(0.0, QColor(255, 230, 90));
    ringColour.setColorAt(0.5, QColor(255, 150, 30));
    ringColour.setColorAt(1.0, QColor(255, 230, 90));
    p.setPen(QPen(QBrush(ringColour), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 9.0, 9.0);
    p.setPen(QPen(QColor(255, 200, 60), 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(15.5, 1.0), QPointF(15.5, 5.5));
    p.drawLine(QPointF(15.5, 25.5), QPointF(15.5, 30.0));
    p.drawLine(QPointF(1.0, 15.5), QPointF(5.5, 15.5));
    p.drawLine(QPointF(25.5, 15.5), QPointF(30.0, 15.5));
    p.end();
    return image;
}

// Marker of the chosen place on the world map, ORed onto the map with its centre pixel (7, 7) on
// the place: black ground, a bright red ring and a yellow centre dot.
QImage LocationLabel()
{
    QImage image(14, 14, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 40, 30), 1.8));
    p.drawEllipse(QPointF(7.5, 7.5), 4.6, 4.6);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(7, 7, 1, 1), QColor(255, 255, 80));
    p.end();
    return image;
}

// Cursor shown while an animation is stopped: a target ring round the hot spot (16, 16) and a
// pause badge, so the user sees that a right click now opens an object's card.
QImage StoppedCursor()
{
    QImage image = Transparent(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(16.5, 16.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255), 3.2));
    p.drawEllipse(c, 7.0, 7.0);
    p.setPen(QPen(QColor(0, 0, 0), 1.4));
    p.drawEllipse(c, 7.0, 7.0);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const QRect& r :
         {QRect(15, 4, 3, 7), QRect(15, 23, 3, 7), QRect(4, 15, 7, 3), QRect(23, 15, 7, 3)})
        p.fillRect(r, QColor(255, 255, 255));
    for (const QRect& r :
         {QRect(16, 5, 1, 5), QRect(16, 24, 1, 5), QRect(5, 16, 5, 1), QRect(24, 16, 5, 1)})
        p.fillRect(r, QColor(0, 0, 0));
    p.fillRect(QRect(15, 15, 3, 3), QColor(255, 255, 255));
    p.fillRect(QRect(16, 16, 1, 1), QColor(0, 0, 0));
    // Pause badge at the lower right.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 1.0));
    p.setBrush(QColor(200, 40, 30));
    p.drawRoundedRect(QRectF(21.5, 21.5, 10, 10), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(24, 24, 2, 6), QColor(255, 255, 255));
    p.fillRect(QRect(28, 24, 2, 6), QColor(255, 255, 255));
    p.end();
    return image;
}

// Crosshair for the world map; hot spot (16, 16).
QImage MapCursor()
{
    QImage image = Transparent(32, 32);
    QPainter p(&image);
    const QColor white(255, 255, 255), black(0, 0, 0);
    for (const QRect& r : {QRect(15, 1, 3, 12), QRect(15, 20, 3, 12), QRect(1, 15, 12, 3),
                           QRect(20, 15, 12, 3), QRect(15, 15, 3, 3)})
        p.fillRect(r, white);
    for (const QRect& r : {QRect(16, 2, 1, 10), QRect(16, 21, 1, 10), QRect(2, 16, 10, 1),
                           QRect(21, 16, 10, 1), QRect(16, 16, 1, 1)})
        p.fillRect(r, black);
    p.end();
    return image;
}

QImage Icon(int size)
{
    QImage image = Transparent(size, size);
    const double s = size / 32.0;
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient ground(0, 0, 0, size);
        ground.setColorAt(0.0, QColor(20, 30, 80));
        ground.setColorAt(1.0, QColor(5, 5, 25));
        p.setPen(Qt::NoPen);
        p.setBrush(ground);
        p.drawRoundedRect(QRectF(0.5 * s, 0.5 * s, size - 1.0 * s, size - 1.0 * s), 5 * s, 5 * s);
        auto star = [&](double x, double y, double r)
        {
            p.setBrush(QColor(255, 255, 230));
            p.drawEllipse(QPointF(x * s, y * s), r * s, r * s);
            p.setPen(QPen(QColor(255, 255, 230, 170), 0.7 * s));
            p.drawLine(QPointF((x - 2.6 * r) * s, y * s), QPointF((x + 2.6 * r) * s, y * s));
            p.drawLine(QPointF(x * s, (y - 2.6 * r) * s), QPointF(x * s, (y + 2.6 * r) * s));
            p.setPen(Qt::NoPen);
        };
        star(6, 6, 1.1);
        star(26, 26.5, 0.9);
        star(25, 5, 0.7);
        if (size > 16)
            star(5, 24, 0.6);
    }
    const double c = size / 2.0;
    SphereView view;
    view.ambient = 0.25;
    PaintRing(image, c, c, 9.5 * s, 14.5 * s, 0.33, -0.42, false, 6);
    PaintSphere(image, c, c, 7.8 * s, Surface::Jupiter, view, 6);
    PaintRing(image, c, c, 9.5 * s, 14.5 * s, 0.33, -0.42, true, 6);
    return image;
}
} // namespace

bool MakeSprites(const QString& resDir)
{
    const QString bitmap = resDir + "/bitmap/";
    bool ok = true;
    struct Body
    {
        int id;
        Surface surface;
        int size;
    };
    const Body bodies[] = {{1001, Surface::Sun, 11},    {1002, Surface::Mercury, 4},
                           {1003, Surface::Venus, 6},   {1004, Surface::Earth, 7},
                           {1005, Surface::Mars, 5},    {1006, Surface::Jupiter, 9},
                           {1007, Surface::Saturn, 9},  {1008, Surface::Uranus, 8},
                           {1009, Surface::Neptune, 8}, {1010, Surface::Pluto, 4}};
    for (const Body& body : bodies)
    {
        const QImage sprite = PlanetSprite(body.surface, body.size);
        const QString path = bitmap + QString::number(body.id) + ".bmp";
        const QString maskPath = bitmap + QString::number(body.id + 100) + ".bmp";
        ok = Report(SaveBmp8(sprite, path), path) && ok;
        ok = Report(SaveBmp1(MaskOf(sprite), maskPath, qRgb(255, 255, 255)), maskPath) && ok;
    }
    const QImage comet = CometSprite();
    ok = Report(SaveBmp8(comet, bitmap + "1011.bmp"), bitmap + "1011.bmp") && ok;
    ok = Report(SaveBmp1(MaskOf(comet), bitmap + "1111.bmp", qRgb(255, 255, 255)),
                bitmap + "1111.bmp") &&
         ok;

    QImage star(4, 1, QImage::Format_RGB32);
    star.fill(qRgb(255, 255, 255));
    ok =
        Report(SaveBmp1(star, bitmap + "Star.bmp", qRgb(255, 255, 255)), bitmap + "Star.bmp") && ok;

    static const char* const disc[] = {"01110", "11111", "11211", "11111", "01110"};
    const QImage sun = Pattern(disc, 5, 5, qRgb(255, 220, 0), qRgb(255, 255, 150));
    ok = Report(SaveBmp8(sun, bitmap + "Sun.bmp"), bitmap + "Sun.bmp") && ok;
    const QImage moon = Pattern(disc, 5, 5, qRgb(255, 255, 255), qRgb(255, 255, 255));
    ok = Report(SaveBmp8(moon, bitmap + "Moon.bmp"), bitmap + "Moon.bmp") && ok;
    static const char* const ring[] = {"01110", "10011", "11001", "01110"};
    const QImage ngc = Pattern(ring, 5, 4, qRgb(255, 255, 255), qRgb(255, 255, 255));
    ok = Report(SaveBmp1(ngc, bitmap + "NGCMess.bmp", qRgb(255, 255, 255)),
                bitmap + "NGCMess.bmp") &&
         ok;
    ok = Report(SaveBmp24(SkyLabel(), bitmap + "SkyLabel.bmp"), bitmap + "SkyLabel.bmp") && ok;
    ok = Report(SaveBmp24(LocationLabel(), bitmap + "LocationLabel.bmp"),
                bitmap + "LocationLabel.bmp") &&
         ok;

    const QString cursor = resDir + "/cursor/";
    ok = Report(SavePng(StoppedCursor(), cursor + "103.png"), cursor + "103.png") && ok;
    ok = Report(SavePng(MapCursor(), cursor + "104.png"), cursor + "104.png") && ok;
    const QString icon = resDir + "/icon/";
    ok = Report(SavePng(Icon(32), icon + "101.png"), icon + "101.png") && ok;
    ok = Report(SavePng(Icon(16), icon + "101-16.png"), icon + "101-16.png") && ok;
    // The desktop's icon theme takes the same picture at its usual sizes; these stay outside
    // the program and are installed beside its launcher.
    for (int size : kDesktopIconSizes)
    {
        const QString dir = resDir + QStringLiteral("/hicolor/%1x%1/apps").arg(size);
        ok = Report(QDir().mkpath(dir), dir) && ok;
        ok = Report(SavePng(Icon(size), dir + "/velmoria.png"), dir + "/velmoria.png") && ok;
    }
    return ok;
}
