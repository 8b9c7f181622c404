#include "Avi.h"
#include "DeepSky.h"
#include "Media.h"

#include <QBuffer>
#include <QDir>
#include <cmath>
#include <cstdio>

namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr int kFilmWidth = 320;
constexpr int kFilmHeight = 240;
constexpr int kFps = 15;
// One whole turn in six seconds, so that the film loops without a jump.
constexpr int kFrames = 90;
constexpr int kJpegQuality = 80;

struct Film
{
    Globe globe;
    const char* file;
    double turns; // turns per film: negative for a backward (retrograde) spin
};
} // namespace

SurfaceMap GlobeMap(Globe globe, const QString& dataDir, int width)
{
    switch (globe)
    {
    case Globe::Earth:
        return SurfaceMap(QImage(dataDir + "/earth_map.jpg"));
    case Globe::Mars:
        return SurfaceMap(QImage(dataDir + "/mars_map.jpg"));
    case Globe::Moon:
        return SurfaceMap(QImage(dataDir + "/moon_map.jpg"));
    case Globe::Sun:
        return PaintedMap(Body::Sun, width);
    case Globe::Mercury:
        return PaintedMap(Body::Mercury, width);
    case Globe::Venus:
        return PaintedMap(Body::Venus, width);
    case Globe::Jupiter:
        return PaintedMap(Body::Jupiter, width);
    case Globe::Saturn:
        return PaintedMap(Body::Saturn, width);
    case Globe::Uranus:
        return PaintedMap(Body::Uranus, width);
    case Globe::Neptune:
        return PaintedMap(Body::Neptune, width);
    case Globe::Pluto:
        return PaintedMap(Body::Pluto, width);
    }
    return SurfaceMap();
}

GlobeLook GlobeLookOf(Globe globe)
{
    GlobeLook look;
    // Obliquities of the axes (NASA planetary fact sheets), shown as a roll in the picture.
    switch (globe)
    {
    case Globe::Sun:
        look.emissive = true;
        look.roll = 7.25 * kDeg;
        look.incline = 0.05;
        break;
    case Globe::Mercury:
        look.roll = 0.03 * kDeg;
        break;
    case Globe::Venus:
        look.roll = 177.4 * kDeg;
        look.rim = {1.0, 0.95, 0.8};
        look.rimStrength = 0.5;
        break;
    case Globe::Earth:
        look.roll = 23.44 * kDeg;
        look.rim = {0.45, 0.68, 1.0};
        look.rimStrength = 1.0;
        break;
    case Globe::Mars:
        look.roll = 25.19 * kDeg;
        look.rim = {0.9, 0.6, 0.45};
        look.rimStrength = 0.35;
        break;
    case Globe::Jupiter:
        look.roll = 3.13 * kDeg;
        break;
    case Globe::Saturn:
        look.roll = 26.73 * kDeg;
        look.incline = 0.42; // the rings open towards us
        break;
    case Globe::Uranus:
        look.roll = 97.77 * kDeg;
        look.incline = 0.5;
        look.rim = {0.7, 0.95, 1.0};
        look.rimStrength = 0.6;
        break;
    case Globe::Neptune:
        look.roll = 28.32 * kDeg;
        look.rim = {0.5, 0.7, 1.0};
        look.rimStrength = 0.6;
        break;
    case Globe::Pluto:
        // Seen as New Horizons approached it in July 2015: north up and tipped a little
        // towards the viewer, the heart in the lower right.
        look.roll = 0.0;
        look.incline = 0.4;
        look.lightX = -0.35;
        look.lightY = -0.25;
        look.lightZ = 0.9;
        break;
    case Globe::Moon:
        look.roll = 6.68 * kDeg;
        look.incline = 0.02;
        look.lightX = -0.35;
        look.lightY = -0.15;
        look.lightZ = 0.92;
        break;
    }
    return look;
}

bool MakeFilms(const QString& dataDir, const QString& runtimeDir)
{
    if (!QDir().mkpath(runtimeDir + "/Video"))
        return Report(false, "write", runtimeDir + "/Video");
    const Film films[] = {{Globe::Sun, "Sun.avi", 1},         {Globe::Venus, "Venus.avi", -1},
                          {Globe::Earth, "Earth.avi", 1},     {Globe::Mars, "Mars.avi", 1},
                          {Globe::Jupiter, "Jupiter.avi", 1}, {Globe::Saturn, "Saturn.avi", 1},
                          {Globe::Neptune, "Neptune.avi", 1}, {Globe::Moon, "Moon.avi", 1}};
    bool all = true;
    for (const Film& film : films)
    {
        const SurfaceMap map = GlobeMap(film.globe, dataDir, 1024);
        if (map.IsNull())
        {
            all = Report(false, "read the map of", QString::fromLatin1(film.file)) && all;
            continue;
        }
        Sky sky(kFilmWidth, kFilmHeight);
        sky.StarField(45, 5000 + int(film.globe), 0.5);
        if (film.globe == Globe::Sun)
            sky.Glow(kFilmWidth / 2.0, kFilmHeight / 2.0, 75, {1.0, 0.85, 0.6}, 0.25);
        const QImage background = sky.Develop(1.4);
        const GlobeLook look = GlobeLookOf(film.globe);
        const double cx = kFilmWidth / 2.0, cy = kFilmHeight / 2.0;
        AviWriter avi(kFilmWidth, kFilmHeight, kFps);
        for (int i = 0; i < kFrames; ++i)
        {
            QImage frame = background.copy();
            const double spin = 2 * kPi * film.turns * i / kFrames;
            if (film.globe == Globe::Saturn)
            {
                PaintRings(frame, cx, cy, 62, look, false);
                PaintGlobe(frame, cx, cy, 62, map, look, spin, 2);
                PaintRings(frame, cx, cy, 62, look, true);
            }
            else
                PaintGlobe(frame, cx, cy, 100, map, look, spin, 2);
            QByteArray jpeg;
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            frame.save(&buffer, "JPG", kJpegQuality);
            avi.AddFrame(jpeg);
        }
        const QString path = runtimeDir + "/Video/" + film.file;
        all = Report(avi.Save(path), "write", path) && all;
    }
    return all;
}
