// Names beside their marks that never collide: each label takes the first free one of eight
// places around its mark, in the order the caller asks for them (the most important first), and
// keeps the place it had in the last frame while that place is free, so that names do not jump
// about as the sky turns. A label that finds no free place is left out of the frame. Pure
// geometry in the view's logical pixels; no Qt.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace labels
{
// An axis-aligned box: left and top edges, width and height (> 0), y downward.
struct Box
{
    double left;
    double top;
    double width;
    double height;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// Whether two boxes overlap with some area; boxes that only touch do not.
bool Overlaps(const Box& a, const Box& b);

// The eight places of a label around its mark, clockwise from the right.
enum class Side : uint8_t
{
    East,
    SouthEast,
    South,
    SouthWest,
    West,
    NorthWest,
    North,
    NorthEast
};

// The box of a `width` x `height` label on `side` of a mark at (x, y) whose nearest edge is
// `gap` pixels from that point (the mark's half size plus the space between mark and name).
Box PlaceOnSide(Side side, double x, double y, double gap, double width, double height);

class Placer
{
public:
    // A new frame in `area` (the view's rectangle: no label leaves it). The sides chosen in
    // the frame before are remembered by key.
    void BeginFrame(const Box& area);
    // A box no label may cover (the Sun's and the Moon's discs).
    void AddObstacle(const Box& box);
    // A label that stands where it is asked and is never left out (the compass points); later
    // labels keep clear of it.
    void PlaceFixed(const Box& box);
    // The label `key` of size `width` x `height` beside the mark at (x, y), `gap` away from it:
    // on last frame's side when that is still free, else on the first free side in the order
    // east, west, north-east, south-east, north, south, north-west, south-west (names read best
    // beside their marks); no box when every side is taken, covered or outside the area.
    std::optional<Box> Place(uint32_t key, double x, double y, double gap, double width,
                             double height);
    // The boxes of the labels of this frame, in the order they were placed.
    const std::vector<Box>& Placed() const { return placed; }

private:
    bool IsFree(const Box& box) const;

    Box area{};
    std::vector<Box> placed;
    std::vector<Box> obstacles;
    std::unordered_map<uint32_t, Side> lastSides;
    std::unordered_map<uint32_t, Side> sides;
};
} // namespace labels
