// Geometry of the database's bar charts: the planet card's atmosphere chart and the eight
// comparison charts of the nine planets, on a linear or a logarithmic scale, and the numbers
// written on them. Pixels, x to the right and y downward; rectangles are left, top, right,
// bottom with right and bottom excluded (the classic Rectangle).
#pragma once

#include "database/DataBaseRecords.h"

#include <array>
#include <string>
#include <vector>

namespace database
{
// A control's rectangle: left, top, width, height.
struct Box
{
    int left, top, width, height;
};

struct Rect
{
    int left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

struct Point
{
    int x, y;
    bool operator==(const Point&) const = default;
};

// ---- atmosphere chart ----

constexpr int kMaxAtmosphereParts = 4;

struct AtmosphereChart
{
    // Parts: a share above 1 % is a part of its own; shares of at most 1 % are pooled into
    // the last part while it is still at most 1 %, else start one. A part beyond the fourth
    // is added to the fourth.
    int parts = 0;
    std::array<float, kMaxAtmosphereParts> size{};
    float total = 0; // every share walked; 100 when the ninth entry was walked and it was less
    // One bar per part shown (at most one per constituent shown; none for Mercury).
    std::vector<Rect> bars;
    // The part whose colour each shown constituent's legend square takes (the last bar drawn
    // so far); -1 when no bar was drawn yet. Empty for Mercury.
    std::vector<int> legend;
    // The axes, one polyline: right end of the baseline, origin, top of the axis, tick.
    std::array<Point, 4> axes{};
};

// The chart of planet `p` in the frame `gframe`, for the `elements` constituents the card
// shows. Bars are W div 6 wide, 10 pixels from the frame's left and W div 6 + W div 12 apart,
// standing on the baseline (top + height) with heights in proportion to part / total of the
// frame's height; a part too small for a pixel gets a 2-pixel bar.
AtmosphereChart LayoutAtmosphere(const PlanetDB& p, Box gframe, int elements);

// ---- comparison of the planets ----

constexpr int kComparisonTabs = 8;

// The tab's caption and unit text, tab 0..7.
const char* ComparisonCaption(int tab);
const char* ComparisonUnit(int tab);

// A number as a student reads it, in UTF-8, always with three significant figures, so that the
// bars of one chart compare alike: from 0.01 up to 999,500 in plain digits with commas between
// the thousands ("69,200", "5.52", "0.387", "1.00"), beyond that range as a power of ten
// ("3.30 × 10²³", "1.90 × 10²⁷", "4.50 × 10⁻³"). Zero is "0", a negative number has a leading
// '-', and not-a-number or infinity gives "".
std::string ReadableNumber(double value);

// Ten to the power `exponent` in UTF-8 superscript digits: "10²³", "10⁰", "10⁻²".
std::string PowerOfTen(int exponent);

// How bar heights follow the values.
enum class ChartScale
{
    Linear,      // in proportion to the value
    Logarithmic, // in proportion to the value's power of ten above the axis's foot
};

// Whether tab 0..7 opens on the logarithmic scale: the distance from the Sun, the mass and the
// radius, whose values span so many powers of ten that the inner planets would have no bar.
bool LogScaleByDefault(int tab);

// Room in pixels left of the axis for the "10ⁿ" labels of a logarithmic chart.
constexpr int kTickLabelRoom = 36;

// The nine values of tab 0..7 from the planet records in file order: sidereal revolution
// period, mean orbital velocity, semi-major axis, mass, density, mean surface temperature (the
// mean of the range, or the single temperature), gravitational acceleration, mean radius (the
// mean of the equatorial and polar radii when the polar one is known).
std::array<float, 9> ComparisonValues(const std::array<PlanetDB, kPlanetCount>& planets, int tab);

struct ComparisonBar
{
    Rect rect;
    Point text;        // baseline centre of the value text
    std::string value; // the magnitude as ReadableNumber writes it
};

// A power of ten marked on the axis of a logarithmic chart.
struct ChartTick
{
    int y;        // the row of the line across the frame
    int exponent; // the line stands for 10^exponent
    bool operator==(const ChartTick&) const = default;
};

struct ComparisonChart
{
    // Nine bars, none when every value is 0 (or not a number).
    std::vector<ComparisonBar> bars;
    Point unit; // start of the unit text, written upward
    // Logarithmic scale only: every power of ten from the axis's foot up to the frame's top.
    std::vector<ChartTick> ticks;
};

// The chart of `values` in the frame `frame` with the planet names in `labels`: bars 0.7 of
// the first label's width, each centred over its label, standing on the frame's last row; the
// largest magnitude reaches 92 % of the frame's height. Linear: the others in proportion, the
// unit text 10 pixels left of the axis. Logarithmic: the axis's foot is the power of ten at
// least half a power below the smallest magnitude above 0, so that every such bar stands at
// least half a power tall; heights follow log10 of the magnitude above the foot (a value of 0
// has no height); the unit text moves kTickLabelRoom further left, clear of the tick labels.
ComparisonChart LayoutComparison(const std::array<float, 9>& values, Box frame,
                                 const std::array<Box, 9>& labels,
                                 ChartScale scale = ChartScale::Linear);
} // namespace database
