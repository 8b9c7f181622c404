#include "database/CardText.h"

#include "model/NumFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace database
{
namespace
{
// Millions of km in one astronomical unit.
constexpr double kMillionKmPerAU = 149.59787;
constexpr uint8_t kMars = 4;
// Above this a period or an angle has no meaningful hours or degrees (and would not fit an
// int): the formatters show "?".
constexpr double kLargestSplit = 1e9;

std::string Format(const char* format, ...)
{
    char buf[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    return buf;
}

// NumToStr for the cards. A fixed-point value is first written with the fewest decimals that
// give back the same single-precision number: NumToStr would print the binary noise beyond
// single precision (-243.02 as -243.020004, 149.59787 as 149.59786987). Only values that need
// more decimals than asked for are left to NumToStr's rounding.
std::string Num(double value, uint8_t digits, bool exp = false)
{
    if (!exp)
    {
        const float f = static_cast<float>(value);
        char buf[64];
        const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, f, std::chars_format::fixed);
        if (ec == std::errc())
        {
            const std::string shortest(buf, end);
            const size_t point = shortest.find('.');
            const size_t decimals = point == std::string::npos ? 0 : shortest.size() - point - 1;
            const size_t allowed = digits == 8 || digits == 6 || digits == 4 ? digits : 2;
            if (decimals <= allowed && std::isfinite(f))
                return shortest == "-0" ? "0" : shortest;
        }
    }
    return NumToStr(value, digits, exp);
}

// `value` times `scale` as whole units, minutes (truncated) and seconds (single precision),
// each written with its format when it is above 0, after a "-" for a negative value.
std::string Sexagesimal(double value, double scale, const char* wholeFormat,
                        const char* minutesFormat, const char* secondsFormat)
{
    const double amount = std::fabs(value) * scale;
    if (!(amount < kLargestSplit))
        return "?";
    std::string text = value < 0 ? "-" : "";
    const int whole = static_cast<int>(amount);
    const double minutes = (amount - whole) * 60;
    const int m = static_cast<int>(minutes);
    const float seconds = static_cast<float>((minutes - m) * 60);
    if (whole > 0)
        text += Format(wholeFormat, whole);
    if (m > 0)
        text += Format(minutesFormat, m);
    if (seconds > 0)
        text += Format(secondsFormat, seconds);
    return text;
}

// Known moons by planet number, Mercury .. Pluto: the IAU Minor Planet Center's and JPL's
// list as of 19 August 2025 (ssd.jpl.nasa.gov/sats/discovery.html), the source of the
// known_moons column of data/planets.csv.
constexpr int kKnownMoons[kPlanetCount] = {0, 0, 1, 2, 97, 274, 29, 16, 5};

const char* const kLayerCore = "Core";
const char* const kLayerMantle = "Mantle";

// A ring's thickness in km with two decimals, or four below ten metres (Saturn's main
// rings are a few metres thick, which two decimals would show as "0").
std::string Thickness(float km)
{
    return Num(km, km > 0.0f && km < 0.01f ? 4 : 2);
}

} // namespace

std::string FieldText(const char* field, size_t width)
{
    return std::string(field, strnlen(field, width));
}

std::string NumToHMS(double days)
{
    return Sexagesimal(days, 24, "%dh ", "%dm ", "%.3fs");
}

std::string NumToGMS(double degrees)
{
    return Sexagesimal(degrees, 1, "%d\xB0 ", "%d' ", "%.1f''");
}

int KnownMoons(uint8_t number)
{
    return number >= 1 && number <= kPlanetCount ? kKnownMoons[number - 1] : 0;
}

const char* KnownMoonsDate()
{
    return "19 August 2025";
}

std::string SatellitesText(int known, int listed)
{
    if (known <= 0)
        return "None";
    if (listed >= known)
        return known == 1 ? "1 known; listed" : Format("%d known; all listed", known);
    return Format("%d known; %d listed", known, listed);
}

std::string RingsText(int rings, int rows)
{
    if (rings <= 0)
        return "None";
    const char* noun = rings == 1 ? "ring" : "rings";
    if (rows <= rings)
        return Format("%d %s; all listed", rings, noun);
    return Format("%d %s (%d rows with their gaps)", rings, noun, rows);
}

int CountRings(const std::vector<RingDB>& rings)
{
    return int(
        std::count_if(rings.begin(), rings.end(), [](const RingDB& r) { return r.Type == 0; }));
}

std::array<std::string, 13> PlanetOrbitalValues(const PlanetDB& p)
{
    const double a = p.SemimajorAxis;
    const double e = p.Eccentr;
    return {
        Num(a, 8),
        Num(a * kMillionKmPerAU, 8),
        Format("%.4f", e),
        Num(p.InclOrbToEcl, 4),
        Num(p.RevPeriod.Sideral, 4),
        p.RevPeriod.Sinodic == -1.0f ? "None" : Num(p.RevPeriod.Sinodic, 2),
        Num(360 / static_cast<double>(p.RevPeriod.Sideral), 4),
        p.AngularDiam == -1.0f ? "None" : Num(p.AngularDiam, 2),
        Num(p.Albedo * 0.01, 2),
        p.Magnitude == 9999.0f ? "None" : Num(p.Magnitude, 2),
        Num(p.MeanOrbVel, 2),
        Num((1 - e) * a * kMillionKmPerAU, 6),
        Num((1 + e) * a * kMillionKmPerAU, 6),
    };
}

PlanetPhysical PlanetPhysicalValues(const PlanetDB& p, int rings)
{
    PlanetPhysical out;
    auto& v = out.values;
    // Periods of more than a day and a half read in days, shorter ones in hours and minutes.
    auto rotation = [](double period, const char* caption, std::string& shown, std::string& value)
    {
        const bool days = std::fabs(period) > 1.5;
        shown = days ? std::string(caption) + " (days)" : caption;
        value = days ? Num(period, 6) : NumToHMS(period);
    };
    rotation(p.RotPeriod.Sideral, "Rotation period - sidereal", out.rotSidCaption, v[0]);
    rotation(p.RotPeriod.Sinodic, "Rotation period - synodic", out.rotSinCaption, v[1]);
    v[2] = Num(p.InclEquatorToOrb, 2);
    // Without a polar radius the field holds the equatorial radius's uncertainty.
    const bool polar = p.Radius.Polar > 0;
    v[3] = Num(p.Radius.Equatorial, 2) + (polar ? "" : " \xB1 " + Num(-p.Radius.Polar, 2));
    v[4] = polar ? Num(p.Radius.Polar, 2) : "?";
    v[5] = Num(p.Mass, 4, true);
    v[6] = Num(p.Density, 4);
    const float low = p.Temper.LowTemp, high = p.Temper.HighTemp;
    out.tempCaption = low > 0 ? "Surface temperature (K.)" : "Visible cloud temperature (K.)";
    v[7] = Num(low > 0 ? low : -low, 2) +
           (high > 0 ? " -- " + Num(high, 2) : " \xB1 " + Num(-high, 2));
    v[8] = Format("%d", p.GravAccel);
    v[9] = Num(p.EscapeVel, 4);
    out.satCaption = std::string("Satellites (as of ") + KnownMoonsDate() + ")";
    v[10] = SatellitesText(KnownMoons(p.PlanetNumber), p.Satellites);
    v[11] = RingsText(rings, p.Rings);
    return out;
}

AtmosphereTexts PlanetAtmosphere(const PlanetDB& p)
{
    AtmosphereTexts out;
    for (const ChemicElement& e : p.AtmComp.Element)
        if (e.Name[0] != '-')
            ++out.elements;
    out.pressure = p.SurfAtmPressure == -1.0f ? "?" : Num(p.SurfAtmPressure, 2, true);
    const uint8_t digits = p.PlanetNumber == kMars ? 6 : 2;
    for (int i = 0; i < out.elements; ++i)
    {
        const ChemicElement& e = p.AtmComp.Element[i];
        out.element[i] = FieldText(e.Name, sizeof e.Name);
        out.ratio[i] = e.Ratio == -1.0f ? "?" : Num(e.Ratio, digits) + " %";
    }
    out.other = p.AtmComp.Other[0] == '-'
                    ? "None"
                    : AdjustString(FieldText(p.AtmComp.Other, sizeof p.AtmComp.Other).c_str());
    return out;
}

StructureTable FillStructure(uint8_t layer, const PlanetStructure structure[4])
{
    StructureTable t;
    const bool core = layer & LayerCore;
    const bool mantle = layer & LayerMantle;
    // The outermost row: crust, or atmosphere when both are flagged.
    const char* outer = (layer & LayerAtmosphere) ? "Atmosphere"
                        : (layer & LayerCrust)    ? "Crust"
                                                  : "";
    if (core && mantle)
    {
        t.rows = 3;
        t.layer = {kLayerCore, kLayerMantle, outer, ""};
    }
    else if (core && (layer & LayerInnerMantle) && (layer & LayerOuterMantle))
    {
        t.rows = 4;
        t.layer = {kLayerCore, "Inner Mantle", "Outer Mantle", outer};
    }
    else if (!core && (layer & LayerInnerCore) && (layer & LayerOuterCore))
    {
        t.rows = 4;
        t.layer = {"Inner Core", "Outer Core", mantle ? kLayerMantle : "", outer};
    }
    for (int k = 0; k < t.rows; ++k)
    {
        const PlanetStructure& s = structure[k];
        if (s.LowerWidth == 0)
            t.width[k] = "?";
        else if (s.UpperWidth == 0)
            t.width[k] = Format("%d km", s.LowerWidth);
        else
            t.width[k] = Format("%d -- %d km", s.LowerWidth, s.UpperWidth);
        if (s.Composition[0] != '-')
            t.composition[k] = AdjustString(FieldText(s.Composition, sizeof s.Composition).c_str());
    }
    return t;
}

SatelliteTexts SatelliteValues(const SatelliteDB& s, const std::string& planetName)
{
    SatelliteTexts t;
    const std::string name = FieldText(s.SatelName, sizeof s.SatelName);
    const std::string code = AdjustString(FieldText(s.SatelCode, sizeof s.SatelCode).c_str());
    t.caption =
        "Satellite " + std::to_string(s.SatelNum) + " - [ " + name + " ] - ( " + code + " )";
    t.discoverer = AdjustString(FieldText(s.Discoverer, sizeof s.Discoverer).c_str());
    t.discoveryYear = Format("%d", s.DiscoveryYear);
    t.lDistance = "Distance from " + planetName + " (km)";
    t.distance = Format("%u", s.Distance);
    t.eccent = Num(s.Eccentr, 4);
    t.inclCaption = s.Distance > kEclipticInclinationKm ? "Inclination of orbit to ecliptic (deg)"
                                                        : "Inclination of orbit to equator (deg)";
    t.inclOrb = Num(s.InclOrb, 4);
    t.sidRevol = Num(s.RevPeriod, 6);
    t.sidRot = s.RotPeriod == -1.0f ? "?" : s.RotPeriod == -2.0f ? "Chaotic" : Num(s.RotPeriod, 6);
    t.albedo = s.Albedo == 0 ? "?" : Num(s.Albedo * 0.01, 2);
    t.magnit = s.Magnitude == 9999.0f ? "?" : Num(s.Magnitude, 2);
    t.orbVel = Num(s.MeanOrbVel, 2);
    t.radius = Num(s.Radius.Size1, 4);
    if (s.Radius.Size2 != -1.0f)
    {
        t.radius += " x ";
        t.radius += s.Radius.Size2 == -2.0f ? "?" : Num(s.Radius.Size2, 2);
        if (s.Radius.Size3 != -1.0f)
            t.radius += " x " + Num(s.Radius.Size3, 2);
    }
    t.mass = s.Mass == -1.0f ? "?" : Num(s.Mass, 2, true);
    t.dens = s.Density == -1.0f ? "?" : Num(s.Density, 2);
    t.escapeVel = s.EscapeVel == -1.0f ? "?" : Num(s.EscapeVel, 4);
    return t;
}

RingTexts RingValues(const RingDB& r)
{
    RingTexts t;
    const char* const kinds[] = {"", " Gap", " Division"};
    t.caption =
        "Ring - [ " + FieldText(r.Name, sizeof r.Name) + (r.Type <= 2 ? kinds[r.Type] : "") + " ]";
    t.distance = Format("%u", r.Distance);
    if (r.LowWidth == 99999)
        t.width = Format("< %u", r.HighWidth);
    else if (r.HighWidth != 0)
        t.width = Format("%u -- %u", r.LowWidth, r.HighWidth);
    else
        t.width = Format("%u", r.LowWidth);

    if (r.LowThickness == 0.0f)
        t.thickness = "?";
    else if (r.LowThickness == -1.0f)
        t.thickness = "None";
    else if (r.LowThickness == -2.0f)
        t.thickness = Format("< %.2f", static_cast<double>(r.HighThickness));
    else if (r.HighThickness != 0.0f)
        t.thickness = Thickness(r.LowThickness) + " -- " + Thickness(r.HighThickness);
    else
        t.thickness = Thickness(r.LowThickness);

    if (r.LowMass == 0.0f)
        t.mass = "?";
    else if (r.LowMass == -1.0f)
        t.mass = "None";
    else if (r.HighMass != 0.0f)
        t.mass = Format("%.1f -- ", static_cast<double>(r.LowMass)) + Num(r.HighMass, 2, true);
    else
        t.mass = Num(r.LowMass, 2, true);

    t.albedo = r.Albedo == 0     ? "?"
               : r.Albedo == 254 ? "None"
               : r.Albedo == 255 ? "Low"
                                 : Num(r.Albedo * 0.01, 2);
    return t;
}

SunTexts SunValues(const SunDB& s)
{
    SunTexts t;
    t.values = {
        Format("%d -- %d", s.RotPerMin, s.RotPerMax),
        Num(s.Mass, 4, true),
        Num(s.Dens, 4),
        Num(s.Radius, 2),
        Num(s.Temp, 2),
        Format("%.1f / +%.1f", static_cast<double>(s.VisMagn), static_cast<double>(s.AbsMagn)),
        Num(s.EscVel, 2),
        Num(s.Lum, 4, true),
        AdjustString(FieldText(s.Spectr, sizeof s.Spectr).c_str()),
        Format("%.1f", s.Age * 0.1),
    };
    for (int i = 0; i < 11; ++i)
    {
        const SunElements& e = s.Elements[i];
        t.element[i] = AdjustString(FieldText(e.Name, sizeof e.Name).c_str());
        t.ratio[i] = Num(e.Ratio, 4) + "%";
    }
    return t;
}

MoonTexts MoonValues(const MoonDB& m)
{
    MoonTexts t;
    t.orbital = {
        Format("%u -- %u", m.DistPer.LowDist, m.DistPer.HighDist),
        Format("%u -- %u", m.DistApo.LowDist, m.DistApo.HighDist),
        Num(m.Eccentr, 4),
        NumToGMS(m.InclOrb),
        NumToGMS(m.InclEqu),
        Num(m.Albedo * 0.01, 2),
        Num(m.SidRevPer, 6),
        Num(m.SinRevPer, 6),
        Num(m.Magn, 2),
        Num(m.AngDiam, 2),
        Num(m.OrbVel * 0.01, 2),
    };
    t.physical = {
        Num(m.SidRot, 6),
        Num(m.Radius, 2),
        Num(m.Mass, 4, true),
        Num(m.Dens * 0.01, 2),
        Format("%d -- %d", m.LowTemp, m.HighTemp),
        Format("%d", m.GravAccel),
        Num(m.EscVel, 4),
    };
    return t;
}
} // namespace database
