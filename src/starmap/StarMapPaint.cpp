// The Star Map's frame, painted whole from the catalogues, the globe and the options: the grid,
// the constellation lines, Find's red lines, the stars, the deep-sky objects, the Sun, the
// Moon's phase, the planets, the names and the marker of an open card.
#include "starmap/ConstName.h"
#include "starmap/StarMapView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace
{
QColor ColorOf(uint32_t rgb)
{
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

const QColor kConstGreen(0, 128, 0);
const QColor kHighlightRed(255, 0, 0);
// The Moon's dark part: dim enough to read as unlit, bright enough to find a new Moon.
const QColor kMoonLit(255, 255, 215);
const QColor kMoonDark(70, 70, 70);
// Name colours, kept apart from the marks' colours so that a name never reads as a mark.
const QColor kStarNameColor(150, 190, 255);
const QColor kConstNameColor(60, 150, 90);
const QColor kSunNameColor(255, 220, 100);
const QColor kMoonNameColor(200, 200, 200);
const QColor kCompassColor(255, 140, 0);

// How far beyond the rim of the real sky the compass points stand, pixels.
constexpr double kCompassGap = 10;
// Pixels between a mark's edge and its name.
constexpr double kNameGap = 3;
// Half the size of the marks that names keep clear of: the Sun's 5 x 5, the Moon's disc, a
// planet's 4 x 4, the widest star mark.
constexpr double kSunHalf = 2.5;
constexpr double kMoonHalf = skybodies::kMoonDiscSize / 2.0;
constexpr double kPlanetHalf = 2;
constexpr double kStarHalf = 2;
// The globe's radius up to which names have the desktop font's size; they grow in proportion
// beyond it, up to twice that size, by eighths.
constexpr double kNameRadius = 300;

// Keys of the names, so that each keeps its side from frame to frame.
enum NameKind : uint32_t
{
    kCompassName = 1,
    kSunName,
    kMoonName,
    kPlanetName,
    kStarName,
    kConstellationName
};
uint32_t NameKey(NameKind kind, size_t index)
{
    return (static_cast<uint32_t>(kind) << 16) | static_cast<uint32_t>(index);
}

labels::Box Square(const skyframe::Place& at, int half)
{
    return {static_cast<double>(at.X() - half), static_cast<double>(at.Y() - half), 2.0 * half + 1,
            2.0 * half + 1};
}
} // namespace

// Writes the names of one frame: each takes its place through the placer, is drawn in its
// colour and is kept with its box.
struct StarMapView::NameWriter
{
    QPainter& p;
    labels::Placer& placer;
    QFontMetricsF metrics;
    std::unordered_map<uint32_t, QSizeF>& sizes;
    std::vector<Name>& names;

    QSizeF SizeOf(uint32_t key, const QString& text)
    {
        auto known = sizes.find(key);
        if (known == sizes.end())
            known =
                sizes.emplace(key, QSizeF(metrics.horizontalAdvance(text) + 2, metrics.height()))
                    .first;
        return known->second;
    }
    // A name is drawn from a whole pixel, so that its letters look the same wherever it
    // stands; the box's margin holds that half pixel.
    void Draw(const QString& text, const labels::Box& box, const QColor& color)
    {
        p.setPen(color);
        p.drawText(QRectF(std::round(box.left), std::round(box.top), box.width, box.height),
                   Qt::AlignCenter, text);
        names.push_back({text, box});
    }
    // A name centred on `at` that is never left out (the compass points).
    void Centred(uint32_t key, const QString& text, QPointF at)
    {
        const QSizeF size = SizeOf(key, text);
        const labels::Box box{at.x() - size.width() / 2, at.y() - size.height() / 2, size.width(),
                              size.height()};
        placer.PlaceFixed(box);
        Draw(text, box, kCompassColor);
    }
    // A name beside the mark of `at`, `half` its half size, where there is room.
    void Beside(uint32_t key, const QString& text, const skyframe::Place& at, double half,
                const QColor& color)
    {
        const QSizeF size = SizeOf(key, text);
        if (const auto box = placer.Place(key, at.X() + 0.5, at.Y() + 0.5, half + kNameGap,
                                          size.width(), size.height()))
            Draw(text, *box, color);
    }
};

int StarMapView::MinimumClientHeight()
{
    // The letters' middle rows stand kCompassGap beyond a rim a quarter of the height from
    // the middle, so each needs a quarter of the height for the gap and half a letter; the
    // rounding of the centre and the radius to whole pixels may take one more pixel each.
    const int letter = QFontMetrics(QApplication::font()).height();
    return 4 * (static_cast<int>(kCompassGap) + letter - letter / 2 + 1);
}

QFont StarMapView::NameFont() const
{
    QFont font = QApplication::font();
    const double scale = std::round(std::clamp(starmap.Radius() / kNameRadius, 1.0, 2.0) * 8) / 8;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    return font;
}

void StarMapView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    names.clear();
    if (!entered)
        return;
    const skyframe::Layers layers = skyframe::LayersOf(values);
    Frame();
    p.setClipRect(ClientRect());
    p.setRenderHint(QPainter::Antialiasing);
    if (layers.grid)
        PaintGrid(p);
    if (layers.lines)
        PaintLines(p, catalogue.links, kConstGreen);
    PaintLines(p, highlight, kHighlightRed);
    PaintStars(p, layers);
    PaintBodies(p, layers);
    PaintNames(p, layers);
    if (cardMarker && !markerPicture.isNull())
    {
        // The marker is ORed onto the sky, as it always was, so that the object shows through.
        p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        p.drawImage(cardMarker->x() - 15, cardMarker->y() - 15, markerPicture);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
}

void StarMapView::PaintGrid(QPainter& p)
{
    const int samples = globe::GridSamplesFor(starmap.Radius());
    if (samples != gridSamples)
    {
        grid = globe::MakeGrid(samples);
        gridSamples = samples;
    }
    // The grid shows the sphere's front only, the transparent sphere's too.
    const globe::View view = starmap.View(false);
    std::vector<std::vector<globe::ScreenPoint>> pieces;
    QPolygonF polyline;
    for (const globe::GridLine& line : grid)
    {
        pieces.clear();
        globe::AppendVisiblePieces(view, line.points, pieces);
        p.setPen(QPen(ColorOf(line.color), 1.0));
        for (const std::vector<globe::ScreenPoint>& piece : pieces)
        {
            polyline.clear();
            for (const globe::ScreenPoint& point : piece)
                polyline.append(QPointF(point.x, point.y));
            p.drawPolyline(polyline);
        }
    }
}

void StarMapView::PaintLines(QPainter& p, const std::vector<constblocks::Link>& links, QColor color)
{
    std::vector<QLineF> segments;
    segments.reserve(links.size());
    for (const constblocks::Link& link : links)
    {
        const skyframe::Place& a = places.stars[link.from];
        const skyframe::Place& b = places.stars[link.to];
        if (a.visible && b.visible)
            segments.emplace_back(a.at.x, a.at.y, b.at.x, b.at.y);
    }
    p.setPen(QPen(color, 1.0));
    p.drawLines(segments.data(), static_cast<int>(segments.size()));
}

void StarMapView::PaintStars(QPainter& p, const skyframe::Layers& layers)
{
    for (size_t i = 0; i < places.stars.size(); ++i)
    {
        const skyframe::Place& at = places.stars[i];
        if (!at.drawn)
            continue;
        const globe::StarMark mark = globe::StarMarkFor(catalogue.stars[i].Magnitude);
        p.fillRect(QRect(at.X() + mark.dx, at.Y(), mark.width, 1), Qt::white);
    }
    if (!layers.deepSky || deepSkyPicture.isNull())
        return;
    for (const skyframe::Place& at : places.deepSky)
        if (at.drawn)
            p.drawImage(QRect(at.X() - 2, at.Y() - 2, 5, 4), deepSkyPicture);
}

void StarMapView::PaintBodies(QPainter& p, const skyframe::Layers& layers)
{
    if (places.sun.drawn && !sunPicture.isNull())
        p.drawImage(QRect(places.sun.X() - 2, places.sun.Y() - 2, 5, 5), sunPicture);
    if (places.moon.drawn)
        PaintMoon(p);
    p.setPen(Qt::NoPen);
    for (size_t k = 0; k < places.planets.size(); ++k)
    {
        const skyframe::Place& at = places.planets[k];
        if (!at.drawn)
            continue;
        // A disc 4 pixels across on the pixels X - 1 .. X + 2, 2 across when the planet is
        // fainter than the stars' limit.
        const double diameter = starmap.Bodies().planets[k].magnitude > layers.limit ? 2 : 4;
        p.setBrush(ColorOf(skybodies::kSkyPlanets[k].color));
        p.drawEllipse(QPointF(at.X() + 1, at.Y() + 1), diameter / 2, diameter / 2);
    }
}

void StarMapView::PaintMoon(QPainter& p)
{
    const SkyBodies& bodies = starmap.Bodies();
    const skyframe::Place& at = places.moon;
    const globe::Tangents t =
        globe::ScreenTangents(starmap.View(placedLayers.transparent), bodies.moon.direction);
    const skybodies::ScreenVector limb = skybodies::DirectionOfPositionAngle(
        bodies.moonBrightLimb, {t.northX, t.northY}, {t.eastX, t.eastY});
    const QPointF centre(at.X() + 0.5, at.Y() + 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kMoonDark);
    p.drawEllipse(centre, kMoonHalf, kMoonHalf);
    QPolygonF lit;
    for (const skybodies::ScreenVector& v :
         skybodies::LitOutline(bodies.moonPlace.IlluminatedFraction, limb.x, limb.y, 24))
        lit.append(centre + QPointF(v.x, v.y) * kMoonHalf);
    p.setBrush(kMoonLit);
    p.drawPolygon(lit);
}

void StarMapView::PaintNames(QPainter& p, const skyframe::Layers& layers)
{
    const QFont font = NameFont();
    if (font != nameSizesFont)
    {
        nameSizes.clear();
        nameSizesFont = font;
    }
    const QRect client = ClientRect();
    placer.BeginFrame(
        {0.0, 0.0, static_cast<double>(client.width()), static_cast<double>(client.height())});
    p.setFont(font);
    NameWriter write{p, placer, QFontMetricsF(font), nameSizes, names};
    // The real sky is seen from below with the zenith at the centre and the horizon at the
    // rim: north up, east to the left (a body at H = 0 rises), south down, west right.
    if (starmap.RealSky())
    {
        const double out = starmap.Radius() + kCompassGap;
        const double x = starmap.XCenter(), y = starmap.YCenter();
        const char* const letters[] = {"N", "E", "S", "W"};
        const QPointF points[] = {{x, y - out}, {x - out, y}, {x, y + out}, {x + out, y}};
        for (size_t k = 0; k < std::size(points); ++k)
            write.Centred(NameKey(kCompassName, k), QString::fromLatin1(letters[k]), points[k]);
    }
    if (places.sun.drawn)
        placer.AddObstacle(Square(places.sun, 2));
    if (places.moon.drawn)
        placer.AddObstacle(Square(places.moon, skybodies::kMoonDiscSize / 2));
    if (layers.names)
        PaintObjectNames(write, layers);
}

void StarMapView::PaintObjectNames(NameWriter& write, const skyframe::Layers& layers)
{
    if (places.sun.drawn)
        write.Beside(NameKey(kSunName, 0), QStringLiteral("Sun"), places.sun, kSunHalf,
                     kSunNameColor);
    if (places.moon.drawn)
        write.Beside(NameKey(kMoonName, 0), QStringLiteral("Moon"), places.moon, kMoonHalf,
                     kMoonNameColor);
    for (size_t k = 0; k < places.planets.size(); ++k)
        if (places.planets[k].drawn)
            write.Beside(NameKey(kPlanetName, k),
                         QString::fromLatin1(skybodies::kSkyPlanets[k].name), places.planets[k],
                         kPlanetHalf, ColorOf(skybodies::kSkyPlanets[k].color));
    for (const NamedStar& star : catalogue.names)
    {
        const skyframe::Place& at = places.stars[static_cast<size_t>(star.index)];
        if (at.drawn)
            write.Beside(
                NameKey(kStarName, static_cast<size_t>(star.index)),
                QString::fromLatin1(star.name.data(), static_cast<qsizetype>(star.name.size())), at,
                kStarHalf, kStarNameColor);
    }
    if (!layers.lines || !starmap.Snapshot().Known)
        return;
    const globe::View view = starmap.View(layers.transparent);
    for (size_t k = 0; k < catalogue.figureCentres.size(); ++k)
    {
        if (!catalogue.figureCentres[k].known)
            continue;
        const globe::GlobePlace centre = globe::PlaceOnGlobe(view, ofDate.figures[k]);
        if (centre.visible)
            write.Beside(NameKey(kConstellationName, k), QString::fromLatin1(ConstName[2 * k]),
                         skyframe::Place{centre.at, true, true}, 0, kConstNameColor);
    }
}
