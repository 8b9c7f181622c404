#include "starmap/NumToHM.h"

#include <cmath>
#include <cstdio>

std::string NumToHM(float num, bool RA)
{
    const float v = std::fabs(num);
    // Catalogue files are data: a damaged value must print, not overflow the integer part.
    if (!(v < 1e9f))
        return "---";
    const int whole = static_cast<int>(v);
    const float minutes = (v - static_cast<float>(whole)) * 60.0f;
    const char* sign = num < 0 ? "-" : "";
    char buf[48];
    if (RA)
        std::snprintf(buf, sizeof buf, "%s%dh %.1fm", sign, whole, static_cast<double>(minutes));
    else
        std::snprintf(buf, sizeof buf, "%s%d%c %.1f'", sign, whole, kDegreeSign,
                      static_cast<double>(minutes));
    return buf;
}
