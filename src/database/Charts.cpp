#include "database/Charts.h"

#include "app/NumFormat.h"

#include <cmath>

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

const char* ComparisonCaption(int tab)
{
    static const char* const captions[kComparisonTabs] = {
        " Sideral Revolution Period  ", "   Mean Orbital Velocity    ",
        " Mean Distance from the Sun ", "           Mass             ",
        "         Density            ", "  Mean Surface Temperature  ",
        " Gravitatoinal Accelaration ", "          Radius            "};
    return tab >= 0 && tab < kComparisonTabs ? captions[tab] : "";
}

const char* ComparisonUnit(int tab)
{
    static const char* const units[kComparisonTabs] = {"days",    "km/s", "a.u.",   "kg",
                                                       "gm/cm^3", "K",    "cm/s^2", "km"};
    return tab >= 0 && tab < kComparisonTabs ? units[tab] : "";
}

std::array<float, 9> ComparisonValues(const PlanetDB* const planets[9], int tab)
{
    std::array<float, 9> v{};
    for (int k = 0; k < 9; ++k)
    {
        const PlanetDB& p = *planets[k];
        switch (tab)
        {
        case 0:
            v[k] = p.RevPeriod.Sideral;
            break;
        case 1:
            v[k] = p.MeanOrbVel;
            break;
        case 2:
            v[k] = static_cast<float>(p.SemimajorAxis);
            break;
        case 3:
            v[k] = p.Mass;
            break;
        case 4:
            v[k] = p.Density;
            break;
        case 5:
            v[k] = p.Temper.HighTemp > 0
                       ? (std::fabs(p.Temper.LowTemp) + std::fabs(p.Temper.HighTemp)) * 0.5f
                       : std::fabs(p.Temper.LowTemp);
            break;
        case 6:
            v[k] = p.GravAccel;
            break;
        case 7:
            v[k] = p.Radius.Polar > 0 ? (std::fabs(p.Radius.Polar) + p.Radius.Equatorial) * 0.5f
                                      : p.Radius.Equatorial;
            break;
        default:
            break;
        }
    }
    return v;
}

ComparisonChart LayoutComparison(const std::array<float, 9>& values, Box frame,
                                 const std::array<Box, 9>& labels)
{
    ComparisonChart chart;
    const int X0 = frame.left;
    const int H = frame.height;
    const int B = frame.top + H - 1;
    chart.unit = Point{X0 - 10, B - H + 30};

    float M = 0;
    for (float v : values)
        M = std::max(M, Magnitude(v));
    if (M == 0)
        return chart;

    const int w = static_cast<int>(labels[0].width * 0.7);
    for (int k = 0; k < 9; ++k)
    {
        const int X = labels[k].left + labels[k].width / 2 - w / 2;
        const float v = Magnitude(values[k]);
        const int T = static_cast<int>(B - v / M * H * kTallest);
        chart.bars.push_back(
            ComparisonBar{Rect{X, T, X + w, B}, Point{X + w / 2, T - 5}, NumToStr(v, 2, true)});
    }
    return chart;
}
} // namespace database
