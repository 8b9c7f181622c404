#include "database/Charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace database
{
namespace
{
constexpr uint8_t kMercury = 1;
// The largest value's bar reaches this share of the frame's height.
constexpr double kTallest = 0.92;

// A value that a damaged record may hold as not-a-number or infinity is drawn as 0.
float Magnitude(float v)
{
    return std::isfinite(v) ? std::fabs(v) : 0.0f;
}
} // namespace

AtmosphereChart LayoutAtmosphere(const PlanetDB& p, Box gframe, int elements)
{
    AtmosphereChart chart;
    const int X0 = gframe.left;
    const int W = gframe.width;
    const int H = gframe.height;
    const int B = gframe.top + H;

    const ChemicElement* entries = p.AtmComp.Element;
    for (int i = 0; i < 9; ++i)
    {
        const float ratio = entries[i].Ratio;
        if (entries[i].Name[0] == '-' || ratio == -1.0f)
            continue;
        const bool pooled = ratio <= 1.0f && chart.parts > 0 && chart.size[chart.parts - 1] <= 1.0f;
        if (pooled || chart.parts == kMaxAtmosphereParts)
            chart.size[chart.parts - 1] += ratio;
        else
            chart.size[chart.parts++] = ratio;
        chart.total += ratio;
        if (i == 8 && chart.total < 100)
            chart.total = 100;
    }

    if (p.PlanetNumber != kMercury)
    {
        const int w = W / 6;
        const int step = W / 6 + W / 12;
        int drawn = -1;
        for (int i = 0; i < elements && i < 9; ++i)
        {
            if (i < chart.parts)
            {
                const float size = chart.size[i];
                int top = B - 2;
                if (!(chart.total / H >= size))
                {
                    const float h = size / chart.total * H;
                    top = std::isfinite(h) && std::fabs(h) <= H ? B - static_cast<int>(h) : B - 2;
                }
                const int left = X0 + 10 + i * step;
                chart.bars.push_back(Rect{left, top, left + w, B - 1});
                drawn = i;
            }
            chart.legend.push_back(drawn);
        }
    }
    chart.axes = {Point{X0 + W, B}, Point{X0, B}, Point{X0, B - H}, Point{X0 + 5, B - H}};
    return chart;
}

// Each tab's caption and unit.
const char* const kComparisonTexts[kComparisonTabs][2] = {
    {" Sidereal Revolution Period ", "days"},    {"   Mean Orbital Velocity    ", "km/s"},
    {" Mean Distance from the Sun ", "a.u."},    {"           Mass             ", "kg"},
    {"         Density            ", "gm/cm^3"}, {"  Mean Surface Temperature  ", "K"},
    {" Gravitational Acceleration ", "cm/s^2"},  {"          Radius            ", "km"}};

const char* ComparisonCaption(int tab)
{
    return tab >= 0 && tab < kComparisonTabs ? kComparisonTexts[tab][0] : "";
}

const char* ComparisonUnit(int tab)
{
    return tab >= 0 && tab < kComparisonTabs ? kComparisonTexts[tab][1] : "";
}

bool LogScaleByDefault(int tab)
{
    return tab == 2 || tab == 3 || tab == 7;
}

std::string PowerOfTen(int exponent)
{
    static const char* const kSuperscript[10] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string text = "10";
    if (exponent < 0)
        text += "⁻";
    for (const char c : std::to_string(std::abs(static_cast<long>(exponent))))
        text += kSuperscript[c - '0'];
    return text;
}

std::string ReadableNumber(double value)
{
    if (!std::isfinite(value))
        return std::string();
    if (value == 0)
        return "0";
    // The C library rounds to three significant figures and gives the power of ten after the
    // rounding (999,999 becomes 1.00e+06), so the choice of form below sees the rounded value.
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2e", std::fabs(value));
    const std::string digits{buf[0], buf[2], buf[3]};
    const int exponent = std::atoi(buf + 5);
    std::string whole;
    std::string fraction;
    if (exponent >= -2 && exponent <= 5)
    {
        if (exponent >= 2)
            whole = digits + std::string(static_cast<size_t>(exponent - 2), '0');
        else if (exponent >= 0)
        {
            whole = digits.substr(0, static_cast<size_t>(exponent) + 1);
            fraction = digits.substr(static_cast<size_t>(exponent) + 1);
        }
        else
        {
            whole = "0";
            fraction = std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
        }
        for (size_t at = whole.size(); at > 3; at -= 3)
            whole.insert(at - 3, ",");
    }
    else
    {
        whole = digits.substr(0, 1);
        fraction = digits.substr(1);
    }
    std::string text = value < 0 ? "-" : "";
    text += fraction.empty() ? whole : whole + "." + fraction;
    if (exponent < -2 || exponent > 5)
        text += " × " + PowerOfTen(exponent);
    return text;
}

std::array<float, 9> ComparisonValues(const std::array<PlanetDB, kPlanetCount>& planets, int tab)
{
    using Value = float (*)(const PlanetDB&);
    static const Value values[kComparisonTabs] = {
        [](const PlanetDB& p) { return p.RevPeriod.Sideral; },
        [](const PlanetDB& p) { return p.MeanOrbVel; },
        [](const PlanetDB& p) { return static_cast<float>(p.SemimajorAxis); },
        [](const PlanetDB& p) { return p.Mass; },
        [](const PlanetDB& p) { return p.Density; },
        [](const PlanetDB& p)
        {
            const float low = std::fabs(p.Temper.LowTemp);
            return p.Temper.HighTemp > 0 ? (low + std::fabs(p.Temper.HighTemp)) * 0.5f : low;
        },
        [](const PlanetDB& p) { return float(p.GravAccel); },
        [](const PlanetDB& p)
        {
            const auto& r = p.Radius;
            return r.Polar > 0 ? (std::fabs(r.Polar) + r.Equatorial) * 0.5f : r.Equatorial;
        },
    };
    std::array<float, 9> v{};
    if (tab >= 0 && tab < kComparisonTabs)
        for (int k = 0; k < kPlanetCount; ++k)
            v[k] = values[tab](planets[k]);
    return v;
}

ComparisonChart LayoutComparison(const std::array<float, 9>& values, Box frame,
                                 const std::array<Box, 9>& labels, ChartScale scale)
{
    ComparisonChart chart;
    const bool log = scale == ChartScale::Logarithmic;
    const int X0 = frame.left;
    const int H = frame.height;
    const int B = frame.top + H - 1;
    chart.unit = Point{X0 - 10 - (log ? kTickLabelRoom : 0), B - H + 30};

    float M = 0;
    float smallest = 0; // the smallest magnitude above 0
    for (float v : values)
    {
        const float m = Magnitude(v);
        M = std::max(M, m);
        if (m > 0 && (smallest == 0 || m < smallest))
            smallest = m;
    }
    if (M == 0)
        return chart;

    // The share of the tallest bar's height that magnitude `v` reaches.
    const double top = std::log10(static_cast<double>(M));
    const double foot = std::floor(std::log10(static_cast<double>(smallest)) - 0.5);
    auto share = [&](float v) -> double
    {
        if (!log)
            return v / M;
        return v > 0 ? (std::log10(static_cast<double>(v)) - foot) / (top - foot) : 0.0;
    };

    const int w = static_cast<int>(labels[0].width * 0.7);
    for (int k = 0; k < 9; ++k)
    {
        const int X = labels[k].left + labels[k].width / 2 - w / 2;
        const float v = Magnitude(values[k]);
        const int T = static_cast<int>(B - share(v) * H * kTallest);
        chart.bars.push_back(
            ComparisonBar{Rect{X, T, X + w, B}, Point{X + w / 2, T - 5}, ReadableNumber(v)});
    }
    if (log)
        for (int n = static_cast<int>(foot);; ++n)
        {
            const int y = static_cast<int>(B - (n - foot) / (top - foot) * H * kTallest);
            if (y < B - H + 1)
                break;
            chart.ticks.push_back(ChartTick{y, n});
        }
    return chart;
}
} // namespace database
