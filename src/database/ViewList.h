// The pictures of the object viewer and the names of the video clips: the fixed list of 28
// picture files with the names that go into the viewer's title, and the range of the list that
// one opening of the viewer steps through.
#pragma once

#include <cstdint>

// Number of pictures in the list; indices run 0..kViewCount-1.
constexpr int kViewCount = 28;
// First and last index of the three groups of the list.
constexpr int kFirstSolarView = 0; // the Sun, the nine planets, the Moon (0..10)
constexpr int kLastSolarView = 10;
constexpr int kFirstGalaxyView = 11; // seven galaxies (11..17)
constexpr int kLastGalaxyView = 17;
constexpr int kFirstNebulaView = 18; // ten nebulae (18..27)
constexpr int kLastNebulaView = 27;

// Path of picture `index` in the program's form ("Bitmap\Solar\SunV1.bmp"); null outside the
// list.
const char* ViewFile(int index);
// Name of picture `index` for the viewer's title ("Sun"); null outside the list.
const char* ViewName(int index);

// The indices that one opening of the viewer shows: Min..Max, both inside the list.
struct ViewRange
{
    uint8_t Min;
    uint8_t Max;
};
// The range for a first picture `viewStart` and a last picture `viewEnd`; a `viewEnd` of -1
// means the first picture alone. Indices outside the list are brought to its nearest end, and
// a last picture before the first gives the first alone, so that the range is never empty.
ViewRange MakeViewRange(int viewStart, int viewEnd);

// Whether Previous and Next are offered at picture `current` of `range`.
inline bool CanGoPrevious(const ViewRange& range, int current)
{
    return range.Min < current;
}
inline bool CanGoNext(const ViewRange& range, int current)
{
    return current < range.Max;
}

// Name of video clip `num` for the video window's title: the Sun (0), the planets with a clip
// and the Moon (10); "" for Mercury (1), Uranus (7), Pluto (9) and any other number.
const char* VideoName(int num);
// The clip of body `num` ("Video\Sun.avi", 0..10 as above); "" when the body has none.
const char* VideoFile(int num);
