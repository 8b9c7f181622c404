#include "starmap/LocationMap.h"

#include <algorithm>
#include <cstdlib>

namespace locmap
{
MapRect MapRectFor(int X, int Y, int W, int H, int bw, int bh)
{
    const int borderX = W * kPictureMargin / bw + 1;
    const int borderY = H * kPictureMargin / bh + 1;
    MapRect m{};
    m.x1 = X + borderX;
    m.y1 = Y + borderY;
    m.x2 = X + W - borderX;
    m.y2 = Y + H - borderY;
    m.w = m.x2 - m.x1;
    m.h = m.y2 - m.y1;
    m.xm = m.x1 + m.w / 2;
    m.ym = m.y1 + m.h / 2;
    return m;
}

bool IsUsable(const MapRect& map)
{
    // The degrees are scaled by half the width and half the height.
    return map.w / 2 >= 1 && map.h / 2 >= 1;
}

bool Inside(const MapRect& map, int px, int py)
{
    return map.x1 <= px && px <= map.x2 && map.y1 <= py && py <= map.y2;
}

Degrees PointToDegrees(const MapRect& map, int px, int py)
{
    Degrees d{};
    d.lat = std::min(std::abs(map.ym - py) * 90 / (map.h / 2), 90);
    d.north = py <= map.ym;
    d.lon = std::min(std::abs(map.xm - px) * 180 / (map.w / 2), 180);
    d.west = px <= map.xm;
    return d;
}

Point DegreesToMarker(const MapRect& map, const Degrees& d)
{
    const int dy = d.lat * map.h / 180;
    const int dx = d.lon * map.w / 360;
    return Point{d.west ? map.xm - dx : map.xm + dx, d.north ? map.ym - dy : map.ym + dy};
}

bool StoreLocation(const Fields& f, LocationSetup& location)
{
    if (f.lonDegree > 180 || f.lonMinute > 59 || f.lonSecond > 59 || f.latDegree > 90 ||
        f.latMinute > 59 || f.latSecond > 59)
        return false;
    location.North = f.north;
    location.West = f.west;
    location.Lon = Coordinate{static_cast<uint8_t>(f.lonDegree), static_cast<uint8_t>(f.lonMinute),
                              static_cast<uint8_t>(f.lonSecond)};
    location.Lat = Coordinate{static_cast<uint8_t>(f.latDegree), static_cast<uint8_t>(f.latMinute),
                              static_cast<uint8_t>(f.latSecond)};
    location.GMT = f.gmt;
    return true;
}
} // namespace locmap
