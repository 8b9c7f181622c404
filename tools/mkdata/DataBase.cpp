#include "DataBase.h"

#include "RecordImage.h"
#include "database/DataBaseRecords.h"
#include "solar/SolarRecord.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <map>
#include <numbers>
#include <set>
#include <tuple>

namespace
{

constexpr int kEarth = 3;
constexpr int kMercury = 1;
constexpr int kMars = 4;
constexpr int kElementCount = 11;
constexpr int kAtmosphereParts = 4;
// Newtonian constant of gravitation in km^3 kg^-1 s^-2 (CODATA 2018).
constexpr double kGravitation = 6.67430e-20;
constexpr double kSecondsPerDay = 86400.0;

const char* const kPlanetNames[kPlanetCount] = {"Mercury", "Venus",  "Earth",   "Mars", "Jupiter",
                                                "Saturn",  "Uranus", "Neptune", "Pluto"};

// The layer combinations the cards accept, with the row names they give them.
struct LayerCombination
{
    uint8_t Flags;
    std::vector<std::string> Rows;
};

const std::vector<LayerCombination>& LayerCombinations()
{
    static const std::vector<LayerCombination> combinations = {
        {LayerCore | LayerMantle | LayerCrust, {"Core", "Mantle", "Crust"}},
        {LayerCore | LayerMantle | LayerAtmosphere, {"Core", "Mantle", "Atmosphere"}},
        {LayerCore | LayerInnerMantle | LayerOuterMantle | LayerCrust,
         {"Core", "Inner Mantle", "Outer Mantle", "Crust"}},
        {LayerCore | LayerInnerMantle | LayerOuterMantle | LayerAtmosphere,
         {"Core", "Inner Mantle", "Outer Mantle", "Atmosphere"}},
        {LayerInnerCore | LayerOuterCore | LayerMantle | LayerCrust,
         {"Inner Core", "Outer Core", "Mantle", "Crust"}},
        {LayerInnerCore | LayerOuterCore | LayerMantle | LayerAtmosphere,
         {"Inner Core", "Outer Core", "Mantle", "Atmosphere"}},
    };
    return combinations;
}

const LayerCombination* FindCombination(uint8_t flags)
{
    for (const LayerCombination& c : LayerCombinations())
    {
        if (c.Flags == flags)
            return &c;
    }
    return nullptr;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true)
    {
        const size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

bool ParseNumber(const std::string& text, double& value)
{
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size() &&
           std::isfinite(value);
}

// Splits "a-b" at the hyphen between two numbers (not the sign of an exponent or of the first
// number); false when there is no such hyphen.
bool SplitRange(const std::string& text, std::string& low, std::string& high)
{
    for (size_t i = 1; i < text.size(); ++i)
    {
        if (text[i] == '-' && text[i - 1] != 'e' && text[i - 1] != 'E')
        {
            low = text.substr(0, i);
            high = text.substr(i + 1);
            return true;
        }
    }
    return false;
}

// The single-precision value of `value`, infinite beyond the float range (where a plain
// conversion is undefined); the checks of the images refuse infinite values.
float ToFloat(double value)
{
    if (value > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    if (value < -std::numeric_limits<float>::max())
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

std::string Shown(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// Printable 7-bit text: the records hold the platform's 8-bit set, and the tables are UTF-8.
bool IsPlainText(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

// Rounds `value` x `scale` to an integer of range [low, high]; false when out of range. (Only
// one-byte fields of a packed record may be passed directly: a reference to a wider field may
// be misaligned.)
template <typename Int> bool Scaled(double value, double scale, int low, int high, Int& out)
{
    const double scaled = std::round(value * scale);
    if (!(scaled >= low && scaled <= high))
        return false;
    out = static_cast<Int>(scaled);
    return true;
}

// Access to the "field,value,source" tables of the Sun and the Moon.
class FieldTable
{
public:
    FieldTable(const CsvTable& table, std::string& error) : error_(error)
    {
        const int field = table.FindColumn("field"), value = table.FindColumn("value");
        if (field < 0 || value < 0 || table.FindColumn("source") < 0)
        {
            Fail("needs the columns field, value and source");
            return;
        }
        for (const auto& row : table.Rows)
        {
            if (!values_.emplace(row[static_cast<size_t>(field)], row[static_cast<size_t>(value)])
                     .second)
                Fail("field " + row[static_cast<size_t>(field)] + " given twice");
        }
    }

    bool Ok() const { return ok_; }

    std::string Text(const std::string& name)
    {
        const auto it = values_.find(name);
        if (it == values_.end())
        {
            Fail("missing field " + name);
            return {};
        }
        used_.insert(name);
        return it->second;
    }

    // A number in [low, high].
    double Number(const std::string& name, double low, double high)
    {
        const std::string text = Text(name);
        double value = 0;
        if (ok_ && (!ParseNumber(text, value) || value < low || value > high))
            Fail("field " + name + ": '" + text + "' is not a number in [" + Shown(low) + ", " +
                 Shown(high) + "]");
        return value;
    }

    // Fails on a field that no code asked for: a misspelt name would otherwise be ignored.
    void CheckAllUsed()
    {
        for (const auto& [name, value] : values_)
        {
            if (!used_.contains(name))
                Fail("unknown field " + name);
        }
    }

    void Fail(const std::string& what)
    {
        if (ok_)
            error_ = what;
        ok_ = false;
    }

private:
    std::string& error_;
    std::map<std::string, std::string> values_;
    std::set<std::string> used_;
    bool ok_ = true;
};

// Reads the layer names of a "core+mantle+crust" text into flags.
bool ParseLayers(const std::string& text, uint8_t& flags)
{
    static const std::map<std::string, uint8_t> names = {
        {"core", LayerCore},
        {"innercore", LayerInnerCore},
        {"outercore", LayerOuterCore},
        {"mantle", LayerMantle},
        {"innermantle", LayerInnerMantle},
        {"outermantle", LayerOuterMantle},
        {"crust", LayerCrust},
        {"atmosphere", LayerAtmosphere},
    };
    flags = 0;
    for (const std::string& name : Split(text, '+'))
    {
        const auto it = names.find(name);
        if (it == names.end() || (flags & it->second) != 0)
            return false;
        flags |= it->second;
    }
    return FindCombination(flags) != nullptr;
}

// Fills the structure rows of `body` from structure.csv; the rows must be the combination's,
// in order, with the names the cards give them, and their thicknesses must add up to `radius`
// within 10 % (unknown thicknesses count as nothing).
bool FillStructure(const CsvTable& table, const std::string& body, uint8_t flags, double radius,
                   PlanetStructure (&rows)[4], std::string& error)
{
    const LayerCombination* combination = FindCombination(flags);
    RowReader r(table, error);
    const int bodyColumn = r.Column("body"), rowColumn = r.Column("row"), layer = r.Column("layer"),
              lower = r.Column("lower_km"), upper = r.Column("upper_km"),
              composition = r.Column("composition");
    r.Column("source");
    if (!r.Ok() || combination == nullptr)
        return false;
    std::memset(rows, 0, sizeof rows);
    size_t found = 0;
    double lowSum = 0, highSum = 0;
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        if (r.Text(i, bodyColumn) != body)
            continue;
        const int k = r.Integer(i, rowColumn);
        if (!r.Ok())
            return false;
        if (k != static_cast<int>(found) || found >= combination->Rows.size())
        {
            r.Fail(i, rowColumn,
                   "rows of " + body + " must be numbered 0.." +
                       std::to_string(combination->Rows.size() - 1) + " in order");
            return false;
        }
        if (r.Text(i, layer) != combination->Rows[found])
        {
            r.Fail(i, layer,
                   "the layer flags of " + body + " name this row " + combination->Rows[found]);
            return false;
        }
        const int low = r.Integer(i, lower), high = r.Integer(i, upper);
        if (!r.Ok())
            return false;
        if (low < 0 || low > 65535 || high < 0 || high > 65535 || (high != 0 && high <= low) ||
            (low == 0 && high != 0))
        {
            r.Fail(i, lower, "thickness must be 0 (unknown), a value, or a rising range in km");
            return false;
        }
        const std::string text = r.Text(i, composition);
        PlanetStructure& row = rows[found];
        if (!IsPlainText(text) || text.empty() ||
            !CopyText(row.Composition, sizeof row.Composition, text))
        {
            r.Fail(i, composition, "composition must be 1..34 plain characters");
            return false;
        }
        row.LowerWidth = static_cast<uint16_t>(low);
        row.UpperWidth = static_cast<uint16_t>(high);
        lowSum += low;
        highSum += std::max(low, high);
        ++found;
    }
    if (found != combination->Rows.size())
    {
        error = body + " has " + std::to_string(found) + " structure rows, its layers need " +
                std::to_string(combination->Rows.size());
        return false;
    }
    if (lowSum > radius * 1.1 || highSum < radius * 0.9)
    {
        error = "the layers of " + body + " (" + Shown(lowSum) + " to " + Shown(highSum) +
                " km) do not add up to its radius of " + Shown(radius) + " km";
        return false;
    }
    return true;
}

// The parts the planet card's atmosphere chart makes of the constituents: a share above 1 %
// stands alone, smaller ones are pooled while the pool is at most 1 %.
int ChartParts(const std::vector<double>& ratios)
{
    std::vector<double> parts;
    for (const double ratio : ratios)
    {
        if (ratio < 0)
            continue;
        if (ratio > 1.0 || parts.empty() || parts.back() > 1.0)
            parts.push_back(ratio);
        else
            parts.back() += ratio;
    }
    return static_cast<int>(parts.size());
}

// Fills the atmosphere of a planet from "CO2:96.5;N2:3.5" ('?' for an unknown share) and the
// free text of further constituents (empty for none).
bool FillAtmosphere(const std::string& list, const std::string& other, int planet, PlanetDB& record,
                    std::string& what)
{
    for (ChemicElement& e : record.AtmComp.Element)
    {
        std::memset(e.Name, 0, sizeof e.Name);
        e.Name[0] = '-';
        e.Ratio = -1.0f;
    }
    std::vector<double> ratios;
    if (!list.empty())
    {
        const std::vector<std::string> entries = Split(list, ';');
        if (entries.size() > std::size(record.AtmComp.Element))
        {
            what = "more than nine constituents";
            return false;
        }
        for (size_t k = 0; k < entries.size(); ++k)
        {
            const std::vector<std::string> pair = Split(entries[k], ':');
            ChemicElement& e = record.AtmComp.Element[k];
            double ratio = -1.0;
            if (pair.size() != 2 || pair[0].empty() || pair[0][0] == '-' || !IsPlainText(pair[0]) ||
                !CopyText(e.Name, sizeof e.Name, pair[0]) ||
                (pair[1] != "?" && (!ParseNumber(pair[1], ratio) || ratio <= 0 || ratio > 100)))
            {
                what = "bad constituent '" + entries[k] +
                       "' (a name of 1..3 characters, a colon, a share in (0, 100] % or ?)";
                return false;
            }
            // The card prints shares with six decimals for Mars and two for the others.
            const double smallest = planet == kMars ? 0.5e-6 : 0.005;
            if (ratio > 0 && ratio < smallest)
            {
                what = "the share of " + pair[0] +
                       " would print as 0 %; name it in atmosphere_other instead";
                return false;
            }
            if (ratio > 0)
            {
                for (const double before : ratios)
                {
                    if (before >= 0 && before < ratio)
                    {
                        what = "constituents must come largest share first";
                        return false;
                    }
                }
            }
            e.Ratio = ToFloat(ratio);
            ratios.push_back(ratio);
        }
    }
    double total = 0;
    for (const double ratio : ratios)
        total += std::max(ratio, 0.0);
    if (total > 101.0)
    {
        what = "the shares add up to more than 100 %";
        return false;
    }
    // Mercury's card shows no chart.
    if (planet != kMercury && ChartParts(ratios) > kAtmosphereParts)
    {
        what = "the constituents make more than four parts of the atmosphere chart";
        return false;
    }
    const std::string otherText = other.empty() ? "-" : other;
    if (!IsPlainText(otherText) ||
        !CopyText(record.AtmComp.Other, sizeof record.AtmComp.Other, otherText))
    {
        what = "further constituents must be at most 16 plain characters";
        return false;
    }
    return true;
}

std::map<int, int> CountByPlanet(const CsvTable& table)
{
    std::map<int, int> counts;
    const int planet = table.FindColumn("planet");
    if (planet < 0)
        return counts;
    for (const auto& row : table.Rows)
    {
        int number = 0;
        const std::string& text = row[static_cast<size_t>(planet)];
        std::from_chars(text.data(), text.data() + text.size(), number);
        ++counts[number];
    }
    return counts;
}

bool BuildPlanets(const DataBaseTables& t, std::vector<uint8_t>& image, std::string& error)
{
    const CsvTable& table = t.Planets;
    RowReader r(table, error);
    const int number = r.Column("number"), name = r.Column("name"), axis = r.Column("semimajor_au"),
              ecc = r.Column("eccentricity"), incl = r.Column("inclination_deg"),
              sidereal = r.Column("sidereal_period_d"), synodic = r.Column("synodic_period_d"),
              diameter = r.Column("max_angular_diameter_arcsec"),
              albedo = r.Column("geometric_albedo"), magnitude = r.Column("max_magnitude"),
              velocity = r.Column("mean_orbital_velocity_kms"),
              rotation = r.Column("sidereal_rotation_h"), day = r.Column("solar_day_h"),
              obliquity = r.Column("obliquity_deg"), equatorial = r.Column("equatorial_radius_km"),
              polar = r.Column("polar_radius_km"), uncertainty = r.Column("radius_uncertainty_km"),
              mass = r.Column("mass_kg"), density = r.Column("density_gcm3"),
              tempKind = r.Column("temperature_kind"), tempLow = r.Column("temperature_low_k"),
              tempHigh = r.Column("temperature_high_k"),
              tempUnc = r.Column("temperature_uncertainty_k"), gravity = r.Column("gravity_ms2"),
              escape = r.Column("escape_velocity_kms"), satellites = r.Column("satellites"),
              rings = r.Column("rings"), knownMoons = r.Column("known_moons"),
              pressure = r.Column("surface_pressure_bar"), atmosphere = r.Column("atmosphere"),
              other = r.Column("atmosphere_other"), layers = r.Column("layers");
    r.Column("source");
    if (!r.Ok())
        return false;
    if (table.Rows.size() != static_cast<size_t>(kPlanetCount))
    {
        error = "expected 9 planets, found " + std::to_string(table.Rows.size());
        return false;
    }
    const std::map<int, int> satelliteRows = CountByPlanet(t.Satellites);
    const std::map<int, int> ringRows = CountByPlanet(t.Rings);
    auto rowsOf = [](const std::map<int, int>& counts, int planet)
    {
        const auto it = counts.find(planet);
        return it == counts.end() ? 0 : it->second;
    };

    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        PlanetDB p{};
        const int n = r.Integer(i, number);
        if (r.Ok() && n != static_cast<int>(i) + 1)
            r.Fail(i, number, "planets must be numbered 1..9 in file order");
        p.PlanetNumber = static_cast<uint8_t>(n);
        if (r.Ok() && (r.Text(i, name) != kPlanetNames[i] ||
                       !CopyText(p.PlanetName, sizeof p.PlanetName, r.Text(i, name))))
            r.Fail(i, name, std::string("expected ") + kPlanetNames[i]);

        p.SemimajorAxis = r.Number(i, axis);
        p.Eccentr = ToFloat(r.Number(i, ecc));
        p.InclOrbToEcl = ToFloat(r.Number(i, incl));
        p.RevPeriod.Sideral = ToFloat(r.Number(i, sidereal));
        p.RevPeriod.Sinodic = ToFloat(r.OptionalNumber(i, synodic).value_or(-1.0));
        const auto arcsec = r.OptionalNumber(i, diameter);
        p.AngularDiam = arcsec ? ToFloat(*arcsec / 60.0) : -1.0f;
        if (r.Ok() && !Scaled(r.Number(i, albedo), 100.0, 1, 253, p.Albedo))
            r.Fail(i, albedo, "albedo must round to 0.01..2.53");
        p.Magnitude = ToFloat(r.OptionalNumber(i, magnitude).value_or(9999.0));
        p.MeanOrbVel = ToFloat(r.Number(i, velocity));
        p.RotPeriod.Sideral = r.Number(i, rotation) / 24.0;
        p.RotPeriod.Sinodic = ToFloat(r.Number(i, day) / 24.0);
        p.InclEquatorToOrb = ToFloat(r.Number(i, obliquity));
        p.Radius.Equatorial = ToFloat(r.Number(i, equatorial));
        const auto polarRadius = r.OptionalNumber(i, polar);
        const auto radiusUnc = r.OptionalNumber(i, uncertainty);
        if (r.Ok() && (polarRadius.has_value() == radiusUnc.has_value() ||
                       (polarRadius && *polarRadius <= 0) || (radiusUnc && *radiusUnc <= 0)))
            r.Fail(i, polar, "give either a polar radius or the uncertainty of the equatorial one");
        p.Radius.Polar = ToFloat(polarRadius ? *polarRadius : -radiusUnc.value_or(0.0));
        p.Mass = ToFloat(r.Number(i, mass));
        p.Density = ToFloat(r.Number(i, density));

        const std::string kind = r.Text(i, tempKind);
        const double low = r.Number(i, tempLow);
        const auto high = r.OptionalNumber(i, tempHigh);
        const auto spread = r.OptionalNumber(i, tempUnc);
        if (r.Ok() && ((kind != "surface" && kind != "cloud") || low <= 0 ||
                       high.has_value() == spread.has_value() || (high && *high <= low) ||
                       (spread && *spread <= 0)))
            r.Fail(i, tempKind,
                   "temperature: kind surface or cloud, a low value and either a higher upper "
                   "end or an uncertainty");
        p.Temper.LowTemp = ToFloat(kind == "cloud" ? -low : low);
        p.Temper.HighTemp = ToFloat(high ? *high : -spread.value_or(0.0));
        uint16_t gravityCm = 0;
        if (r.Ok() && !Scaled(r.Number(i, gravity), 100.0, 1, 65535, gravityCm))
            r.Fail(i, gravity, "gravity out of range");
        p.GravAccel = gravityCm;
        p.EscapeVel = ToFloat(r.Number(i, escape));

        const int satelliteCount = r.Integer(i, satellites);
        const int expectedSatellites = n == kEarth ? 1 : rowsOf(satelliteRows, n);
        if (r.Ok() && (satelliteCount != expectedSatellites || rowsOf(satelliteRows, kEarth) != 0))
            r.Fail(i, satellites,
                   "satellites.csv holds " + std::to_string(rowsOf(satelliteRows, n)) +
                       " rows for this planet (the Earth none: its 1 stands for the Moon)");
        p.Satellites = static_cast<uint8_t>(satelliteCount);
        const int ringCount = r.Integer(i, rings);
        if (r.Ok() && ringCount != rowsOf(ringRows, n))
            r.Fail(i, rings,
                   "rings.csv holds " + std::to_string(rowsOf(ringRows, n)) +
                       " rows for this planet");
        p.Rings = static_cast<uint8_t>(ringCount);
        // The moons known today outnumber those described for the giants; they can never be
        // fewer, and the Earth has the Moon alone.
        const int known = r.Integer(i, knownMoons);
        if (r.Ok() && (known < expectedSatellites || (n == kEarth && known != 1)))
            r.Fail(i, knownMoons,
                   "known moons must be at least the " + std::to_string(expectedSatellites) +
                       " described (the Earth: exactly 1)");
        const auto bars = r.OptionalNumber(i, pressure);
        if (r.Ok() && bars && *bars <= 0)
            r.Fail(i, pressure, "a known pressure must be positive (the card prints its exponent)");
        p.SurfAtmPressure = ToFloat(bars.value_or(-1.0));
        if (!r.Ok())
            return false;

        std::string what;
        if (!FillAtmosphere(r.Text(i, atmosphere), r.Text(i, other), n, p, what))
        {
            r.Fail(i, atmosphere, what);
            return false;
        }
        if (!ParseLayers(r.Text(i, layers), p.Layer))
        {
            r.Fail(i, layers, "not one of the layer combinations the cards accept");
            return false;
        }
        for (const double value :
             {p.SemimajorAxis, double(p.RevPeriod.Sideral), double(p.MeanOrbVel),
              double(p.Radius.Equatorial), double(p.Mass), double(p.Density), double(p.EscapeVel)})
        {
            if (!(value > 0))
            {
                r.Fail(i, axis,
                       "orbit, period, velocities, radius, mass and density must be "
                       "positive");
                return false;
            }
        }
        if (!(p.Eccentr >= 0 && p.Eccentr < 1) ||
            (p.RevPeriod.Sinodic != -1 && !(p.RevPeriod.Sinodic > 0)))
        {
            r.Fail(i, ecc, "eccentricity in [0, 1) and a positive synodic period");
            return false;
        }
        if (!FillStructure(t.Structure, kPlanetNames[i], p.Layer, p.Radius.Equatorial, p.Structure,
                           error))
        {
            error = "structure.csv: " + error;
            return false;
        }
        AppendRecord(image, p);
    }
    return true;
}

bool BuildSun(const DataBaseTables& t, std::vector<uint8_t>& image, std::string& error)
{
    SunDB s{};
    {
        FieldTable f(t.Sun, error);
        s.RotPerMin = static_cast<uint8_t>(f.Number("rotation_min_d", 1, 255));
        s.RotPerMax = static_cast<uint8_t>(f.Number("rotation_max_d", s.RotPerMin, 255));
        s.Mass = ToFloat(f.Number("mass_kg", 1e29, 1e31));
        s.Dens = ToFloat(f.Number("density_gcm3", 0.1, 10));
        s.Radius = ToFloat(f.Number("radius_km", 1e5, 1e7));
        s.Temp = static_cast<uint16_t>(f.Number("temperature_k", 1000, 65535));
        s.VisMagn = ToFloat(f.Number("visual_magnitude", -30, 0));
        s.AbsMagn = ToFloat(f.Number("absolute_magnitude", 0, 10));
        s.EscVel = ToFloat(f.Number("escape_velocity_kms", 1, 10000));
        s.Lum = ToFloat(f.Number("luminosity_ergs", 1e30, 1e36));
        const std::string spectral = f.Text("spectral_type");
        if (f.Ok() && (!IsPlainText(spectral) || spectral.empty() ||
                       !CopyText(s.Spectr, sizeof s.Spectr, spectral)))
            f.Fail("spectral_type must be 1..4 plain characters");
        if (f.Ok() && !Scaled(f.Number("age_gyr", 0.1, 25.5), 10.0, 1, 255, s.Age))
            f.Fail("age_gyr out of range");
        f.CheckAllUsed();
        if (!f.Ok())
        {
            error = "sun.csv: " + error;
            return false;
        }
    }
    const CsvTable& table = t.SunElements;
    RowReader r(table, error);
    const int element = r.Column("element"), share = r.Column("mass_percent");
    r.Column("source");
    if (r.Ok() && table.Rows.size() != static_cast<size_t>(kElementCount))
        error =
            "sun_elements.csv: expected 11 elements, found " + std::to_string(table.Rows.size());
    if (!r.Ok() || table.Rows.size() != static_cast<size_t>(kElementCount))
        return false;
    double total = 0;
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        SunElements& e = s.Elements[i];
        const std::string text = r.Text(i, element);
        if (!IsPlainText(text) || text.empty() || !CopyText(e.Name, sizeof e.Name, text))
            r.Fail(i, element, "names must be 1..9 plain characters");
        const double ratio = r.Number(i, share);
        if (r.Ok() && (ratio <= 0 || (i > 0 && ratio > s.Elements[i - 1].Ratio)))
            r.Fail(i, share, "shares must be positive, largest first");
        e.Ratio = ToFloat(ratio);
        total += ratio;
        if (!r.Ok())
        {
            error = "sun_elements.csv: " + error;
            return false;
        }
    }
    if (total > 100.0)
    {
        error = "sun_elements.csv: shares add up to more than 100 %";
        return false;
    }
    AppendRecord(image, s);
    return true;
}

bool BuildMoon(const DataBaseTables& t, std::vector<uint8_t>& image, std::string& error)
{
    MoonDB m{};
    FieldTable f(t.Moon, error);
    m.DistPer.LowDist = static_cast<uint32_t>(f.Number("perigee_min_km", 1e5, 1e6));
    m.DistPer.HighDist = static_cast<uint32_t>(f.Number("perigee_max_km", m.DistPer.LowDist, 1e6));
    m.DistApo.LowDist = static_cast<uint32_t>(f.Number("apogee_min_km", m.DistPer.HighDist, 1e6));
    m.DistApo.HighDist = static_cast<uint32_t>(f.Number("apogee_max_km", m.DistApo.LowDist, 1e6));
    m.Eccentr = ToFloat(f.Number("eccentricity", 0, 0.99));
    m.InclOrb = f.Number("inclination_ecliptic_deg", 0, 90);
    m.InclEqu = f.Number("inclination_equator_deg", 0, 90);
    // The satellite scan reads the first 128 bytes of the Moon record as a satellite block;
    // its byte 43, the top byte of this double, is 64 for any period of 2 to 1e100 days, so
    // it never equals a planet number.
    m.SidRevPer = f.Number("sidereal_period_d", 2, 1000);
    m.SinRevPer = f.Number("synodic_period_d", 2, 1000);
    if (f.Ok() && !Scaled(f.Number("geometric_albedo", 0.01, 1), 100.0, 1, 100, m.Albedo))
        f.Fail("geometric_albedo out of range");
    m.Magn = ToFloat(f.Number("magnitude", -20, 0));
    if (f.Ok() && !Scaled(f.Number("angular_diameter_arcmin", 1, 255), 1.0, 1, 255, m.AngDiam))
        f.Fail("angular_diameter_arcmin out of range");
    m.SidRot = f.Number("sidereal_rotation_d", 1, 1000);
    m.Radius = ToFloat(f.Number("radius_km", 100, 1e5));
    m.Mass = ToFloat(f.Number("mass_kg", 1e18, 1e26));
    uint16_t density = 0;
    if (f.Ok() && !Scaled(f.Number("density_gcm3", 0.01, 20), 100.0, 1, 65535, density))
        f.Fail("density_gcm3 out of range");
    m.Dens = density;
    m.LowTemp = static_cast<uint8_t>(f.Number("temperature_min_k", 1, 255));
    m.HighTemp = static_cast<uint16_t>(f.Number("temperature_max_k", m.LowTemp, 65535));
    if (f.Ok() && !Scaled(f.Number("gravity_ms2", 0.01, 2.55), 100.0, 1, 255, m.GravAccel))
        f.Fail("gravity_ms2 out of range");
    m.EscVel = ToFloat(f.Number("escape_velocity_kms", 0.01, 100));
    if (f.Ok() && !Scaled(f.Number("orbital_velocity_kms", 0.01, 2.55), 100.0, 1, 255, m.OrbVel))
        f.Fail("orbital_velocity_kms out of range");
    if (f.Ok() && !ParseLayers(f.Text("layers"), m.Layers))
        f.Fail("layers: not one of the layer combinations the cards accept");
    f.CheckAllUsed();
    if (!f.Ok())
    {
        error = "moon.csv: " + error;
        return false;
    }
    if (!FillStructure(t.Structure, "Moon", m.Layers, m.Radius, m.Structure, error))
    {
        error = "structure.csv: " + error;
        return false;
    }
    AppendRecord(image, m);
    return true;
}

bool BuildSatellites(const CsvTable& table, std::vector<uint8_t>& image, DataBaseReport& report,
                     std::string& error)
{
    RowReader r(table, error);
    const int planet = r.Column("planet"), number = r.Column("number"), name = r.Column("name"),
              code = r.Column("designation"), discoverer = r.Column("discoverer"),
              year = r.Column("year"), axis = r.Column("semimajor_km"),
              ecc = r.Column("eccentricity"), incl = r.Column("inclination_deg"),
              period = r.Column("period_d"), rotation = r.Column("rotation_d"),
              albedo = r.Column("geometric_albedo"), magnitude = r.Column("magnitude"),
              sizeA = r.Column("radius_a_km"), sizeB = r.Column("radius_b_km"),
              sizeC = r.Column("radius_c_km"), mass = r.Column("mass_kg"),
              density = r.Column("density_gcm3");
    r.Column("source");
    if (!r.Ok())
        return false;
    std::set<std::pair<int, int>> numbers;
    std::map<int, double> lastDistance;
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        SatelliteDB s{};
        const int p = r.Integer(i, planet);
        if (r.Ok() && (p < 1 || p > kPlanetCount || p == kEarth))
            r.Fail(i, planet, "planet 1..9; the Earth's Moon has a record of its own");
        const int k = r.Integer(i, number);
        if (r.Ok() && (k < 1 || k > 255 || !numbers.emplace(p, k).second))
            r.Fail(i, number, "numbers 1..255, each once per planet");
        s.SatelNum = static_cast<uint8_t>(k);
        s.PlanetNumber = static_cast<uint8_t>(p);
        for (const auto& [column, field, width] :
             {std::tuple{name, s.SatelName, sizeof s.SatelName},
              std::tuple{code, s.SatelCode, sizeof s.SatelCode},
              std::tuple{discoverer, s.Discoverer, sizeof s.Discoverer}})
        {
            const std::string text = r.Text(i, column);
            if (r.Ok() && (text.empty() || !IsPlainText(text) || !CopyText(field, width, text)))
                r.Fail(i, column, "needs 1.." + std::to_string(width - 1) + " plain characters");
        }
        const int discovered = r.Integer(i, year);
        if (r.Ok() && (discovered < 1600 || discovered > 2100))
            r.Fail(i, year, "year out of range");
        s.DiscoveryYear = static_cast<uint16_t>(discovered);
        const double a = r.Number(i, axis);
        if (r.Ok() && (!(a >= 1 && a <= 4e9) || a < lastDistance[p]))
            r.Fail(i, axis,
                   "distance must fit its field, and a planet's satellites come nearest "
                   "first");
        lastDistance[p] = a;
        s.Distance = static_cast<uint32_t>(std::lround(a));
        const double e = r.Number(i, ecc), inclination = r.Number(i, incl);
        const double days = r.Number(i, period);
        if (r.Ok() &&
            (!(e >= 0 && e < 1) || !(inclination >= 0 && inclination <= 180) || !(days > 0)))
            r.Fail(i, ecc, "eccentricity in [0, 1), inclination in [0, 180], positive period");
        s.Eccentr = ToFloat(e);
        s.InclOrb = ToFloat(inclination);
        s.RevPeriod = ToFloat(days);

        const std::string spin = r.Text(i, rotation);
        double spinDays = -1.0;
        if (spin == "sync")
            spinDays = days;
        else if (spin == "chaotic")
            spinDays = -2.0;
        else if (!spin.empty() && (!ParseNumber(spin, spinDays) || spinDays <= 0))
            r.Fail(i, rotation, "rotation: days, sync, chaotic or empty (unknown)");
        s.RotPeriod = ToFloat(spinDays);

        const auto geometric = r.OptionalNumber(i, albedo);
        s.Albedo = 0;
        if (r.Ok() && geometric && !Scaled(*geometric, 100.0, 1, 253, s.Albedo))
            r.Fail(i, albedo, "albedo must round to 0.01..2.53 (empty when unknown)");
        s.Magnitude = ToFloat(r.OptionalNumber(i, magnitude).value_or(9999.0));
        s.MeanOrbVel = ToFloat(2.0 * std::numbers::pi * a / (days * kSecondsPerDay));

        const double ra = r.Number(i, sizeA);
        const std::string bText = r.Text(i, sizeB);
        const auto rc = r.OptionalNumber(i, sizeC);
        double rb = -1.0;
        if (bText == "?")
            rb = -2.0;
        else if (!bText.empty() && (!ParseNumber(bText, rb) || rb <= 0))
            r.Fail(i, sizeB, "second axis: km, ? (unknown) or empty (a single radius)");
        if (r.Ok() &&
            (!(ra > 0) || (rc && !(*rc > 0)) || (bText.empty() && rc) || (bText == "?" && !rc)))
            r.Fail(i, sizeC,
                   "a positive radius; a third axis only after a second one ('?' "
                   "needs the third)");
        s.Radius.Size1 = ToFloat(ra);
        s.Radius.Size2 = ToFloat(rb);
        s.Radius.Size3 = ToFloat(rc.value_or(-1.0));

        const auto kg = r.OptionalNumber(i, mass);
        const auto gcm3 = r.OptionalNumber(i, density);
        if (r.Ok() && ((kg && !(*kg > 0)) || (gcm3 && !(*gcm3 > 0)) || (gcm3 && !kg)))
            r.Fail(i, mass,
                   "mass and density positive or empty (unknown); no density without "
                   "a mass");
        s.Mass = ToFloat(kg.value_or(-1.0));
        s.Density = ToFloat(gcm3.value_or(-1.0));
        s.EscapeVel = -1.0f;
        if (kg)
        {
            // Escape velocity from the surface of the sphere of the body's volume.
            const double meanRadius =
                rb > 0 && rc ? std::cbrt(ra * rb * *rc) : (rb > 0 ? std::sqrt(ra * rb) : ra);
            s.EscapeVel = ToFloat(std::sqrt(2.0 * kGravitation * *kg / meanRadius));
        }
        if (!r.Ok())
        {
            error = "satellites.csv: " + error;
            return false;
        }
        ++report.Satellites[static_cast<size_t>(p)];
        AppendRecord(image, s);
    }
    return true;
}

// Reads a width text "N", "A-B" or "<B" (km).
bool ParseWidth(const std::string& text, uint32_t& low, uint32_t& high)
{
    std::string a, b;
    double x = 0, y = 0;
    if (text.size() > 1 && text[0] == '<' && ParseNumber(text.substr(1), y) && y >= 1)
    {
        low = 99999;
        high = static_cast<uint32_t>(std::lround(y));
        return true;
    }
    if (SplitRange(text, a, b) && ParseNumber(a, x) && ParseNumber(b, y) && x >= 1 && y > x &&
        y < 4e9)
    {
        low = static_cast<uint32_t>(std::lround(x));
        high = static_cast<uint32_t>(std::lround(y));
        return low != 99999;
    }
    if (ParseNumber(text, x) && x >= 1 && x < 4e9)
    {
        low = static_cast<uint32_t>(std::lround(x));
        high = 0;
        return low != 99999;
    }
    return false;
}

// Reads a thickness or mass text: empty (unknown: 0), "none" (-1), "N", and for thicknesses
// also "<B" (-2 and the bound) and "A-B". A mass is one value: the ring card would print the low
// end of a mass range in fixed-point digits ("10000000.0 -- 1 E+9").
bool ParseAmount(const std::string& text, bool isThickness, float& low, float& high)
{
    std::string a, b;
    double x = 0, y = 0;
    high = 0.0f;
    if (text.empty())
        low = 0.0f;
    else if (text == "none")
        low = -1.0f;
    else if (isThickness && text.size() > 1 && text[0] == '<' && ParseNumber(text.substr(1), y) &&
             y > 0)
    {
        low = -2.0f;
        high = ToFloat(y);
    }
    else if (isThickness && SplitRange(text, a, b) && ParseNumber(a, x) && ParseNumber(b, y) &&
             x > 0 && y > x)
    {
        low = ToFloat(x);
        high = ToFloat(y);
    }
    else if (ParseNumber(text, x) && x > 0)
        low = ToFloat(x);
    else
        return false;
    return true;
}

bool BuildRings(const CsvTable& table, std::vector<uint8_t>& image, DataBaseReport& report,
                std::string& error)
{
    RowReader r(table, error);
    const int planet = r.Column("planet"), type = r.Column("type"), name = r.Column("name"),
              distance = r.Column("distance_km"), width = r.Column("width_km"),
              thickness = r.Column("thickness_km"), mass = r.Column("mass_kg"),
              albedo = r.Column("albedo");
    r.Column("source");
    if (!r.Ok())
        return false;
    std::map<int, double> lastDistance;
    for (size_t i = 0; i < table.Rows.size(); ++i)
    {
        RingDB g{};
        const int p = r.Integer(i, planet);
        if (r.Ok() && (p < 1 || p > kPlanetCount))
            r.Fail(i, planet, "planet 1..9");
        g.PlanetNumber = static_cast<uint8_t>(p);
        const std::string kind = r.Text(i, type);
        if (kind == "ring")
            g.Type = 0;
        else if (kind == "gap")
            g.Type = 1;
        else if (kind == "division")
            g.Type = 2;
        else
            r.Fail(i, type, "type must be ring, gap or division");
        const std::string text = r.Text(i, name);
        if (r.Ok() &&
            (text.empty() || !IsPlainText(text) || !CopyText(g.Name, sizeof g.Name, text)))
            r.Fail(i, name, "needs 1..8 plain characters");
        const double d = r.Number(i, distance);
        if (r.Ok() && (!(d >= 1 && d <= 4e9) || d < lastDistance[p]))
            r.Fail(i, distance,
                   "distance must fit its field, and a planet's rings come nearest "
                   "first");
        lastDistance[p] = d;
        g.Distance = static_cast<uint32_t>(std::lround(d));
        // Parsed into locals: references to the packed record's fields may be misaligned.
        uint32_t lowWidth = 0, highWidth = 0;
        float lowThickness = 0, highThickness = 0, lowMass = 0, highMass = 0;
        if (r.Ok() && !ParseWidth(r.Text(i, width), lowWidth, highWidth))
            r.Fail(i, width, "width: km (not 99999), a rising range A-B or an upper bound <B");
        if (r.Ok() && !ParseAmount(r.Text(i, thickness), true, lowThickness, highThickness))
            r.Fail(i, thickness, "thickness: km, A-B, <B, none or empty (unknown)");
        if (r.Ok() && !ParseAmount(r.Text(i, mass), false, lowMass, highMass))
            r.Fail(i, mass, "mass: one value in kg, none or empty (unknown)");
        g.LowWidth = lowWidth;
        g.HighWidth = highWidth;
        g.LowThickness = lowThickness;
        g.HighThickness = highThickness;
        g.LowMass = lowMass;
        g.HighMass = highMass;
        const std::string reflect = r.Text(i, albedo);
        double value = 0;
        if (reflect.empty())
            g.Albedo = 0;
        else if (reflect == "none")
            g.Albedo = 254;
        else if (reflect == "low")
            g.Albedo = 255;
        else if (!ParseNumber(reflect, value) || !Scaled(value, 100.0, 1, 253, g.Albedo))
            r.Fail(i, albedo, "albedo: a value rounding to 0.01..2.53, low, none or empty");
        if (!r.Ok())
        {
            error = "rings.csv: " + error;
            return false;
        }
        ++report.Rings[static_cast<size_t>(p)];
        AppendRecord(image, g);
    }
    return true;
}

bool IsFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool CheckStructureRows(const PlanetStructure (&rows)[4], uint8_t flags)
{
    const LayerCombination* combination = FindCombination(flags);
    if (combination == nullptr)
        return false;
    for (size_t k = 0; k < std::size(rows); ++k)
    {
        const bool used = k < combination->Rows.size();
        if (!IsPaddedText(rows[k].Composition, sizeof rows[k].Composition, !used))
            return false;
        if (rows[k].UpperWidth != 0 && rows[k].UpperWidth <= rows[k].LowerWidth)
            return false;
    }
    return true;
}

} // namespace

bool BuildDataBaseFiles(const DataBaseTables& tables, DataBaseImages& images,
                        DataBaseReport& report, std::string& error)
{
    images = DataBaseImages{};
    report = DataBaseReport{};
    if (!BuildPlanets(tables, images.Planets, error))
    {
        if (error.rfind("structure.csv", 0) != 0)
            error = "planets.csv: " + error;
        return false;
    }
    return BuildSun(tables, images.Planets, error) &&
           BuildSatellites(tables.Satellites, images.Satellites, report, error) &&
           BuildMoon(tables, images.Satellites, error) &&
           BuildRings(tables.Rings, images.Rings, report, error);
}

bool CheckDataBaseFiles(const DataBaseImages& images, std::string& error)
{
    if (images.Planets.size() != static_cast<size_t>(kPlanetsFileSize))
    {
        error = "Planets.dat holds " + std::to_string(images.Planets.size()) + " bytes, expected " +
                std::to_string(kPlanetsFileSize);
        return false;
    }
    std::vector<PlanetDB> planets;
    for (size_t i = 0; i < static_cast<size_t>(kPlanetCount); ++i)
    {
        const PlanetDB p = RecordAt<PlanetDB>(images.Planets, i);
        const std::string label = RecordLabel("planet", i);
        if (p.PlanetNumber != i + 1 || !IsPaddedText(p.PlanetName, sizeof p.PlanetName, false))
        {
            error = label + ": number or name";
            return false;
        }
        const double temperature = std::fabs(p.Temper.LowTemp);
        // Every quantity of the comparison charts and every exponent-form value is positive.
        if (!(p.SemimajorAxis > 0) || !(p.RevPeriod.Sideral > 0) || !(p.MeanOrbVel > 0) ||
            !(p.Mass > 0) || !(p.Density > 0) || !(temperature > 0) || p.GravAccel == 0 ||
            !(p.Radius.Equatorial > 0) || !(p.EscapeVel > 0) ||
            !(p.SurfAtmPressure == -1.0f || p.SurfAtmPressure > 0) ||
            !(p.Eccentr >= 0 && p.Eccentr < 1) ||
            !(p.RevPeriod.Sinodic == -1.0f || p.RevPeriod.Sinodic > 0) ||
            !(p.AngularDiam == -1.0f || p.AngularDiam > 0) || p.Albedo == 0 ||
            !IsFinite({p.SemimajorAxis, p.Eccentr, p.InclOrbToEcl, p.RevPeriod.Sideral,
                       p.RevPeriod.Sinodic, p.AngularDiam, p.Magnitude, p.MeanOrbVel,
                       p.RotPeriod.Sideral, p.RotPeriod.Sinodic, p.InclEquatorToOrb,
                       p.Radius.Equatorial, p.Radius.Polar, p.Mass, p.Density, p.Temper.LowTemp,
                       p.Temper.HighTemp, p.EscapeVel, p.SurfAtmPressure}) ||
            p.RotPeriod.Sideral == 0 ||
            (p.Temper.LowTemp > 0 && p.Temper.HighTemp > 0 &&
             p.Temper.HighTemp <= p.Temper.LowTemp))
        {
            error = label + ": a value out of range or an unknown sentinel";
            return false;
        }
        bool unused = false;
        for (const ChemicElement& e : p.AtmComp.Element)
        {
            const bool isUnused = e.Name[0] == '-';
            if ((unused && !isUnused) || !IsPaddedText(e.Name, sizeof e.Name, false) ||
                !(e.Ratio == -1.0f || (e.Ratio > 0 && e.Ratio <= 100)))
            {
                error = label + ": atmosphere constituents (unused entries must come last)";
                return false;
            }
            unused = isUnused;
        }
        if (!IsPaddedText(p.AtmComp.Other, sizeof p.AtmComp.Other, false) ||
            !CheckStructureRows(p.Structure, p.Layer))
        {
            error = label + ": further constituents or structure rows";
            return false;
        }
        planets.push_back(p);
    }
    const SunDB sun = RecordAt<SunDB>(images.Planets, 0, kPlanetsFileSize - sizeof(SunDB));
    if (!IsFinite(
            {sun.Mass, sun.Dens, sun.Radius, sun.VisMagn, sun.AbsMagn, sun.EscVel, sun.Lum}) ||
        !(sun.Mass > 0) || !(sun.Lum > 0) || !(sun.Dens > 0) || !(sun.Radius > 0) ||
        sun.RotPerMin == 0 || sun.RotPerMax < sun.RotPerMin || sun.Age == 0 ||
        !IsPaddedText(sun.Spectr, sizeof sun.Spectr, false))
    {
        error = "Sun record: a value out of range";
        return false;
    }
    for (const SunElements& e : sun.Elements)
    {
        if (!IsPaddedText(e.Name, sizeof e.Name, false) || !(e.Ratio > 0 && e.Ratio <= 100))
        {
            error = "Sun record: chemical elements";
            return false;
        }
    }

    const size_t satelliteBytes = images.Satellites.size();
    if (satelliteBytes < sizeof(MoonDB) || (satelliteBytes - sizeof(MoonDB)) % sizeof(SatelliteDB))
    {
        error =
            "Satellites.dat holds " + std::to_string(satelliteBytes) + " bytes, not 128 x N + 242";
        return false;
    }
    const size_t satelliteCount = (satelliteBytes - sizeof(MoonDB)) / sizeof(SatelliteDB);
    std::array<int, 10> satellitesOf{};
    for (size_t i = 0; i < satelliteCount; ++i)
    {
        const SatelliteDB s = RecordAt<SatelliteDB>(images.Satellites, i);
        const std::string label = RecordLabel("satellite", i);
        if (s.PlanetNumber < 1 || s.PlanetNumber > kPlanetCount || s.PlanetNumber == kEarth ||
            s.SatelNum == 0 || !IsPaddedText(s.SatelName, sizeof s.SatelName, false) ||
            !IsPaddedText(s.SatelCode, sizeof s.SatelCode, false) ||
            !IsPaddedText(s.Discoverer, sizeof s.Discoverer, false))
        {
            error = label + ": planet, number or texts";
            return false;
        }
        const float size2 = s.Radius.Size2, size3 = s.Radius.Size3;
        if (s.Distance == 0 || !(s.Eccentr >= 0 && s.Eccentr < 1) || !(s.RevPeriod > 0) ||
            !(s.RotPeriod == -1.0f || s.RotPeriod == -2.0f || s.RotPeriod > 0) ||
            !(s.MeanOrbVel > 0) || !(s.Radius.Size1 > 0) ||
            !(size2 == -1.0f || size2 == -2.0f || size2 > 0) || !(size3 == -1.0f || size3 > 0) ||
            (size2 == -2.0f && size3 == -1.0f) || !(s.Mass == -1.0f || s.Mass > 0) ||
            !(s.Density == -1.0f || s.Density > 0) || !(s.EscapeVel == -1.0f || s.EscapeVel > 0) ||
            !IsFinite({s.Eccentr, s.InclOrb, s.RevPeriod, s.RotPeriod, s.Magnitude, s.MeanOrbVel,
                       s.Radius.Size1, s.Radius.Size2, s.Radius.Size3, s.Mass, s.Density,
                       s.EscapeVel}))
        {
            error = label + ": a value out of range or an unknown sentinel";
            return false;
        }
        ++satellitesOf[s.PlanetNumber];
    }
    const size_t moonOffset = satelliteBytes - sizeof(MoonDB);
    // The satellite scan also reads the Moon's first 128 bytes as a block; its planet byte
    // must never match a planet.
    const uint8_t scanned = images.Satellites[moonOffset + offsetof(SatelliteDB, PlanetNumber)];
    const MoonDB moon = RecordAt<MoonDB>(images.Satellites, 0, moonOffset);
    if ((scanned >= 1 && scanned <= kPlanetCount) ||
        !IsFinite({moon.Eccentr, moon.InclOrb, moon.InclEqu, moon.SidRevPer, moon.SinRevPer,
                   moon.Magn, moon.SidRot, moon.Radius, moon.Mass, moon.EscVel}) ||
        !(moon.Mass > 0) || moon.Dens == 0 || !(moon.Radius > 0) || !(moon.SidRevPer > 0) ||
        moon.DistPer.LowDist > moon.DistPer.HighDist ||
        moon.DistApo.LowDist > moon.DistApo.HighDist || moon.HighTemp < moon.LowTemp ||
        !CheckStructureRows(moon.Structure, moon.Layers))
    {
        error = "Moon record: a value out of range, or its byte 43 matches a planet";
        return false;
    }

    if (images.Rings.empty() || images.Rings.size() % sizeof(RingDB) != 0)
    {
        error = "Rings.dat holds " + std::to_string(images.Rings.size()) +
                " bytes, not a positive multiple of 40";
        return false;
    }
    std::array<int, 10> ringsOf{};
    for (size_t i = 0; i < images.Rings.size() / sizeof(RingDB); ++i)
    {
        const RingDB g = RecordAt<RingDB>(images.Rings, i);
        const std::string label = RecordLabel("ring", i);
        const bool widthOk = g.LowWidth == 99999
                                 ? g.HighWidth > 0
                                 : g.LowWidth > 0 && (g.HighWidth == 0 || g.HighWidth > g.LowWidth);
        const bool thicknessOk =
            g.LowThickness == 0.0f || g.LowThickness == -1.0f ||
            (g.LowThickness == -2.0f && g.HighThickness > 0) ||
            (g.LowThickness > 0 && (g.HighThickness == 0.0f || g.HighThickness > g.LowThickness));
        const bool massOk = g.LowMass == 0.0f || g.LowMass == -1.0f ||
                            (g.LowMass > 0 && (g.HighMass == 0.0f || g.HighMass > g.LowMass));
        if (!IsFinite({g.LowThickness, g.HighThickness, g.LowMass, g.HighMass}) || g.Type > 2 ||
            g.PlanetNumber < 1 || g.PlanetNumber > kPlanetCount ||
            !IsPaddedText(g.Name, sizeof g.Name, false) || g.Distance == 0 || !widthOk ||
            !thicknessOk || !massOk)
        {
            error = label + ": a value out of range or an unknown sentinel";
            return false;
        }
        ++ringsOf[g.PlanetNumber];
    }
    for (const PlanetDB& p : planets)
    {
        const int satelliteRecords = p.PlanetNumber == kEarth ? 1 : satellitesOf[p.PlanetNumber];
        if (p.Satellites != satelliteRecords || p.Rings != ringsOf[p.PlanetNumber])
        {
            error = std::string(p.PlanetName) + ": satellite or ring count does not match the "
                                                "records";
            return false;
        }
    }
    return true;
}

bool CheckPlanetOrbits(const std::vector<uint8_t>& planets, const std::vector<uint8_t>& solobj,
                       std::string& error)
{
    if (planets.size() < kPlanetCount * sizeof(PlanetDB) ||
        solobj.size() < kPlanetCount * sizeof(SolarObjects))
    {
        error = "files too short";
        return false;
    }
    for (size_t i = 0; i < static_cast<size_t>(kPlanetCount); ++i)
    {
        const PlanetDB p = RecordAt<PlanetDB>(planets, i);
        const SolarObjects o = RecordAt<SolarObjects>(solobj, i);
        // The card gives the Earth's inclination as 0, as the ecliptic is the plane of its
        // orbit; JPL's mean orbit that the Solar System keeps lies 0.00001531 degree (0.06")
        // off the J2000 ecliptic. A tenth of a thousandth of a degree is below any card's digits.
        constexpr float kInclinationTolerance = 1e-4f;
        if (std::fabs(p.SemimajorAxis - o.SemiAxis) > 1e-6 * o.SemiAxis ||
            std::fabs(p.Eccentr - o.Eccentr) > 1e-6f ||
            std::fabs(p.InclOrbToEcl - o.Inclin) > kInclinationTolerance)
        {
            error =
                std::string(kPlanetNames[i]) + ": orbit differs from the Solar System's elements";
            return false;
        }
    }
    return true;
}
