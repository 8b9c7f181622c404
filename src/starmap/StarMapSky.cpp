// The Star Map's bodies of the Solar System and its names: the true places of the Sun, the
// Moon and the planets, the Moon's phase disc, the planets' marks and the labels of the names
// layer. Every mark and label is erased exactly where it was drawn before the next one.
#include "platform/Files.h"
#include "starmap/ConstName.h"
#include "starmap/Globe.h"
#include "starmap/StarMap.h"

#include <QFont>
#include <QFontMetrics>
#include <cmath>
#include <cstring>

namespace
{
// The Moon's dark part: dim enough to read as unlit, bright enough to find a new Moon.
constexpr platform::Rgb kMoonLit = platform::RGB(255, 255, 215);
constexpr platform::Rgb kMoonDark = platform::RGB(70, 70, 70);

// Label colours, kept apart from the marks' colours so that a label never reads as a mark.
constexpr platform::Rgb kStarNameColor = platform::RGB(150, 190, 255);
constexpr platform::Rgb kConstNameColor = platform::RGB(60, 150, 90);
constexpr platform::Rgb kSunNameColor = platform::RGB(255, 220, 100);
constexpr platform::Rgb kMoonNameColor = platform::RGB(200, 200, 200);
constexpr platform::Rgb kCompassColor = platform::RGB(255, 140, 0);
// How far beyond the rim of the real sky the compass points stand, pixels.
constexpr int kCompassGap = 10;

// The proper names shown: stars brighter than this magnitude.
constexpr float kNamedStarLimit = 1.5f;
// Pixels between a mark's edge and its label.
constexpr int kLabelGap = 3;

// The label pictures' order in LabelSprites.
constexpr int kPlanetLabels = skybodies::kFigureCount;
constexpr int kSunLabel = kPlanetLabels + skybodies::kSkyPlanetCount;
constexpr int kMoonLabel = kSunLabel + 1;
constexpr int kCompassLabels = kMoonLabel + 1; // N, E, S, W
constexpr int kStarLabels = kCompassLabels + 4;

QFont LabelFont()
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(11);
    return font;
}

// The picture of one label: its text in `color` on black, one pixel of margin each side, to be
// ORed onto the sky.
std::unique_ptr<platform::MemoryDC> MakeLabel(const QString& text, platform::Rgb color)
{
    const QFont font = LabelFont();
    const QFontMetrics metrics(font);
    auto label = std::make_unique<platform::MemoryDC>(metrics.horizontalAdvance(text) + 2,
                                                      metrics.height(), 0);
    label->SetFont(font);
    label->SetTextColor(color);
    label->SetBkOpaque(false);
    label->TextOut(1, 0, text);
    return label;
}

double Degrees(double hours)
{
    return hours * 15.0;
}
} // namespace

// ---- catalogue ----

void StarMap::ReadStarNames(std::FILE* f)
{
    StarNames.clear();
    StarDB record{};
    if (std::fseek(f, 0, SEEK_SET) == 0)
        for (int i = 0; i < StarCount && std::fread(&record, sizeof record, 1, f) == 1; ++i)
        {
            const std::string name(record.StarName,
                                   strnlen(record.StarName, sizeof record.StarName));
            if (record.Magnitude < kNamedStarLimit && !name.empty() && name.rfind("N/A", 0) != 0)
                StarNames.push_back({static_cast<uint16_t>(i), name});
        }
    FigureCentres = skybodies::ComputeFigureCentres(Star, StarCount);
    LabelSprites.clear();
}

void StarMap::ReadPlanetData()
{
    PlanetElements = skybodies::PlanetElements{};
    if (std::FILE* f = platform::OpenFile(skybodies::kSolarElementsFile, "rb"))
    {
        PlanetElements = skybodies::ReadPlanetElements(f);
        std::fclose(f);
    }
}

// ---- places ----

void StarMap::UpdateSkyBodies(int64_t ut)
{
    SkyJulianDate = sky::JulianDateFromInstant(ut);
    const sky::SunPlace sun = sky::SunPlaceAt(SkyJulianDate);
    MoonPlace = sky::MoonPlaceAt(SkyJulianDate);
    // tSol holds minus the right ascension in degrees: the globe's H = t - tSol = t + RA.
    tSol[0] = -Degrees(sun.RightAscension);
    Dec[0] = sun.Declination * sky::kDegToRad;
    tSol[1] = -Degrees(MoonPlace.RightAscension);
    Dec[1] = MoonPlace.Declination * sky::kDegToRad;

    const size_t earth = static_cast<size_t>(sky::Planet::Earth);
    const bool earthKnown = PlanetElements.usable[earth];
    for (int i = 0; i < skybodies::kSkyPlanetCount; ++i)
    {
        SkyPlanet& p = Planet[i];
        const sky::Planet which = skybodies::kSkyPlanets[static_cast<size_t>(i)].planet;
        const size_t slot = static_cast<size_t>(which);
        p.Known = earthKnown && PlanetElements.usable[slot];
        if (!p.Known)
            continue;
        const sky::PlanetPlace place = sky::PlanetPlaceAt(
            PlanetElements.elements[slot], PlanetElements.elements[earth], SkyJulianDate);
        p.RA = static_cast<float>(Degrees(place.RightAscension));
        p.Dec = static_cast<float>(place.Declination * sky::kDegToRad);
        p.Magnitude = static_cast<float>(sky::VisualMagnitude(which, place));
        p.Distance = place.Distance;
    }
}

// ---- marks ----

void StarMap::DrawMoonDisc(double H)
{
    const globe::View view{XCenter, YCenter, r, lat, latCos, latSin};
    const globe::Tangents at = globe::ScreenTangents(view, H, Dec[1]);
    const skybodies::ScreenVector limb = skybodies::DirectionOfPositionAngle(
        MoonPlace.BrightLimbAngle, {at.northX, at.northY}, {at.eastX, at.eastY});
    const skybodies::MoonDisc disc =
        skybodies::ComputeMoonDisc(MoonPlace.IlluminatedFraction, limb.x, limb.y);
    constexpr int half = skybodies::kMoonDiscSize / 2;
    const int left = globe::DrawCoord(XSol[1]) - half;
    const int top = globe::DrawCoord(YSol[1]) - half;
    for (int row = 0; row < skybodies::kMoonDiscSize; ++row)
        for (int col = 0; col < skybodies::kMoonDiscSize; ++col)
        {
            const skybodies::DiscPixel pixel =
                disc[static_cast<size_t>(row * skybodies::kMoonDiscSize + col)];
            if (pixel != skybodies::DiscPixel::Outside)
                canvas.SetPixel(left + col, top + row,
                                pixel == skybodies::DiscPixel::Lit ? kMoonLit : kMoonDark);
        }
    canvas.MarkDirty();
}

void StarMap::DrawPlanets()
{
    const globe::View view{XCenter, YCenter, r, lat, latCos, latSin};
    const bool transparent = Values.SMValues.Check[4] != 0;
    for (int i = 0; i < skybodies::kSkyPlanetCount; ++i)
    {
        SkyPlanet& p = Planet[i];
        // A 4 x 4 disc (the corners left out) about (X, Y), one pixel up and left of centre.
        const int x0 = globe::DrawCoord(p.X) - 1;
        const int y0 = globe::DrawCoord(p.Y) - 1;
        if (p.Drawn)
            canvas.PatBlt(x0, y0, 4, 4, platform::Rop::Blackness);
        p.Flag = p.Drawn = false;
        if (!p.Known)
            continue;
        const globe::GlobePlace at = globe::PlaceOnGlobe(view, t + p.RA, p.Dec, transparent);
        p.X = at.x;
        p.Y = at.y;
        p.Flag = at.visible;
        // Every planet of the layer is drawn, as the Sun and the Moon are: the stars' limit would
        // hide Uranus and Neptune. One fainter than that limit gets a smaller mark.
        p.Drawn = p.Flag;
        if (!p.Drawn)
            continue;
        const platform::Rgb color = skybodies::kSkyPlanets[static_cast<size_t>(i)].color;
        const int x = globe::DrawCoord(p.X) - 1;
        const int y = globe::DrawCoord(p.Y) - 1;
        if (p.Magnitude > Values.SMValues.SelectMagn)
            canvas.FillRect(x + 1, y + 1, x + 3, y + 3, color);
        else
        {
            canvas.FillRect(x + 1, y, x + 3, y + 4, color);
            canvas.FillRect(x, y + 1, x + 4, y + 3, color);
        }
    }
}

// ---- names ----

int StarMap::MinimumClientHeight()
{
    // The letters' middle rows stand kCompassGap beyond a rim a quarter of the height from
    // the middle, so each needs a quarter of the height for the gap and half a letter; the
    // rounding of the centre and the radius to whole pixels may take one more pixel each.
    const int letter = QFontMetrics(LabelFont()).height();
    return 4 * (kCompassGap + letter - letter / 2 + 1);
}

void StarMap::EraseNames()
{
    for (const QRect& box : LabelRects)
        canvas.PatBlt(box.left(), box.top(), box.width(), box.height(), platform::Rop::Blackness);
    LabelRects.clear();
}

void StarMap::MakeLabelSprites()
{
    if (!LabelSprites.empty())
        return;
    for (int k = 0; k < skybodies::kFigureCount; ++k)
        LabelSprites.push_back(MakeLabel(QString::fromLatin1(ConstName[2 * k]), kConstNameColor));
    for (const skybodies::SkyPlanetKind& kind : skybodies::kSkyPlanets)
        LabelSprites.push_back(MakeLabel(QString::fromLatin1(kind.name), kind.color));
    LabelSprites.push_back(MakeLabel(QStringLiteral("Sun"), kSunNameColor));
    LabelSprites.push_back(MakeLabel(QStringLiteral("Moon"), kMoonNameColor));
    for (const char* point : {"N", "E", "S", "W"})
        LabelSprites.push_back(MakeLabel(QString::fromLatin1(point), kCompassColor));
    for (const StarLabel& star : StarNames)
        LabelSprites.push_back(MakeLabel(
            QString::fromLatin1(star.name.data(), static_cast<qsizetype>(star.name.size())),
            kStarNameColor));
}

void StarMap::PutLabel(int k, int x, int y, bool centred)
{
    const platform::MemoryDC& label = *LabelSprites[static_cast<size_t>(k)];
    const int left = centred ? x - label.Width() / 2 : x;
    const int top = y - label.Height() / 2;
    const QRect box = QRect(left, top, label.Width(), label.Height()) &
                      QRect(0, 0, canvas.Width(), canvas.Height());
    if (box.isEmpty())
        return;
    canvas.BitBlt(left, top, label.Width(), label.Height(), label, 0, 0, platform::Rop::SrcPaint);
    LabelRects.push_back(box);
}

void StarMap::DrawNames()
{
    MakeLabelSprites();
    const auto& check = Values.SMValues.Check;
    const globe::View view{XCenter, YCenter, r, lat, latCos, latSin};
    const bool transparent = check[4] != 0;

    if (check[0])
        for (int k = 0; k < skybodies::kFigureCount; ++k)
        {
            const skybodies::FigureCentre& c = FigureCentres[static_cast<size_t>(k)];
            if (!c.known)
                continue;
            const globe::GlobePlace p = globe::PlaceOnGlobe(view, t + c.RA, c.Dec, transparent);
            if (p.visible)
                PutLabel(k, p.at.x, p.at.y, true);
        }
    // A star's mark reaches 2 pixels right of its position; the label starts beyond it.
    for (size_t n = 0; n < StarNames.size(); ++n)
    {
        const Stars& s = Star[StarNames[n].index];
        if (s.Flag && s.Magnitude <= Values.SMValues.SelectMagn)
            PutLabel(kStarLabels + static_cast<int>(n), globe::DrawCoord(s.X) + 2 + kLabelGap,
                     globe::DrawCoord(s.Y), false);
    }
    if (Values.Planets)
        for (int i = 0; i < skybodies::kSkyPlanetCount; ++i)
            if (Planet[i].Drawn)
                PutLabel(kPlanetLabels + i, globe::DrawCoord(Planet[i].X) + 2 + kLabelGap,
                         globe::DrawCoord(Planet[i].Y), false);
    if (check[3])
    {
        constexpr int kHalf[2] = {2, skybodies::kMoonDiscSize / 2};
        for (int k = 0; k < 2; ++k)
            if (FlagSol[k])
                PutLabel(kSunLabel + k, globe::DrawCoord(XSol[k]) + kHalf[k] + 1 + kLabelGap,
                         globe::DrawCoord(YSol[k]), false);
    }
    canvas.MarkDirty();
}

void StarMap::DrawCompass()
{
    if (!GlobeSystem)
        return;
    MakeLabelSprites();
    // The real sky is seen from below with the zenith at the centre and the horizon at the
    // rim: north up, east to the left (a body at H = 0 rises), south down, west right.
    const int x = static_cast<int>(XCenter);
    const int y = static_cast<int>(YCenter);
    const int out = r + kCompassGap;
    PutLabel(kCompassLabels + 0, x, y - out, true);
    PutLabel(kCompassLabels + 1, x - out, y, true);
    PutLabel(kCompassLabels + 2, x, y + out, true);
    PutLabel(kCompassLabels + 3, x + out, y, true);
    canvas.MarkDirty();
}
