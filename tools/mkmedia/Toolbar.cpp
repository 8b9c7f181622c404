// Toolbar button pictures: 24 x 24 symbols on the light-grey button face.
#include "Art.h"
#include "Generators.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>
#include <vector>

namespace
{
constexpr int kSize = 24;
const QColor kFace(192, 192, 192);
const QColor kInk(20, 20, 20);

// The title strips reuse the button symbols on a transparent ground.
bool transparentFace = false;

QImage Face()
{
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(transparentFace ? QColor(Qt::transparent) : kFace);
    return image;
}

void Antialias(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

QPainterPath StarPath(QPointF c, double outer, double inner, int points = 5, double turn = 0.0)
{
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i)
    {
        const double a = -M_PI / 2 + turn + i * M_PI / points;
        const double r = (i % 2) ? inner : outer;
        const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(q);
        else
            path.lineTo(q);
    }
    path.closeSubpath();
    return path;
}

void Gear(QPainter& p, QPointF c, double r)
{
    QPainterPath path;
    const int teeth = 8;
    path.moveTo(c.x() + r, c.y());
    for (int i = 0; i < teeth * 2; ++i)
    {
        const double a0 = i * M_PI / teeth, a1 = (i + 1) * M_PI / teeth;
        const double rr = (i % 2) ? r * 0.72 : r;
        path.arcTo(QRectF(c.x() - rr, c.y() - rr, 2 * rr, 2 * rr), -a0 * 180 / M_PI,
                   -(a1 - a0) * 180 / M_PI);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, r * 0.3, r * 0.3);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    QLinearGradient metal(c.x() - r, c.y() - r, c.x() + r, c.y() + r);
    metal.setColorAt(0, QColor(240, 240, 240));
    metal.setColorAt(1, QColor(110, 110, 120));
    p.setBrush(metal);
    p.drawPath(path.subtracted(hole));
}

void Magnifier(QPainter& p, QPointF c, double r)
{
    p.setPen(QPen(QColor(90, 50, 20), 3.6, Qt::SolidLine, Qt::RoundCap));
    const double d = r * 0.72;
    p.drawLine(QPointF(c.x() + d + 1.5, c.y() + d + 1.5),
               QPointF(c.x() + d + 7.0, c.y() + d + 7.0));
    QRadialGradient glass(c.x() - r * 0.3, c.y() - r * 0.3, r * 1.4);
    glass.setColorAt(0, QColor(255, 255, 255));
    glass.setColorAt(1, QColor(170, 205, 235));
    p.setBrush(glass);
    p.setPen(QPen(kInk, 1.8));
    p.drawEllipse(c, r, r);
}

void Triangle(QPainter& p, QPointF a, QPointF b, QPointF c, const QColor& fill)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    p.setPen(QPen(fill.darker(180), 1.0));
    p.setBrush(fill);
    p.drawPath(path);
}

QImage Draw(const std::function<void(QPainter&)>& paint)
{
    QImage image = Face();
    QPainter p(&image);
    Antialias(p);
    paint(p);
    p.end();
    return image;
}

// At button size a rendered ring is too pale against the face, so rings are stroked: a bright
// band between two darker edges; the half behind the globe first, the near half after it.
void StrokedRing(QImage& image, QPointF c, double rx, double ry, double degrees, bool front)
{
    QPainter p(&image);
    Antialias(p);
    p.translate(c);
    p.rotate(degrees);
    p.setClipRect(front ? QRectF(-30, 0, 60, 30) : QRectF(-30, -30, 60, 30));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 85, 45), 3.4));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.setPen(QPen(QColor(236, 214, 160), 2.0));
    p.drawEllipse(QPointF(0, 0), rx, ry);
    p.end();
}

QImage Planet(Surface surface, double radius, double incline = 0.3)
{
    QImage image = Face();
    SphereView view;
    view.ambient = 0.22;
    view.incline = incline;
    if (surface == Surface::Saturn)
    {
        StrokedRing(image, QPointF(12, 12), 10.2, 3.6, -24, false);
        PaintSphere(image, 12, 12, radius, surface, view, 5);
        StrokedRing(image, QPointF(12, 12), 10.2, 3.6, -24, true);
        return image;
    }
    PaintSphere(image, 12, 12, radius, surface, view, 5);
    return image;
}

QImage SolarSystem()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(60, 60, 110), 1.0));
            p.drawEllipse(QPointF(12, 12), 6.5, 4.0);
            p.drawEllipse(QPointF(12, 12), 10.5, 7.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(30, 90, 220));
            p.drawEllipse(QPointF(18.4, 10.5), 1.8, 1.8);
            p.setBrush(QColor(200, 60, 30));
            p.drawEllipse(QPointF(3.0, 15.5), 2.2, 2.2);
        });
    PaintGlow(image, 12, 12, 3.5, {1.0, 0.8, 0.2}, 0.5);
    SphereView view;
    PaintSphere(image, 12, 12, 3.6, Surface::Sun, view, 5);
    return image;
}

QImage StarMap()
{
    return Draw(
        [](QPainter& p)
        {
            p.setPen(QPen(QColor(10, 10, 40), 1.0));
            QRadialGradient sky(12, 10, 14);
            sky.setColorAt(0, QColor(40, 50, 130));
            sky.setColorAt(1, QColor(8, 10, 40));
            p.setBrush(sky);
            p.drawEllipse(QPointF(12, 12), 11, 11);
            const QPointF s[] = {{5.5, 9}, {9.5, 6}, {14, 8.5}, {17.5, 5.5},
                                 {13, 14}, {18, 17}, {8, 17}};
            p.setPen(QPen(QColor(120, 170, 255), 0.9));
            p.drawLine(s[0], s[1]);
            p.drawLine(s[1], s[2]);
            p.drawLine(s[2], s[3]);
            p.drawLine(s[2], s[4]);
            p.drawLine(s[4], s[5]);
            p.drawLine(s[4], s[6]);
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 7; ++i)
            {
                p.setBrush(QColor(255, 250, 200));
                const double r = (i == 2 || i == 4) ? 2.6 : 1.7;
                p.drawPath(StarPath(s[i], r, r * 0.45, 4));
            }
        });
}

QImage DataBase()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            // An open book: two pages over a blue cover.
            p.setPen(QPen(QColor(10, 30, 90), 1.0));
            p.setBrush(QColor(30, 70, 170));
            QPainterPath cover;
            cover.moveTo(1.5, 6);
            cover.lineTo(12, 8);
            cover.lineTo(22.5, 6);
            cover.lineTo(22.5, 20.5);
            cover.lineTo(12, 22.5);
            cover.lineTo(1.5, 20.5);
            cover.closeSubpath();
            p.drawPath(cover);
            p.setPen(QPen(QColor(120, 120, 120), 0.8));
            p.setBrush(QColor(252, 250, 240));
            QPainterPath left, right;
            left.moveTo(2.8, 4);
            left.cubicTo(6, 3, 9, 4, 12, 6);
            left.lineTo(12, 20.5);
            left.cubicTo(9, 18.5, 6, 18, 2.8, 19);
            left.closeSubpath();
            right.moveTo(21.2, 4);
            right.cubicTo(18, 3, 15, 4, 12, 6);
            right.lineTo(12, 20.5);
            right.cubicTo(15, 18.5, 18, 18, 21.2, 19);
            right.closeSubpath();
            p.drawPath(left);
            p.drawPath(right);
            p.setPen(QPen(QColor(90, 90, 90), 0.9));
            for (double y = 8; y <= 16; y += 2.6)
                p.drawLine(QPointF(14.2, y), QPointF(19.6, y - 0.6));
        });
    SphereView view;
    view.ambient = 0.3;
    PaintSphere(image, 7.4, 11.6, 3.4, Surface::Earth, view, 5);
    return image;
}

QImage Exit()
{
    return Draw(
        [](QPainter& p)
        {
            // Door frame, the open door, and an arrow leaving through it.
            p.setPen(QPen(QColor(60, 40, 20), 1.0));
            p.setBrush(QColor(40, 30, 20));
            p.drawRect(QRectF(9.5, 2.5, 12, 19));
            QPainterPath door;
            door.moveTo(9.5, 2.5);
            door.lineTo(16.5, 4.5);
            door.lineTo(16.5, 23.0);
            door.lineTo(9.5, 21.5);
            door.closeSubpath();
            QLinearGradient wood(9, 0, 17, 0);
            wood.setColorAt(0, QColor(200, 140, 70));
            wood.setColorAt(1, QColor(140, 85, 35));
            p.setBrush(wood);
            p.drawPath(door);
            p.setBrush(QColor(250, 220, 80));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(14.8, 13.5), 0.9, 0.9);
            QPainterPath arrow;
            arrow.moveTo(1.0, 10.5);
            arrow.lineTo(6.5, 10.5);
            arrow.lineTo(6.5, 7.0);
            arrow.lineTo(12.0, 12.5);
            arrow.lineTo(6.5, 18.0);
            arrow.lineTo(6.5, 14.5);
            arrow.lineTo(1.0, 14.5);
            arrow.closeSubpath();
            p.setPen(QPen(QColor(0, 90, 0), 1.0));
            p.setBrush(QColor(40, 190, 60));
            p.drawPath(arrow.translated(-0.5, 0));
        });
}

QImage WithGear(QImage image)
{
    QPainter p(&image);
    Antialias(p);
    Gear(p, QPointF(17.0, 17.0), 6.3);
    p.end();
    return image;
}

QImage SolarSetup()
{
    QImage image = Face();
    SphereView view;
    view.ambient = 0.25;
    StrokedRing(image, QPointF(9, 9), 8.2, 3.0, -24, false);
    PaintSphere(image, 9, 9, 5.4, Surface::Jupiter, view, 5);
    StrokedRing(image, QPointF(9, 9), 8.2, 3.0, -24, true);
    return WithGear(image);
}

QImage StarSetup()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            QRadialGradient gold(8, 7, 9);
            gold.setColorAt(0, QColor(255, 250, 180));
            gold.setColorAt(1, QColor(240, 170, 20));
            p.setPen(QPen(QColor(150, 90, 0), 1.0));
            p.setBrush(gold);
            p.drawPath(StarPath(QPointF(9, 9.5), 8.5, 3.6));
        });
    return WithGear(image);
}

QImage Clock()
{
    return Draw(
        [](QPainter& p)
        {
            QRadialGradient rim(12, 12, 11);
            rim.setColorAt(0.8, QColor(60, 100, 200));
            rim.setColorAt(1.0, QColor(20, 40, 110));
            p.setPen(QPen(QColor(10, 20, 70), 1.0));
            p.setBrush(rim);
            p.drawEllipse(QPointF(12, 12), 10.8, 10.8);
            p.setBrush(QColor(255, 255, 250));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(12, 12), 8.3, 8.3);
            p.setPen(QPen(kInk, 1.0));
            for (int i = 0; i < 12; ++i)
            {
                const double a = i * M_PI / 6;
                const double r0 = (i % 3 == 0) ? 5.9 : 6.8;
                p.drawLine(QPointF(12 + r0 * std::cos(a), 12 + r0 * std::sin(a)),
                           QPointF(12 + 7.8 * std::cos(a), 12 + 7.8 * std::sin(a)));
            }
            p.setPen(QPen(kInk, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 12), QPointF(12, 6.2));
            p.drawLine(QPointF(12, 12), QPointF(16.2, 13.8));
            p.setPen(QPen(QColor(200, 0, 0), 0.9, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12, 12), QPointF(7.5, 16.5));
            p.setPen(Qt::NoPen);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(12, 12), 1.2, 1.2);
        });
}

QImage Location()
{
    QImage image = Face();
    SphereView view;
    view.ambient = 0.35;
    view.incline = 0.4;
    view.spin = 1.2;
    PaintSphere(image, 11, 13, 9.5, Surface::Earth, view, 5);
    QPainter p(&image);
    Antialias(p);
    QPainterPath pin;
    pin.moveTo(15, 13.5);
    pin.cubicTo(12.5, 9.5, 11, 7.5, 11, 5.5);
    pin.arcTo(QRectF(11, 1.5, 8, 8), 180, -180);
    pin.cubicTo(19, 7.5, 17.5, 9.5, 15, 13.5);
    pin.closeSubpath();
    QRadialGradient red(13.5, 4, 6);
    red.setColorAt(0, QColor(255, 140, 120));
    red.setColorAt(1, QColor(200, 0, 0));
    p.setPen(QPen(QColor(100, 0, 0), 0.9));
    p.setBrush(red);
    p.drawPath(pin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(15, 5.5), 1.5, 1.5);
    p.end();
    return image;
}

QImage Return()
{
    return Draw(
        [](QPainter& p)
        {
            QPainterPath path;
            path.moveTo(2.0, 9.5);
            path.lineTo(9.0, 2.5);
            path.lineTo(9.0, 6.5);
            path.lineTo(13.5, 6.5);
            path.cubicTo(19.5, 6.5, 22.0, 10.0, 22.0, 14.0);
            path.cubicTo(22.0, 18.5, 19.0, 21.5, 13.5, 21.5);
            path.lineTo(10.0, 21.5);
            path.lineTo(10.0, 17.5);
            path.lineTo(13.5, 17.5);
            path.cubicTo(16.5, 17.5, 18.0, 16.0, 18.0, 14.0);
            path.cubicTo(18.0, 12.0, 16.5, 12.5, 13.5, 12.5);
            path.lineTo(9.0, 12.5);
            path.lineTo(9.0, 16.5);
            path.closeSubpath();
            QLinearGradient blue(0, 2, 0, 22);
            blue.setColorAt(0, QColor(90, 150, 255));
            blue.setColorAt(1, QColor(20, 60, 180));
            p.setPen(QPen(QColor(10, 30, 100), 1.0));
            p.setBrush(blue);
            p.drawPath(path);
        });
}

QImage Zoom(bool in)
{
    return Draw(
        [in](QPainter& p)
        {
            Magnifier(p, QPointF(9.5, 9.5), 7.0);
            p.setPen(QPen(QColor(0, 60, 160), 2.2, Qt::SolidLine, Qt::FlatCap));
            p.drawLine(QPointF(5.5, 9.5), QPointF(13.5, 9.5));
            if (in)
                p.drawLine(QPointF(9.5, 5.5), QPointF(9.5, 13.5));
        });
}

QImage Direction(bool forward)
{
    return Draw(
        [forward](QPainter& p)
        {
            const QColor blue(40, 90, 210);
            auto tri = [&](double x)
            {
                if (forward)
                    Triangle(p, QPointF(x, 5), QPointF(x + 9, 12), QPointF(x, 19), blue);
                else
                    Triangle(p, QPointF(x + 9, 5), QPointF(x, 12), QPointF(x + 9, 19), blue);
            };
            tri(2.5);
            tri(11.5);
        });
}

QImage Go()
{
    return Draw(
        [](QPainter& p)
        {
            QLinearGradient green(0, 3, 0, 21);
            green.setColorAt(0, QColor(110, 230, 110));
            green.setColorAt(1, QColor(20, 140, 30));
            QPainterPath path;
            path.moveTo(6, 3.5);
            path.lineTo(20, 12);
            path.lineTo(6, 20.5);
            path.closeSubpath();
            p.setPen(QPen(QColor(0, 70, 0), 1.0));
            p.setBrush(green);
            p.drawPath(path);
        });
}

QImage Stop()
{
    return Draw(
        [](QPainter& p)
        {
            QLinearGradient red(0, 4, 0, 20);
            red.setColorAt(0, QColor(255, 120, 100));
            red.setColorAt(1, QColor(180, 10, 0));
            p.setPen(QPen(QColor(90, 0, 0), 1.0));
            p.setBrush(red);
            p.drawRoundedRect(QRectF(5.5, 5.5, 13, 13), 2, 2);
        });
}

QImage Normal()
{
    return Draw(
        [](QPainter& p)
        {
            // A circular arrow round a home dot: everything back to its start.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(20, 130, 40), 2.6, Qt::SolidLine, Qt::FlatCap));
            p.drawArc(QRectF(4, 4, 16, 16), 100 * 16, 290 * 16);
            Triangle(p, QPointF(9.0, 0.8), QPointF(15.5, 4.3), QPointF(9.5, 8.8),
                     QColor(20, 150, 40));
            p.setPen(QPen(QColor(60, 40, 0), 0.8));
            QRadialGradient sun(11, 11, 4);
            sun.setColorAt(0, QColor(255, 250, 170));
            sun.setColorAt(1, QColor(240, 160, 0));
            p.setBrush(sun);
            p.drawEllipse(QPointF(12, 12), 3.2, 3.2);
        });
}

QImage RealSky()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            QPainterPath dome;
            dome.moveTo(1.5, 17);
            dome.arcTo(QRectF(1.5, 4, 21, 26), 180, -180);
            dome.closeSubpath();
            QLinearGradient sky(0, 4, 0, 17);
            sky.setColorAt(0, QColor(5, 10, 50));
            sky.setColorAt(1, QColor(40, 70, 160));
            p.setPen(QPen(QColor(10, 10, 40), 1.0));
            p.setBrush(sky);
            p.drawPath(dome);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 250, 210));
            for (const QPointF& s : {QPointF(7, 9), QPointF(12.5, 7), QPointF(17, 10.5),
                                     QPointF(9.5, 13.5), QPointF(15, 14)})
                p.drawPath(StarPath(s, 1.9, 0.7, 4));
            QLinearGradient ground(0, 16, 0, 22);
            ground.setColorAt(0, QColor(60, 150, 50));
            ground.setColorAt(1, QColor(20, 80, 20));
            p.setPen(QPen(QColor(10, 50, 10), 1.0));
            p.setBrush(ground);
            p.drawRoundedRect(QRectF(0.5, 16.5, 23, 6), 1.5, 1.5);
        });
    return image;
}

QImage ReviewGlobe()
{
    return Draw(
        [](QPainter& p)
        {
            QRadialGradient ball(9, 8, 14);
            ball.setColorAt(0, QColor(70, 100, 200));
            ball.setColorAt(1, QColor(10, 15, 60));
            p.setPen(QPen(QColor(5, 5, 30), 1.0));
            p.setBrush(ball);
            p.drawEllipse(QPointF(12, 12), 10, 10);
            p.save();
            p.translate(12, 12);
            p.rotate(-25);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(140, 190, 255), 0.8));
            p.drawEllipse(QPointF(0, 0), 10, 3.3);
            p.drawEllipse(QPointF(0, 0), 4.5, 10);
            p.setPen(QPen(QColor(255, 220, 80), 1.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(0, -11.5), QPointF(0, -6.5));
            p.drawLine(QPointF(0, 6.5), QPointF(0, 11.5));
            p.restore();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 230));
            p.drawPath(StarPath(QPointF(7, 14), 1.6, 0.6, 4));
            p.drawPath(StarPath(QPointF(16, 9), 1.3, 0.5, 4));
        });
}

QImage Find(bool next)
{
    return Draw(
        [next](QPainter& p)
        {
            Magnifier(p, QPointF(9.5, 9.5), 7.0);
            p.setPen(QPen(QColor(150, 90, 0), 0.8));
            p.setBrush(QColor(255, 200, 30));
            p.drawPath(StarPath(QPointF(9.5, 10.0), 5.0, 2.1));
            if (next)
            {
                QPainterPath arrow;
                arrow.moveTo(13.5, 19.0);
                arrow.lineTo(18.5, 19.0);
                arrow.lineTo(18.5, 15.5);
                arrow.lineTo(23.5, 20.5);
                arrow.lineTo(18.5, 25.5);
                arrow.lineTo(18.5, 22.0);
                arrow.lineTo(13.5, 22.0);
                arrow.closeSubpath();
                p.setPen(QPen(QColor(0, 40, 120), 0.9));
                p.setBrush(QColor(60, 130, 240));
                p.drawPath(arrow.translated(-12.5, -1.0));
            }
        });
}

QImage Sun()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            p.setPen(QPen(QColor(240, 150, 0), 1.6, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 12; ++i)
            {
                const double a = i * M_PI / 6 + M_PI / 12;
                p.drawLine(QPointF(12 + 8.0 * std::cos(a), 12 + 8.0 * std::sin(a)),
                           QPointF(12 + 11.2 * std::cos(a), 12 + 11.2 * std::sin(a)));
            }
        });
    SphereView view;
    PaintSphere(image, 12, 12, 7.2, Surface::Sun, view, 5);
    return image;
}

QImage PictureFrame()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            QLinearGradient gold(0, 2, 24, 22);
            gold.setColorAt(0, QColor(250, 220, 120));
            gold.setColorAt(1, QColor(160, 110, 20));
            p.setPen(QPen(QColor(90, 60, 0), 1.0));
            p.setBrush(gold);
            p.drawRect(QRectF(1.5, 3.5, 21, 17));
            p.setBrush(QColor(5, 8, 30));
            p.drawRect(QRectF(4.5, 6.5, 15, 11));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 230));
            p.drawEllipse(QPointF(7, 8.5), 0.6, 0.6);
            p.drawEllipse(QPointF(17.5, 15.5), 0.6, 0.6);
            p.drawEllipse(QPointF(16.5, 8.5), 0.5, 0.5);
        });
    SphereView view;
    view.ambient = 0.2;
    PaintSphere(image, 11.5, 12.5, 4.0, Surface::Mars, view, 5);
    return image;
}

QImage Galaxy()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            p.setPen(QPen(QColor(0, 0, 20), 1.0));
            p.setBrush(QColor(5, 8, 30));
            p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 3, 3);
        });
    // Two logarithmic spiral arms made of soft dots, seen slightly tilted.
    Rng rng(812);
    for (int arm = 0; arm < 2; ++arm)
        for (int i = 0; i < 70; ++i)
        {
            const double t = i / 70.0 * 3.2;
            const double r = 1.2 + 2.9 * t;
            const double a = t * 1.9 + arm * M_PI;
            const double x = 12 + r * std::cos(a) + rng.Range(-0.4, 0.4);
            const double y = 12 + 0.72 * r * std::sin(a) + rng.Range(-0.4, 0.4);
            PaintGlow(image, x, y, 0.9, {0.55, 0.7, 1.0}, 0.35 * (1.0 - t / 4.0));
        }
    PaintGlow(image, 12, 12, 2.4, {1.0, 0.92, 0.7}, 0.9);
    return image;
}

QImage Nebula()
{
    QImage image = Draw(
        [](QPainter& p)
        {
            p.setPen(QPen(QColor(0, 0, 20), 1.0));
            p.setBrush(QColor(5, 8, 30));
            p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 3, 3);
        });
    Rng rng(813);
    for (int i = 0; i < 26; ++i)
    {
        const double a = rng.Range(0, 2 * M_PI), r = rng.Range(0, 6.5);
        const double x = 12 + r * std::cos(a), y = 12 + 0.8 * r * std::sin(a);
        const Rgb c = i % 3 == 0   ? Rgb{1.0, 0.35, 0.55}
                      : i % 3 == 1 ? Rgb{0.45, 0.55, 1.0}
                                   : Rgb{0.9, 0.45, 0.9};
        PaintGlow(image, x, y, rng.Range(1.8, 3.2), c, 0.22);
    }
    PaintGlow(image, 12, 12, 1.0, {1, 1, 1}, 0.9);
    PaintGlow(image, 6, 18, 0.5, {1, 1, 1}, 0.9);
    PaintGlow(image, 19, 6, 0.5, {1, 1, 1}, 0.9);
    return image;
}

QImage Comparison()
{
    return Draw(
        [](QPainter& p)
        {
            p.setPen(QPen(kInk, 1.2));
            p.drawLine(QPointF(2.5, 2), QPointF(2.5, 21.5));
            p.drawLine(QPointF(2.5, 21.5), QPointF(23, 21.5));
            const struct
            {
                double h;
                QColor c;
            } bars[] = {{7, QColor(90, 150, 255)},
                        {16, QColor(240, 170, 60)},
                        {12, QColor(230, 210, 120)},
                        {5, QColor(220, 70, 40)}};
            double x = 4.5;
            for (const auto& bar : bars)
            {
                QLinearGradient g(x, 0, x + 4, 0);
                g.setColorAt(0, bar.c.lighter(130));
                g.setColorAt(1, bar.c.darker(130));
                p.setPen(QPen(bar.c.darker(200), 0.8));
                p.setBrush(g);
                p.drawRect(QRectF(x, 21 - bar.h, 3.6, bar.h));
                x += 4.7;
            }
        });
}
} // namespace

namespace
{
struct Button
{
    int id;
    std::function<QImage()> draw;
};

const std::vector<Button>& Buttons()
{
    static const std::vector<Button> buttons = {
        {301, [] { return SolarSystem(); }},
        {302, [] { return StarMap(); }},
        {303, [] { return DataBase(); }},
        {305, [] { return Exit(); }},
        {373, [] { return SolarSetup(); }},
        {374, [] { return StarSetup(); }},
        {375, [] { return Clock(); }},
        {376, [] { return Location(); }},
        {400, [] { return Return(); }},
        {403, [] { return Zoom(true); }},
        {404, [] { return Zoom(false); }},
        {405, [] { return Direction(true); }},
        {406, [] { return Direction(false); }},
        {407, [] { return Go(); }},
        {408, [] { return Stop(); }},
        {409, [] { return Normal(); }},
        {501, [] { return RealSky(); }},
        {502, [] { return ReviewGlobe(); }},
        {509, [] { return Find(false); }},
        {510, [] { return Find(true); }},
        {701, [] { return Sun(); }},
        {801, [] { return Planet(Surface::Mercury, 6.5); }},
        {802, [] { return Planet(Surface::Venus, 8.5); }},
        {803, [] { return Planet(Surface::Earth, 9.0); }},
        {804, [] { return Planet(Surface::Mars, 7.0); }},
        {805, [] { return Planet(Surface::Jupiter, 10.5, 0.1); }},
        {806, [] { return Planet(Surface::Saturn, 6.8, 0.3); }},
        {807, [] { return Planet(Surface::Uranus, 8.5, 1.2); }},
        {808, [] { return Planet(Surface::Neptune, 8.5); }},
        {809, [] { return Planet(Surface::Pluto, 5.0); }},
        {810, [] { return Planet(Surface::Moon, 8.5, 0.1); }},
        {811, [] { return PictureFrame(); }},
        {812, [] { return Galaxy(); }},
        {813, [] { return Nebula(); }},
        {814, [] { return Comparison(); }},
    };
    return buttons;
}
} // namespace

QImage ButtonSymbol(int id)
{
    for (const Button& button : Buttons())
        if (button.id == id)
        {
            transparentFace = true;
            QImage image = button.draw();
            transparentFace = false;
            return image;
        }
    return QImage();
}

bool MakeToolbar(const QString& resDir)
{
    bool ok = true;
    for (const Button& button : Buttons())
    {
        const QString path = resDir + "/bitmap/" + QString::number(button.id) + ".bmp";
        ok = Report(SaveBmp24(button.draw(), path), path) && ok;
    }
    return ok;
}
