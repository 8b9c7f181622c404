#include "DeepSky.h"
#include "Indexed.h"
#include "Media.h"

#include <QDir>
#include <QPainter>
#include <cmath>
#include <functional>

namespace
{
constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180.0;
constexpr int kW = 512;
constexpr int kH = 384;

// The credit line in the lower right corner: who made the picture.
void Credit(QImage& image, const QString& text)
{
    QPainter p(&image);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(150, 150, 150));
    p.drawText(QRect(0, 0, image.width() - 6, image.height() - 4), Qt::AlignRight | Qt::AlignBottom,
               text);
}

const QString kRendered = QStringLiteral("Rendered view, Velmoria");

QImage GlobeView(Globe globe, const QString& dataDir, bool& ok)
{
    Sky sky(kW, kH);
    sky.StarField(globe == Globe::Sun ? 60 : 120, 4000 + int(globe), 0.55);
    if (globe == Globe::Sun)
    {
        // The inner corona and the glare around the disc.
        sky.Glow(kW / 2.0, kH / 2.0, 120, {1.0, 0.85, 0.6}, 0.25);
        sky.Glow(kW / 2.0, kH / 2.0, 190, {1.0, 0.8, 0.55}, 0.08);
    }
    QImage image = sky.Develop(1.4);
    const SurfaceMap map = GlobeMap(globe, dataDir, 1024);
    if (map.IsNull())
    {
        ok = false;
        return image;
    }
    const GlobeLook look = GlobeLookOf(globe);
    // The face turned to the viewer: a well-known side of each body.
    double spin = 0;
    switch (globe)
    {
    case Globe::Earth:
        spin = -15 * kDeg;
        break; // Africa and Europe
    case Globe::Mars:
        spin = 70 * kDeg;
        break; // Valles Marineris
    case Globe::Jupiter:
        spin = -1.2;
        break; // the Great Red Spot
    case Globe::Neptune:
        spin = -0.5;
        break; // the Great Dark Spot
    case Globe::Pluto:
        spin = 0.0;
        break; // the bright heart a little right of the centre, as New Horizons saw it
    default:
        break;
    }
    const double cx = kW / 2.0, cy = kH / 2.0;
    if (globe == Globe::Saturn)
    {
        const double r = 96;
        PaintRings(image, cx, cy, r, look, false);
        PaintGlobe(image, cx, cy, r, map, look, spin, 3);
        PaintRings(image, cx, cy, r, look, true);
    }
    else
    {
        const double r = globe == Globe::Sun ? 150 : 158;
        PaintGlobe(image, cx, cy, r, map, look, spin, 3);
    }
    return image;
}

struct ViewJob
{
    const char* file; // under the working directory
    std::function<QImage(bool&)> make;
    QString credit;
};
} // namespace

bool MakeViews(const QString& dataDir, const QString& runtimeDir)
{
    for (const char* dir : {"Bitmap/Solar", "Bitmap/Galaxy", "Bitmap/Nebula"})
        if (!QDir().mkpath(runtimeDir + "/" + dir))
            return Report(false, "write", runtimeDir + "/" + dir);

    auto globe = [&](Globe g)
    { return [g, &dataDir](bool& ok) { return GlobeView(g, dataDir, ok); }; };
    auto render = [](QImage (*f)()) { return [f](bool&) { return f(); }; };
    auto photo = [&](const char* name)
    {
        return [name, &dataDir](bool& ok)
        {
            QImage image(dataDir + "/" + name);
            ok = !image.isNull();
            return image.isNull() ? QImage(kW, kH, QImage::Format_RGB32)
                                  : image.convertToFormat(QImage::Format_RGB32).scaled(kW, kH);
        };
    };
    const ViewJob jobs[] = {
        {"Bitmap/Solar/SunV1.bmp", globe(Globe::Sun), kRendered},
        {"Bitmap/Solar/MercuryV1.bmp", globe(Globe::Mercury), kRendered},
        {"Bitmap/Solar/VenusV1.bmp", globe(Globe::Venus), kRendered},
        {"Bitmap/Solar/EarthV1.bmp", globe(Globe::Earth),
         QStringLiteral("Rendered view, Velmoria; map: NASA Blue Marble")},
        {"Bitmap/Solar/MarsV1.bmp", globe(Globe::Mars),
         QStringLiteral("Rendered view, Velmoria; map courtesy NASA/JPL-Caltech")},
        {"Bitmap/Solar/JupiterV1.bmp", globe(Globe::Jupiter), kRendered},
        {"Bitmap/Solar/SaturnV1.bmp", globe(Globe::Saturn), kRendered},
        {"Bitmap/Solar/UranusV1.bmp", globe(Globe::Uranus), kRendered},
        {"Bitmap/Solar/NeptuneV1.bmp", globe(Globe::Neptune), kRendered},
        {"Bitmap/Solar/PlutoV1.bmp", globe(Globe::Pluto), kRendered},
        {"Bitmap/Solar/MoonV1.bmp", globe(Globe::Moon),
         QStringLiteral("Rendered view, Velmoria; map: NASA/SDIO Clementine, USGS")},
        {"Bitmap/Galaxy/Galaxy1.bmp", render(RenderGalaxyM100), kRendered},
        {"Bitmap/Galaxy/Galaxy2.bmp", render(RenderGalaxyM33), kRendered},
        {"Bitmap/Galaxy/Galaxy3.bmp", render(RenderGalaxyNgc253), kRendered},
        {"Bitmap/Galaxy/Galaxy4.bmp", [](bool&) { return RenderToadstool(false); }, kRendered},
        {"Bitmap/Galaxy/Galaxy5.bmp", [](bool&) { return RenderToadstool(true); }, kRendered},
        {"Bitmap/Galaxy/Galaxy6.bmp", render(RenderWhirlpool), kRendered},
        {"Bitmap/Galaxy/Galaxy7.bmp", render(RenderGalaxyAndQuasar), kRendered},
        {"Bitmap/Nebula/Nebula1.bmp", photo("horsehead.jpg"),
         QStringLiteral("Photo: Dylan O'Donnell, public domain")},
        {"Bitmap/Nebula/Nebula2.bmp", render(RenderCatsEye), kRendered},
        {"Bitmap/Nebula/Nebula3.bmp", render(RenderCrab), kRendered},
        {"Bitmap/Nebula/Nebula4.bmp", photo("eagle_m16.jpg"),
         QStringLiteral("Photo: Sun Gang, CC BY-SA 3.0")},
        {"Bitmap/Nebula/Nebula5.bmp", render(RenderEaglePillars), kRendered},
        {"Bitmap/Nebula/Nebula6.bmp", photo("orion_m42.jpg"),
         QStringLiteral("Photo: HG731GZ, CC BY 3.0")},
        {"Bitmap/Nebula/Nebula7.bmp", render(RenderTrifid), kRendered},
        {"Bitmap/Nebula/Nebula8.bmp", photo("rho_ophiuchi.jpg"),
         QStringLiteral("Photo: ESO/S. Guisard, CC BY 4.0")},
        {"Bitmap/Nebula/Nebula9.bmp", photo("ngc1232.jpg"),
         QStringLiteral("NGC 1232. Photo: ESO, CC BY 4.0")},
        {"Bitmap/Nebula/Nebula10.bmp", photo("vela_snr.jpg"),
         QStringLiteral("Photo: ESO/J. Perez, CC BY 4.0")},
    };
    bool all = true;
    for (const ViewJob& job : jobs)
    {
        bool ok = true;
        QImage image = job.make(ok);
        if (!ok)
        {
            all = Report(false, "read the source of", QString::fromLatin1(job.file)) && all;
            continue;
        }
        Credit(image, job.credit);
        const QString path = runtimeDir + "/" + job.file;
        all = Report(SaveIndexedBmp(ReduceTo256(image), path), "write", path) && all;
    }
    return all;
}
