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
    if (sizeWord)
        return sizeWord;
    if (colorWord)
        return colorWord;
    return "---";
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

StarSmDlg::StarSmDlg(QWidget* parent, QPoint* point, const StarDB& star, int resId)
    : SmallCardDlg(parent, point, resId, 1207, 4009), Star(star)
{
    setWindowTitle(QStringLiteral("Star"));
    Name = AddRow("Star's Name", 4001);
    NameKind = AddRow("Kind of Name", 4015);
    Design = AddRow("Designation", 4002);
    Magn = AddRow("Magnitude", 4003);
    Spectr = AddRow("Spectral Type", 4004);
    Prop = AddRow("Properties", 4005);
    RA = AddRow("R.A.", 4006);
    Dec = AddRow("Dec", 4007);
    Const = AddRow("Constellation", 4008);
}

void StarSmDlg::Fill()
{
    const StarDB& s = Star;
    const std::string name = Field(s.StarName, sizeof s.StarName);
    Name->setText(Latin1(AdjustString(name.c_str())));
    NameKind->setText(QString::fromLatin1(name == "N/A"               ? "---"
                                          : s.Propert.traditionalName ? "traditional"
                                                                      : "IAU"));
    Const->setText(Latin1(ConstellationName(s.NumConst)));
    Design->setText(
        Latin1(Field(s.Design, sizeof s.Design) + "  " + ConstellationName(s.NumConst, 1)));
    Magn->setText(Latin1(NumToStr(s.Magnitude, 2, false)));
    Spectr->setText(Latin1(Field(s.SpectType, sizeof s.SpectType)));
    Prop->setText(Latin1(StarProperties(s.Propert.size, s.Propert.color)));
    RA->setText(Latin1(NumToHM(s.RA, true)));
    Dec->setText(Latin1(NumToHM(s.Dec, false)));
}

// ---- the deep-sky object ----

NGCMessSmDlg::NGCMessSmDlg(QWidget* parent, QPoint* point, const NGCMessDB& ngcm, int resId)
    : SmallCardDlg(parent, point, resId, 1212, 4206), NGCM(ngcm)
{
    setWindowTitle(QStringLiteral("NGC / Messier"));
    NGCName = AddRow("NGC Name", 4201);
    MessName = AddRow("Messier Name", 4202);
    Size = AddRow("Size", 4203);
    Magn = AddRow("Magnitude", 4003);
    Type = AddRow("Type", 4204);
    Comment = AddRow("Comment", 4205);
    RA = AddRow("R.A.", 4006);
    Dec = AddRow("Dec", 4007);
    Const = AddRow("Constellation", 4008);
}

void NGCMessSmDlg::Fill()
{
    const NGCMessDB& o = NGCM;
    NGCName->setText(QStringLiteral("NGC%1").arg(static_cast<unsigned>(o.NGC)));
    // 0 is the catalogue's "no Messier number" (NGC 104 has none): no "M0".
    MessName->setText(o.Messier ? QStringLiteral("M%1").arg(static_cast<unsigned>(o.Messier))
                                : QStringLiteral("---"));
    Size->setText(Latin1(Field(o.Size, sizeof o.Size)));
    Magn->setText(Latin1(NumToStr(o.Magnitude, 2, false)));
    if (o.Type < std::size(NgcTypeText))
    {
        // Galaxies are commented with their morphological type, clusters with their members.
        const char* const prefix = o.Type <= 2 ? "Type " : o.Type <= 4 ? "" : "Number ";
        Type->setText(QString::fromLatin1(NgcTypeText[o.Type]));
        Comment->setText(
            Latin1(prefix + AdjustString(Field(o.Comments, sizeof o.Comments).c_str())));
    }
    RA->setText(Latin1(NumToHM(o.RA, true)));
    Dec->setText(Latin1(NumToHM(o.Dec, false)));
    Const->setText(Latin1(ConstellationName(o.NumConst)));
}

// ---- the Sun and the Moon ----

SkyBodySmDlg::SkyBodySmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId,
                           int picture, int strip, const char* title, const char* magnitude,
                           const char* properties)
    : SmallCardDlg(parent, point, resId, picture, strip), ra(ra), dec(dec), magnitude(magnitude)
{
    setWindowTitle(QString::fromLatin1(title));
    Magn = AddRow("Magnitude", 4003);
    Prop = AddRow("Properties", 4005);
    Prop->setText(QString::fromLatin1(properties));
    RA = AddRow("R.A.", 4006);
    Dec = AddRow("Dec", 4007);
}

void SkyBodySmDlg::Fill()
{
    Magn->setText(QString::fromLatin1(magnitude));
    RA->setText(Latin1(NumToHM(static_cast<float>(ra * kDegreesToHours), true)));
    Dec->setText(Latin1(NumToHM(static_cast<float>(dec * kRadToDeg), false)));
}

SunSmDlg::SunSmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId)
    : SkyBodySmDlg(parent, point, ra, dec, resId, 1209, 4010, "Sun", "-26.8",
                   "Center of Solar System")
{
}

MoonSmDlg::MoonSmDlg(QWidget* parent, QPoint* point, float ra, float dec,
                     std::optional<MoonOfInstant> instant, int resId)
    : SkyBodySmDlg(parent, point, ra, dec, resId, 1210, 4011, "Moon", "---", "Satellite of Earth"),
      moon(instant)
{
    if (!moon)
        return;
    Phase = AddRow("Phase", 4012);
    Age = AddRow("Age (days)", 4013);
    Lit = AddRow("Illuminated", 4014);
    DeltaT = AddRow("Delta T", 4016);
}

void MoonSmDlg::Fill()
{
    SkyBodySmDlg::Fill();
    if (!moon)
        return;
    const sky::MoonPlace& place = moon->place;
    Magn->setText(Latin1(NumToStr(sky::MoonMagnitude(place.PhaseAngle), 2, false)));
    Phase->setText(QString::fromLatin1(sky::PhaseName(place.Phase)));
    Age->setText(QString::number(place.Age, 'f', 1));
    Lit->setText(QStringLiteral("%1 %").arg(std::lround(100.0 * place.IlluminatedFraction)));
    DeltaT->setText(std::isfinite(moon->deltaT)
                        ? QStringLiteral("%1 s").arg(std::llround(moon->deltaT))
                        : QStringLiteral("---"));
}

// ---- a planet in the sky ----

SkyPlanetSmDlg::SkyPlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float magnitude,
                               double distanceAu, const char* constellation, int resId)
    : SmallCardDlg(parent, point, resId, 1208, 4103), name(name), magnitude(magnitude),
      distanceAu(distanceAu), constellation(constellation)
{
    setWindowTitle(QStringLiteral("Planet"));
    Name = AddRow("Planet's Name", 4101);
    Magn = AddRow("Magnitude", 4003);
    Dist = AddRow("Distance from Earth (AU)", 4105);
    Const = AddRow("Constellation", 4008);
}

void SkyPlanetSmDlg::Fill()
{
    Name->setText(QString::fromLatin1(name ? name : ""));
    Magn->setText(std::isfinite(magnitude) ? Latin1(NumToStr(magnitude, 2, false))
                                           : QStringLiteral("---"));
    Dist->setText(QString::number(distanceAu, 'f', 3));
    Const->setText(QString::fromLatin1(constellation ? constellation : "---"));
}
