// The inner-structure pictures of the planet, Sun and Moon cards, "Bitmap\Struct\<Body>Str.bmp":
// the globe with a quarter cut away, its layers drawn to scale and each labelled with its name
// and thickness. The planets' and the Moon's layers are read from data/structure.csv, the rows
// their cards list, and their radii from data/planets.csv and data/moon.csv; the Sun's from the
// standard solar model below.
#include "Art.h"
#include "CsvTable.h"
#include "Generators.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

namespace
{
// Layers thinner than this many pixels at scale are widened to it so that they stay visible.
constexpr double kThinnest = 3.0;

// Where the parts of a picture go. The cards stretch the picture, without smoothing, into a
// frame of their own shape: the Sun card's 167 x 153 and the Moon card's 145 x 131 dialog units
// (about 292 x 267 and 254 x 229 pixels with the cards' font), the planet card's a square of
// about 262 pixels. Each picture has its frame's shape and a size a little below it, so the
// stretch only doubles a few rows and columns and never drops a line of the lettering.
struct Layout
{
    int Width, Height;
    double CentreX, CentreY, Radius, LabelX;

    Layout(int width, int height, double radius) : Width(width), Height(height), Radius(radius)
    {
        CentreX = 10.0 + radius;
        CentreY = 30.0 + 0.5 * (height - 30.0) + 4.0;
        LabelX = CentreX + radius + 14.0;
    }
};
const Layout kPlanetLayout(256, 256, 64);
const Layout kSunLayout(280, 256, 64);
const Layout kMoonLayout(248, 224, 56);

struct Band
{
    QString Name;
    QString Detail;   // thickness or extent
    double Thickness; // km; 0 when unknown (drawn at the thinnest width)
    Rgb Colour;
};

struct Body
{
    const char* Name; // as in the tables, and the file name before "Str.bmp"
    Surface Surf;
    Rgb AtmosphereTint;
};

QFont Font(const char* family, int pixels, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString Lower(const std::string& text)
{
    return QString::fromStdString(text).toLower();
}

// Colour of a layer from what it is and what it is made of.
Rgb LayerColour(const QString& layer, const QString& composition, const Rgb& atmosphere)
{
    if (layer == "Atmosphere")
        return atmosphere;
    if (layer.contains("Core"))
    {
        if (!composition.contains("iron"))
            return {0.70, 0.48, 0.30}; // rock and ice of the giants
        return composition.contains("liquid") ? Rgb{0.96, 0.55, 0.16} : Rgb{1.0, 0.86, 0.40};
    }
    if (composition.contains("metallic"))
        return {0.46, 0.52, 0.66};
    if (composition.contains("molecular"))
        return {0.62, 0.76, 0.92};
    if (composition.contains("ice") || composition.contains("water"))
        return layer == "Crust" ? Rgb{0.92, 0.88, 0.82} : Rgb{0.45, 0.70, 0.86};
    if (layer == "Crust")
        return {0.56, 0.48, 0.40};
    return {0.72, 0.30, 0.16}; // silicate mantle
}

// "71492" as "71 492", "2440.5" as "2 440.5".
QString Grouped(double value)
{
    const long long whole = std::llround(std::floor(value));
    const int tenths = static_cast<int>(std::lround((value - double(whole)) * 10.0));
    QString digits = QString::number(whole + (tenths == 10 ? 1 : 0));
    for (int at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, QLatin1Char(' '));
    if (tenths > 0 && tenths < 10)
        digits += QStringLiteral(".%1").arg(tenths);
    return digits;
}

QString WidthText(int lower, int upper)
{
    if (lower == 0)
        return QStringLiteral("thickness unknown");
    if (upper == 0)
        return QStringLiteral("%1 km").arg(lower);
    return QStringLiteral("%1-%2 km").arg(lower).arg(upper);
}

// Pixel thicknesses of the bands, in proportion to their thicknesses and adding up to the
// globe's radius, with no band thinner than kThinnest.
std::vector<double> BandPixels(const std::vector<Band>& bands, double radius)
{
    std::vector<bool> thin(bands.size(), false);
    std::vector<double> pixels(bands.size(), kThinnest);
    for (int pass = 0; pass < 4; ++pass)
    {
        double wide = 0;
        int thinCount = 0;
        for (size_t k = 0; k < bands.size(); ++k)
        {
            if (thin[k])
                ++thinCount;
            else
                wide += bands[k].Thickness;
        }
        const double scale = wide > 0 ? (radius - kThinnest * thinCount) / wide : 0;
        bool changed = false;
        for (size_t k = 0; k < bands.size(); ++k)
        {
            if (!thin[k] && bands[k].Thickness * scale < kThinnest)
            {
                thin[k] = true;
                changed = true;
            }
            pixels[k] = thin[k] ? kThinnest : bands[k].Thickness * scale;
        }
        if (!changed)
            break;
    }
    return pixels;
}

void Text(QPainter& p, const QString& text, const QFont& font, QPointF at, const QColor& colour)
{
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 200));
    p.drawText(at + QPointF(1, 1), text);
    p.setPen(colour);
    p.drawText(at, text);
}

// Draws the globe with its cut-away quarter, the labels with their leader lines, the title and
// the caption. `outside` is an optional label for what lies beyond the surface (the Sun's
// corona).
QImage Picture(const Layout& at, const QString& title, Surface surface,
               const std::vector<Band>& bands, const QString& caption, const Band* outside)
{
    const double kCentreX = at.CentreX, kCentreY = at.CentreY, kRadius = at.Radius,
                 kLabelX = at.LabelX;
    QImage image(at.Width, at.Height, QImage::Format_RGB32);
    for (int y = 0; y < at.Height; ++y)
    {
        const QRgb c = ToQRgb(Mix({0.02, 0.03, 0.10}, {0.05, 0.07, 0.20}, double(y) / at.Height));
        std::fill_n(reinterpret_cast<QRgb*>(image.scanLine(y)), at.Width, c);
    }
    // A seed from the title's letters: the same stars on every build and machine.
    std::uint64_t seed = 1469598103934665603ull;
    for (const QChar c : title)
        seed = (seed ^ c.unicode()) * 1099511628211ull;
    PaintStarField(image, at.Width * at.Height / 900, seed, 0.6);
    if (outside != nullptr)
        PaintGlow(image, kCentreX, kCentreY, kRadius * 1.45, outside->Colour, 0.55);
    SphereView view;
    view.incline = 0.25;
    view.lightX = -0.65;
    view.lightY = -0.35;
    view.lightZ = 0.68;
    PaintSphere(image, kCentreX, kCentreY, kRadius, surface, view, 3);

    const std::vector<double> pixels = BandPixels(bands, kRadius);
    std::vector<double> outer(bands.size());
    double r = 0;
    for (size_t k = 0; k < bands.size(); ++k)
        outer[k] = (r += pixels[k]);

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The cut-away quarter, outermost layer first; each band shaded a little darker outwards.
    for (size_t k = bands.size(); k-- > 0;)
    {
        const double inner = k == 0 ? 0.0 : outer[k - 1];
        QRadialGradient shade(QPointF(kCentreX, kCentreY), outer[k]);
        const Rgb c = bands[k].Colour;
        shade.setColorAt(0.0, QColor::fromRgb(ToQRgb(c)));
        shade.setColorAt(std::clamp(inner / outer[k], 0.0, 0.999),
                         QColor::fromRgb(ToQRgb(Mix(c, {1, 1, 1}, 0.18))));
        shade.setColorAt(1.0, QColor::fromRgb(ToQRgb(Mix(c, {0, 0, 0}, 0.28))));
        p.setBrush(shade);
        p.setPen(QPen(QColor(20, 12, 8, 170), 0.8));
        const QRectF box(kCentreX - outer[k], kCentreY - outer[k], 2 * outer[k], 2 * outer[k]);
        p.drawPie(box, 0, 90 * 16);
    }
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(kCentreX, kCentreY), kRadius, kRadius);

    // Labels in a column at the right, outermost at the top, each joined to the middle of its
    // band along the cut's diagonal; the order of both keeps the lines from crossing.
    std::vector<const Band*> labelled;
    std::vector<QPointF> anchors;
    const double diagonal = std::sqrt(0.5);
    if (outside != nullptr)
    {
        labelled.push_back(outside);
        anchors.emplace_back(kCentreX + (kRadius + 10) * diagonal,
                             kCentreY - (kRadius + 10) * diagonal);
    }
    for (size_t k = bands.size(); k-- > 0;)
    {
        const double middle = (k == 0 ? 0.0 : outer[k - 1]) * 0.5 + outer[k] * 0.5;
        // Spread the anchors a little around the diagonal so thin neighbours stay apart.
        const double angle = (45.0 + 14.0 * (double(k % 2) - 0.5)) * std::numbers::pi / 180.0;
        labelled.push_back(&bands[k]);
        anchors.emplace_back(kCentreX + middle * std::cos(angle),
                             kCentreY - middle * std::sin(angle));
    }
    const QFont nameFont = Font("DejaVu Sans", 10, true);
    const QFont detailFont = Font("DejaVu Sans", 9, false);
    const double top = 58, bottom = at.Height - 40;
    const double step =
        labelled.size() > 1 ? std::min(40.0, (bottom - top) / double(labelled.size() - 1)) : 0;
    for (size_t i = 0; i < labelled.size(); ++i)
    {
        const double y = top + step * double(i);
        const QPointF elbow(kLabelX - 12, y - 4);
        p.setPen(QPen(QColor(230, 230, 240, 200), 1.0));
        p.drawLine(anchors[i], elbow);
        p.drawLine(elbow, QPointF(kLabelX - 3, y - 4));
        p.setBrush(QColor(240, 240, 250));
        p.drawEllipse(anchors[i], 1.6, 1.6);
        Text(p, labelled[i]->Name, nameFont, QPointF(kLabelX, y), QColor(255, 240, 200));
        Text(p, labelled[i]->Detail, detailFont, QPointF(kLabelX, y + 12), QColor(200, 210, 235));
    }

    const QFont titleFont = Font("DejaVu Serif", 18, true);
    Text(p, title, titleFont, QPointF(10, 25), QColor(255, 226, 150));
    Text(p, QStringLiteral("Inner structure"), detailFont, QPointF(11, 39), QColor(190, 200, 230));
    Text(p, caption, detailFont, QPointF(10, at.Height - 8), QColor(190, 200, 230));
    p.end();
    return image;
}

// The Sun's layers from the standard solar model: nuclear fusion within about a quarter of the
// radius, radiative transport out to the base of the convection zone at 0.713 of the radius
// (helioseismology: Basu & Antia 1997; Bahcall et al. 2005), the photosphere some 500 km thick;
// central temperature 15.7 million K and corona of 1-2 million K (NASA Sun Fact Sheet).
std::vector<Band> SunBands()
{
    const double radius = 695700;
    return {
        {QStringLiteral("Core"),
         QStringLiteral("0-0.25 R, 15.7 MK"),
         0.25 * radius,
         {1.0, 0.97, 0.75}},
        {QStringLiteral("Radiative zone"),
         QStringLiteral("0.25-0.71 R"),
         0.463 * radius,
         {1.0, 0.78, 0.30}},
        {QStringLiteral("Convective zone"),
         QStringLiteral("0.71-1 R"),
         0.287 * radius,
         {0.98, 0.52, 0.12}},
        {QStringLiteral("Photosphere"), QStringLiteral("500 km, 5772 K"), 500, {1.0, 0.90, 0.55}},
    };
}

bool ReadTable(const QString& path, CsvTable& table)
{
    std::string error;
    if (!ReadCsvFile(path.toStdString(), table, error))
    {
        std::fprintf(stderr, "mkmedia: %s\n", error.c_str());
        return false;
    }
    return true;
}

// The value of `column` in the row whose `keyColumn` is `key`, or NaN.
double Lookup(const CsvTable& table, const char* keyColumn, const std::string& key,
              const char* column)
{
    const int k = table.FindColumn(keyColumn), c = table.FindColumn(column);
    if (k < 0 || c < 0)
        return std::nan("");
    for (const auto& row : table.Rows)
    {
        if (row[static_cast<size_t>(k)] == key)
            return std::atof(row[static_cast<size_t>(c)].c_str());
    }
    return std::nan("");
}

} // namespace

bool MakeStructures(const QString& dataDir, const QString& runtimeDir)
{
    const QString dir = runtimeDir + "/Bitmap/Struct";
    if (!QDir().mkpath(dir))
        return Report(false, dir);
    CsvTable structure, planets, moon;
    if (!ReadTable(dataDir + "/structure.csv", structure) ||
        !ReadTable(dataDir + "/planets.csv", planets) || !ReadTable(dataDir + "/moon.csv", moon))
        return false;

    bool ok = true;
    auto save = [&](const QImage& image, const char* body)
    {
        const QString path = dir + "/" + QString::fromLatin1(body) + "Str.bmp";
        ok = Report(SaveBmp24(image, path), path) && ok;
    };

    const std::vector<Band> sun = SunBands();
    const Band corona{QStringLiteral("Corona"), QStringLiteral("1-2 MK"), 0, {1.0, 0.75, 0.35}};
    save(Picture(kSunLayout, QStringLiteral("Sun"), Surface::Sun, sun,
                 QStringLiteral("Radius 695 700 km, layers to scale"), &corona),
         "Sun");

    const Body bodies[] = {
        {"Mercury", Surface::Mercury, {}},
        {"Venus", Surface::Venus, {}},
        {"Earth", Surface::Earth, {}},
        {"Mars", Surface::Mars, {}},
        {"Jupiter", Surface::Jupiter, {0.88, 0.76, 0.58}},
        {"Saturn", Surface::Saturn, {0.92, 0.84, 0.60}},
        {"Uranus", Surface::Uranus, {0.62, 0.86, 0.90}},
        {"Neptune", Surface::Neptune, {0.36, 0.56, 0.95}},
        {"Pluto", Surface::Pluto, {}},
        {"Moon", Surface::Moon, {}},
    };
    const int body = structure.FindColumn("body"), layer = structure.FindColumn("layer"),
              lower = structure.FindColumn("lower_km"), upper = structure.FindColumn("upper_km"),
              composition = structure.FindColumn("composition");
    if (body < 0 || layer < 0 || lower < 0 || upper < 0 || composition < 0)
    {
        std::fprintf(stderr, "mkmedia: structure.csv lacks a column\n");
        return false;
    }
    for (const Body& b : bodies)
    {
        std::vector<Band> bands;
        for (const auto& row : structure.Rows)
        {
            if (row[static_cast<size_t>(body)] != b.Name)
                continue;
            const int low = std::atoi(row[static_cast<size_t>(lower)].c_str());
            const int high = std::atoi(row[static_cast<size_t>(upper)].c_str());
            const QString name = QString::fromStdString(row[static_cast<size_t>(layer)]);
            bands.push_back({name, WidthText(low, high), high > 0 ? 0.5 * (low + high) : low,
                             LayerColour(name, Lower(row[static_cast<size_t>(composition)]),
                                         b.AtmosphereTint)});
        }
        const bool isMoon = std::string(b.Name) == "Moon";
        const double radius = isMoon ? Lookup(moon, "field", "radius_km", "value")
                                     : Lookup(planets, "name", b.Name, "equatorial_radius_km");
        if (bands.empty() || !(radius > 0))
        {
            std::fprintf(stderr, "mkmedia: no structure or radius for %s\n", b.Name);
            ok = false;
            continue;
        }
        const QString caption =
            QStringLiteral("%1 radius %2 km, layers to scale")
                .arg(isMoon ? QStringLiteral("Mean") : QStringLiteral("Equatorial"),
                     Grouped(radius));
        save(Picture(isMoon ? kMoonLayout : kPlanetLayout, QString::fromLatin1(b.Name), b.Surf,
                     bands, caption, nullptr),
             b.Name);
    }
    return ok;
}
