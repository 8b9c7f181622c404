#include "model/LabelPlacer.h"

#include <array>
#include <iterator>

namespace labels
{
bool Overlaps(const Box& a, const Box& b)
{
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

Box PlaceOnSide(Side side, double x, double y, double gap, double width, double height)
{
    // The diagonal places stand off by the gap on both axes, so that a name at the corner of a
    // round mark keeps the same clearance as one beside it.
    const auto along = [gap](int sign, double at, double size) {
        return sign > 0 ? at + gap : sign < 0 ? at - gap - size : at - size / 2;
    };
    // Each side's direction from the mark, east and south positive, in the order of Side.
    constexpr int kEast[] = {1, 1, 0, -1, -1, -1, 0, 1};
    constexpr int kSouth[] = {0, 1, 1, 1, 0, -1, -1, -1};
    const size_t k = static_cast<size_t>(side) < std::size(kEast) ? static_cast<size_t>(side) : 0;
    return {along(kEast[k], x, width), along(kSouth[k], y, height), width, height};
}

void Placer::BeginFrame(const Box& newArea)
{
    area = newArea;
    placed.clear();
    obstacles.clear();
    // Only the labels that were shown last frame keep their side; a name left out for a frame
    // starts again from the east.
    lastSides.swap(sides);
    sides.clear();
}

void Placer::AddObstacle(const Box& box)
{
    obstacles.push_back(box);
}

void Placer::PlaceFixed(const Box& box)
{
    placed.push_back(box);
}

bool Placer::IsFree(const Box& box) const
{
    if (box.left < area.left || box.top < area.top || box.Right() > area.Right() ||
        box.Bottom() > area.Bottom())
        return false;
    for (const Box& other : placed)
        if (Overlaps(box, other))
            return false;
    for (const Box& other : obstacles)
        if (Overlaps(box, other))
            return false;
    return true;
}

std::optional<Box> Placer::Place(uint32_t key, double x, double y, double gap, double width,
                                 double height)
{
    constexpr std::array<Side, 8> kOrder = {Side::East,      Side::West,     Side::NorthEast,
                                            Side::SouthEast, Side::North,    Side::South,
                                            Side::NorthWest, Side::SouthWest};
    const auto take = [&](Side side) -> std::optional<Box>
    {
        const Box box = PlaceOnSide(side, x, y, gap, width, height);
        if (!IsFree(box))
            return std::nullopt;
        placed.push_back(box);
        sides[key] = side;
        return box;
    };
    if (const auto last = lastSides.find(key); last != lastSides.end())
        if (const std::optional<Box> box = take(last->second))
            return box;
    for (Side side : kOrder)
        if (const std::optional<Box> box = take(side))
            return box;
    return std::nullopt;
}
} // namespace labels
