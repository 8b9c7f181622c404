#include "starmap/SmallCard.h"

#include "model/NumFormat.h"
#include "starmap/ConstName.h"
#include "starmap/NumToHM.h"

#include <cmath>
#include <cstring>
#include <string>

namespace
{
constexpr double kDegreesToHours = 0.06666666666666667;
constexpr double kRadToDeg = 57.29577951308232;

// Luminosity class by the star's size code 1..5 and colour by its colour code 1..8.
const char* const StarSize[] = {nullptr,      "dwarf",           "giant",
                                "supergiant", "main - sequence", "superhot"};
const char* const StarColor[] = {nullptr,          "Red",   "Orange",       "Yellow",
                                 "Yellow - white", "White", "Blue - white", "Blue",
                                 "Yellow - orange"};

const char* const NgcTypeText[] = {"Spiral Galaxy",    "Elliptical Galaxy", "Irregular Galaxy",
                                   "Planetary Nebula", "Diffuse Nebula",    "Open Cluster",
                                   "Globular Cluster"};

// A text field of a record, which a damaged file may leave without its NUL.
std::string Field(const char* text, size_t width)
{
    return std::string(text, strnlen(text, width));
}

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The star's colour and luminosity class. Codes without a word show the word that is known,
// or "---" when neither is.
std::string StarProperties(unsigned size, unsigned color)
{
    if (size == 0)
        return "---";
    const char* sizeWord = size < std::size(StarSize) ? StarSize[size] : nullptr;
    const char* colorWord = color < std::size(StarColor) ? StarColor[color] : nullptr;
    if (sizeWord && colorWord)
        return std::string(colorWord) + "  " + sizeWord;
    return sizeWord ? sizeWord : colorWord ? colorWord : "---";
}

// The full name (part 0) or the abbreviation (part 1) of constellation `number`
// (1..kConstellationCount), "---" for any other.
std::string ConstellationName(int number, int part = 0)
{
    return number >= 1 && number <= kConstellationCount ? ConstName[2 * (number - 1) + part]
                                                        : "---";
}
} // namespace

// ---- the star ----

StarSmDlg::StarSmDlg(QWidget* parent, QPoint* point, const StarDB& s, int resId)
    : SmallCardDlg(parent, point, resId, 1207, 4009)
{
    setWindowTitle(QStringLiteral("Star"));
    const std::string name = Field(s.StarName, sizeof s.StarName);
    AddRow("Star's Name", 4001)->setText(Latin1(AdjustString(name.c_str())));
    AddRow("Kind of Name", 4015)
        ->setText(QString::fromLatin1(name == "N/A"               ? "---"
                                      : s.Propert.traditionalName ? "traditional"
                                                                  : "IAU"));
    AddRow("Designation", 4002)
        ->setText(
            Latin1(Field(s.Design, sizeof s.Design) + "  " + ConstellationName(s.NumConst, 1)));
    AddRow("Magnitude", 4003)->setText(Latin1(NumToStr(s.Magnitude, 2, false)));
    AddRow("Spectral Type", 4004)->setText(Latin1(Field(s.SpectType, sizeof s.SpectType)));
    AddRow("Properties", 4005)->setText(Latin1(StarProperties(s.Propert.size, s.Propert.color)));
    AddRow("R.A.", 4006)->setText(Latin1(NumToHM(s.RA, true)));
    AddRow("Dec", 4007)->setText(Latin1(NumToHM(s.Dec, false)));
    AddRow("Constellation", 4008)->setText(Latin1(ConstellationName(s.NumConst)));
}

// ---- the deep-sky object ----

NGCMessSmDlg::NGCMessSmDlg(QWidget* parent, QPoint* point, const NGCMessDB& o, int resId)
    : SmallCardDlg(parent, point, resId, 1212, 4206)
{
    setWindowTitle(QStringLiteral("NGC / Messier"));
    AddRow("NGC Name", 4201)->setText(QStringLiteral("NGC%1").arg(static_cast<unsigned>(o.NGC)));
    // 0 is the catalogue's "no Messier number" (NGC 104 has none): no "M0".
    AddRow("Messier Name", 4202)
        ->setText(o.Messier ? QStringLiteral("M%1").arg(static_cast<unsigned>(o.Messier))
                            : QStringLiteral("---"));
    AddRow("Size", 4203)->setText(Latin1(Field(o.Size, sizeof o.Size)));
    AddRow("Magnitude", 4003)->setText(Latin1(NumToStr(o.Magnitude, 2, false)));
    QLabel* type = AddRow("Type", 4204);
    QLabel* comment = AddRow("Comment", 4205);
    if (o.Type < std::size(NgcTypeText))
    {
        // Galaxies are commented with their morphological type, clusters with their members.
        const char* const prefix = o.Type <= 2 ? "Type " : o.Type <= 4 ? "" : "Number ";
        type->setText(QString::fromLatin1(NgcTypeText[o.Type]));
        comment->setText(
            Latin1(prefix + AdjustString(Field(o.Comments, sizeof o.Comments).c_str())));
    }
    AddRow("R.A.", 4006)->setText(Latin1(NumToHM(o.RA, true)));
    AddRow("Dec", 4007)->setText(Latin1(NumToHM(o.Dec, false)));
    AddRow("Constellation", 4008)->setText(Latin1(ConstellationName(o.NumConst)));
}

// ---- the Sun and the Moon ----

SkyBodySmDlg::SkyBodySmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId,
                           int picture, int strip, const char* title, const QString& magnitude,
                           const char* properties)
    : SmallCardDlg(parent, point, resId, picture, strip)
{
    setWindowTitle(QString::fromLatin1(title));
    AddRow("Magnitude", 4003)->setText(magnitude);
    AddRow("Properties", 4005)->setText(QString::fromLatin1(properties));
    AddRow("R.A.", 4006)->setText(Latin1(NumToHM(static_cast<float>(ra * kDegreesToHours), true)));
    AddRow("Dec", 4007)->setText(Latin1(NumToHM(static_cast<float>(dec * kRadToDeg), false)));
}

SunSmDlg::SunSmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId)
    : SkyBodySmDlg(parent, point, ra, dec, resId, 1209, 4010, "Sun", QStringLiteral("-26.8"),
                   "Center of Solar System")
{
}

MoonSmDlg::MoonSmDlg(QWidget* parent, QPoint* point, float ra, float dec,
                     std::optional<MoonOfInstant> moon, int resId)
    : SkyBodySmDlg(parent, point, ra, dec, resId, 1210, 4011, "Moon",
                   moon ? Latin1(NumToStr(sky::MoonMagnitude(moon->place.PhaseAngle), 2, false))
                        : QStringLiteral("---"),
                   "Satellite of Earth")
{
    if (!moon)
        return;
    const sky::MoonPlace& place = moon->place;
    AddRow("Phase", 4012)->setText(QString::fromLatin1(sky::PhaseName(place.Phase)));
    AddRow("Age (days)", 4013)->setText(QString::number(place.Age, 'f', 1));
    AddRow("Illuminated", 4014)
        ->setText(QStringLiteral("%1 %").arg(std::lround(100.0 * place.IlluminatedFraction)));
    AddRow("Delta T", 4016)
        ->setText(std::isfinite(moon->deltaT)
                      ? QStringLiteral("%1 s").arg(std::llround(moon->deltaT))
                      : QStringLiteral("---"));
}

// ---- a planet in the sky ----

SkyPlanetSmDlg::SkyPlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float magnitude,
                               double distanceAu, const char* constellation, int resId)
    : SmallCardDlg(parent, point, resId, 1208, 4103)
{
    setWindowTitle(QStringLiteral("Planet"));
    AddRow("Planet's Name", 4101)->setText(QString::fromLatin1(name ? name : ""));
    AddRow("Magnitude", 4003)
        ->setText(std::isfinite(magnitude) ? Latin1(NumToStr(magnitude, 2, false))
                                           : QStringLiteral("---"));
    AddRow("Distance from Earth (AU)", 4105)->setText(QString::number(distanceAu, 'f', 3));
    AddRow("Constellation", 4008)
        ->setText(QString::fromLatin1(constellation ? constellation : "---"));
}
