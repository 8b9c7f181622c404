// The world map of the location dialog: an equirectangular picture of the Earth with a margin
// of 7 pixels around the map proper, stretched into a frame. The centre of the map is 0 deg
// latitude, 0 deg longitude; the top edge is 90 N, the bottom 90 S, the left edge 180 W and
// the right edge 180 E. All positions are pixels of the dialog, all angles whole degrees.
#pragma once

#include "model/Config.h"

namespace locmap
{
// Width of the picture's margin around the map proper, in picture pixels.
constexpr int kPictureMargin = 7;

// The usable map rectangle: edges (inclusive), centre, width and height.
struct MapRect
{
    int x1, y1, x2, y2;
    int xm, ym;
    int w, h;
};

// The map rectangle of a picture bw x bh pixels stretched into the frame (X, Y, W, H): the
// margin scaled to the frame, plus one pixel, is left out on every side
// (border = W x 7 div bw + 1, likewise for the height); halves round toward zero.
// bw and bh must be positive.
MapRect MapRectFor(int X, int Y, int W, int H, int bw, int bh);

// Whether a rectangle is large enough to tell degrees apart (at least 2 x 2 pixels).
bool IsUsable(const MapRect& map);

// Whether (px, py) lies in the rectangle, edges included.
bool Inside(const MapRect& map, int px, int py);

// A position in whole degrees with its hemispheres.
struct Degrees
{
    int lat; // 0..90
    bool north;
    int lon; // 0..180
    bool west;
};

// The degrees of the point (px, py) of a usable rectangle: latitude |ym - py| x 90 div (h / 2),
// North when py <= ym; longitude |xm - px| x 180 div (w / 2), West when px <= xm. A rectangle of
// odd height or width would give a little more than 90 or 180 at its far edges; the result is
// held at 90 and 180, the poles and the date line.
Degrees PointToDegrees(const MapRect& map, int px, int py);

// Where the marker of a position stands: ym -+ lat x h div 180 (minus for North), xm -+ lon x w
// div 360 (minus for West).
struct Point
{
    int x, y;
};
Point DegreesToMarker(const MapRect& map, const Degrees& d);

// The six numbers and three choices of the location dialog.
struct Fields
{
    unsigned lonDegree, lonMinute, lonSecond;
    unsigned latDegree, latMinute, latSecond;
    bool north, west, gmt;
};

// Stores the fields in `location` and returns true, or returns false and stores nothing when a
// value is out of range: longitude degrees above 180, latitude degrees above 90, a minute or a
// second above 59.
bool StoreLocation(const Fields& fields, LocationSetup& location);
} // namespace locmap
