#include "solar/SolarSystem.h"

#include "time/LocalZone.h"
#include "time/SkyTime.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace
{
using solar::BodyRole;

constexpr int kSunFlag = 0;
constexpr int kCometFlag = 10;
constexpr int kOrbitsFlag = 11;

bool IsFinite(const solar::Point& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y);
}
} // namespace

namespace solar
{
std::vector<int> BodiesAt(const Frame& frame, Point click)
{
    std::vector<int> hit;
    for (const Mark& mark : frame.marks)
        if (mark.body != kSunMark && std::fabs(std::floor(mark.at.x) - click.x) <= 8 &&
            std::fabs(std::floor(mark.at.y) - click.y) <= 8)
            hit.push_back(mark.body);
    std::sort(hit.begin(), hit.end());
    return hit;
}
} // namespace solar

solar::SolarReadResult SolarSystem::ReadSolData()
{
    SolarObjects record{};
    const solar::SolarReadResult result = solar::ReadSolarFile(solar::kSolarFile, table, record);
    outlines = {};
    placedAt = std::nan("");
    return result;
}

void SolarSystem::UpdateSolAngles(uint64_t T)
{
    // The clock shows the computer's local time; the orbits run in Universal Time.
    const int64_t ut = skytime::UtFromLocal(T, skytime::ComputerUtcOffsetAtLocal(T));
    const double jd = sky::JulianDateFromInstant(ut);
    if (jd == placedAt)
        return;
    placedAt = jd;
    solar::PlaceBodiesAt(table, jd);
    for (int k = 0; k < kSolarSlots; ++k)
    {
        // A thousand points: made again only for new elements (those of the file stay).
        solar::OrbitOutline& outline = outlines[k];
        const sky::OrbitalElements elements = solar::OutlineElementsOf(table[k], k, jd);
        if (outline.points.empty() ||
            std::memcmp(&outline.elements, &elements, sizeof elements) != 0)
            outline = {elements, solar::OrbitOutlinePoints(elements)};
    }
}

void SolarSystem::ZoomIn()
{
    scale = solar::ZoomInScale(scale);
    WipeTrails();
}

void SolarSystem::ZoomOut()
{
    scale = solar::ZoomOutScale(scale);
    WipeTrails();
}

void SolarSystem::ChangeCenter(int body)
{
    if (body < 0 || body > kSolarSlots)
        return;
    centre = static_cast<uint8_t>(body);
    WipeTrails();
}

void SolarSystem::Normal()
{
    scale = 1.0f;
    centre = 0;
    WipeTrails();
}

bool SolarSystem::Shown(int slot) const
{
    switch (solar::RoleOf(table[slot], slot))
    {
    case BodyRole::Planet:
        return values.SSValues[slot + 1] != 0;
    case BodyRole::Comet:
        return values.SSValues[kCometFlag] != 0;
    case BodyRole::None:
        break;
    }
    return false;
}

solar::Frame SolarSystem::LayoutFrame(double width, double height) const
{
    solar::Frame frame{solar::CentredProjection(width, height, scale), {}, false};
    const int middle = centre - 1;
    // Seen from the body at the centre, the Sun stands opposite the body's heliocentric place.
    if (middle >= 0)
    {
        const sky::Vec3& p = table[middle].Place.Position;
        frame.projection.sun = solar::ProjectPoint(frame.projection, {-p.x, -p.y, -p.z});
    }
    const auto add = [&frame](int body, solar::Point at)
    {
        if (IsFinite(at))
            frame.marks.push_back({body, at});
    };
    if (values.SSValues[kSunFlag])
        add(solar::kSunMark, frame.projection.sun);
    for (int k = 0; k < kSolarSlots; ++k)
        if (k != middle && Shown(k))
            add(k, solar::ProjectPoint(frame.projection, table[k].Place.Position));
    // The body at the centre is drawn even when its box is clear, but only a body is drawn.
    if (middle >= 0 && solar::RoleOf(table[middle], middle) != BodyRole::None)
        frame.marks.push_back({middle, {width / 2, height / 2}});
    frame.orbits = middle < 0 && values.SSValues[kOrbitsFlag] != 0;
    return frame;
}

void SolarSystem::ExtendTrails(const solar::Frame& frame)
{
    for (const solar::Mark& mark : frame.marks)
    {
        std::vector<solar::Point>& trail = trails[mark.body];
        if (!trail.empty() && std::fabs(trail.back().x - mark.at.x) < 1 &&
            std::fabs(trail.back().y - mark.at.y) < 1)
            continue;
        if (trail.size() >= solar::kTrailPoints)
        {
            trail.erase(trail.begin(), trail.begin() + solar::kTrailPoints / 2);
            ++trailCuts;
        }
        trail.push_back(mark.at);
    }
}

bool SolarSystem::HasTrails() const
{
    return std::any_of(trails.begin(), trails.end(), [](const auto& t) { return !t.empty(); });
}

void SolarSystem::WipeTrails()
{
    for (std::vector<solar::Point>& trail : trails)
        trail.clear();
    ++trailCuts;
}
