#include "starmap/Magnitude.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace magnitude
{
int PositionOf(float limit)
{
    if (std::isnan(limit))
        return kDefaultPosition;
    // Rounded, not truncated: the label rounds the limit to one decimal, and the box must stand
    // where the label says (a stored 0.7 is 0.69999999 in single precision).
    const double position = std::round(static_cast<double>(limit) * 10) + kZeroPosition;
    return static_cast<int>(std::clamp<double>(position, kMinPosition, kMaxPosition));
}

namespace
{
std::string Format(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%2.1f", value);
    return text;
}
} // namespace

std::string LabelOf(float limit)
{
    return Format(static_cast<double>(limit));
}

std::string LabelOfPosition(int position)
{
    return Format((position - kZeroPosition) * 0.1);
}

float ReadLabel(const std::string& label)
{
    return static_cast<float>(std::atof(label.substr(0, 4).c_str()));
}
} // namespace magnitude
