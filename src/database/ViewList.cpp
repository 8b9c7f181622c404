#include "database/ViewList.h"

#include <algorithm>

namespace
{
// A picture's or a film's file and the name in its window's title.
struct Entry
{
    const char* file;
    const char* name;
};

constexpr Entry kViews[kViewCount] = {
    {"Bitmap\\Solar\\SunV1.bmp", "Sun"},
    {"Bitmap\\Solar\\MercuryV1.bmp", "Mercury"},
    {"Bitmap\\Solar\\VenusV1.bmp", "Venus"},
    {"Bitmap\\Solar\\EarthV1.bmp", "Earth"},
    {"Bitmap\\Solar\\MarsV1.bmp", "Mars"},
    {"Bitmap\\Solar\\JupiterV1.bmp", "Jupiter"},
    {"Bitmap\\Solar\\SaturnV1.bmp", "Saturn"},
    {"Bitmap\\Solar\\UranusV1.bmp", "Uranus"},
    {"Bitmap\\Solar\\NeptuneV1.bmp", "Neptune"},
    {"Bitmap\\Solar\\PlutoV1.bmp", "Pluto"},
    {"Bitmap\\Solar\\MoonV1.bmp", "Moon"},
    {"Bitmap\\Galaxy\\Galaxy1.bmp", "Galaxy M100"},
    {"Bitmap\\Galaxy\\Galaxy2.bmp", "The Triangulum Galaxy, NGC598"},
    {"Bitmap\\Galaxy\\Galaxy3.bmp", "Galaxy NGC253"},
    {"Bitmap\\Galaxy\\Galaxy4.bmp", "The Toadstool Galaxy, IG29 and IG30"},
    {"Bitmap\\Galaxy\\Galaxy5.bmp", "The Toadstool Galaxy, IG29 and IG30"},
    {"Bitmap\\Galaxy\\Galaxy6.bmp", "The Whirlpool Galaxy, NGC5194 and NGC5195"},
    {"Bitmap\\Galaxy\\Galaxy7.bmp", "Galaxy and quasar"},
    {"Bitmap\\Nebula\\Nebula1.bmp", "The Horse Head Nebula"},
    {"Bitmap\\Nebula\\Nebula2.bmp", "The Feline Eye Nebula"},
    {"Bitmap\\Nebula\\Nebula3.bmp", "The Crab Nebula, M1 in Taurus"},
    {"Bitmap\\Nebula\\Nebula4.bmp", "The Eagle Nebula, M16"},
    {"Bitmap\\Nebula\\Nebula5.bmp", "The Eagle Nebula, M16"},
    {"Bitmap\\Nebula\\Nebula6.bmp", "The Great Orion Nebula"},
    {"Bitmap\\Nebula\\Nebula7.bmp", "The Triple Nebula"},
    {"Bitmap\\Nebula\\Nebula8.bmp", "The RHO Nebula in Ophiuchus"},
    {"Bitmap\\Nebula\\Nebula9.bmp", "Spiral Galaxy NGC1232"},
    {"Bitmap\\Nebula\\Nebula10.bmp", "The Vela Nebula"},
};

constexpr int kVideoSlots = 11;
constexpr Entry kVideos[kVideoSlots] = {
    {"Video\\Sun.avi", "Sun"},         {"", ""},
    {"Video\\Venus.avi", "Venus"},     {"Video\\Earth.avi", "Earth"},
    {"Video\\Mars.avi", "Mars"},       {"Video\\Jupiter.avi", "Jupiter"},
    {"Video\\Saturn.avi", "Saturn"},   {"", ""},
    {"Video\\Neptune.avi", "Neptune"}, {"", ""},
    {"Video\\Moon.avi", "Moon"},
};

bool InList(int index)
{
    return index >= 0 && index < kViewCount;
}
} // namespace

const char* ViewFile(int index)
{
    return InList(index) ? kViews[index].file : nullptr;
}

const char* ViewName(int index)
{
    return InList(index) ? kViews[index].name : nullptr;
}

ViewRange MakeViewRange(int viewStart, int viewEnd)
{
    const int first = std::clamp(viewStart, 0, kViewCount - 1);
    int last = viewEnd == -1 ? first : std::clamp(viewEnd, 0, kViewCount - 1);
    if (last < first)
        last = first;
    return ViewRange{static_cast<uint8_t>(first), static_cast<uint8_t>(last)};
}

const char* VideoName(int num)
{
    return num >= 0 && num < kVideoSlots ? kVideos[num].name : "";
}

const char* VideoFile(int num)
{
    return num >= 0 && num < kVideoSlots ? kVideos[num].file : "";
}
