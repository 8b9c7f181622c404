// The world map of the location dialog, "Bitmap\WorldMap.bmp": the equirectangular picture of
// the Earth in data/earth.jpg scaled to 480 x 240 pixels (0.75 degree a pixel), with a faint
// graticule every 30 degrees and a dark margin of 7 pixels around it, which the dialog leaves
// out when it turns a mouse position into degrees.
#include "Art.h"
#include "Generators.h"

#include <QImage>
#include <QPainter>
#include <cstdio>

namespace
{
constexpr int kMapWidth = 480;
constexpr int kMapHeight = 240;
constexpr int kMargin = 7;
} // namespace

bool MakeWorldMap(const QString& sourcePicture, const QString& runtimeDir)
{
    const QString path = runtimeDir + "/Bitmap/WorldMap.bmp";
    const QImage source(sourcePicture);
    if (source.isNull())
    {
        std::fprintf(stderr, "mkmedia: cannot read %s\n", qPrintable(sourcePicture));
        return false;
    }
    QImage image(kMapWidth + 2 * kMargin, kMapHeight + 2 * kMargin, QImage::Format_RGB32);
    image.fill(qRgb(18, 24, 38));
    QPainter p(&image);
    p.drawImage(
        kMargin, kMargin,
        source.convertToFormat(QImage::Format_RGB32)
            .scaled(kMapWidth, kMapHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    // Parallels and meridians every 30 degrees; the equator and the Greenwich meridian a little
    // brighter, so that the hemispheres can be told apart at a glance.
    for (int k = 1; k < 6; ++k)
    {
        const int y = kMargin + k * kMapHeight / 6;
        p.setPen(QColor(255, 255, 255, k == 3 ? 110 : 45));
        p.drawLine(kMargin, y, kMargin + kMapWidth - 1, y);
    }
    for (int k = 1; k < 12; ++k)
    {
        const int x = kMargin + k * kMapWidth / 12;
        p.setPen(QColor(255, 255, 255, k == 6 ? 110 : 45));
        p.drawLine(x, kMargin, x, kMargin + kMapHeight - 1);
    }
    p.setPen(QColor(90, 110, 140));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kMargin - 1, kMargin - 1, kMapWidth + 1, kMapHeight + 1);
    p.end();
    return Report(SaveBmp24(image, path), path);
}
