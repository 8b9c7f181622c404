#include "starmap/NumToHM.h"

#include <cmath>
#include <cstdio>

void NumToHM(char* buf, size_t size, float num, bool RA)
{
    if (!buf || size == 0)
        return;
    const float v = std::fabs(num);
    // Catalogue files are data: a damaged value must print, not overflow the integer part.
    if (!(v < 1e9f))
    {
        std::snprintf(buf, size, "---");
        return;
    }
    const int whole = static_cast<int>(v);
    const float minutes = (v - static_cast<float>(whole)) * 60.0f;
    const char* sign = num < 0 ? "-" : "";
    if (RA)
        std::snprintf(buf, size, "%s%dh %.1fm", sign, whole, static_cast<double>(minutes));
    else
        std::snprintf(buf, size, "%s%d%c %.1f'", sign, whole, kDegreeSign,
                      static_cast<double>(minutes));
}

std::string NumToHM(float num, bool RA)
{
    char buf[48];
    NumToHM(buf, sizeof buf, num, RA);
    return buf;
}
