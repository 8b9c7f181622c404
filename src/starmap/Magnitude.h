// The limiting magnitude of the Star Map options: a scroll position 0..140 stands for the
// magnitude (position - 20) x 0.1, from -2.0 to 12.0 in steps of 0.1, and a label shows it
// with one decimal. The limit stored is the number the label shows.
#pragma once

#include <string>

namespace magnitude
{
constexpr int kMinPosition = 0;      // magnitude -2.0
constexpr int kMaxPosition = 140;    // magnitude 12.0
constexpr int kZeroPosition = 20;    // magnitude 0.0
constexpr int kDefaultPosition = 60; // magnitude 4.0, the limit of a fresh configuration

// The scroll position of a stored limit: limit x 10 + 20, rounded. A limit outside -2.0..12.0
// (which only a damaged configuration holds) gives the nearest end; one that is not a number
// gives the position of the default limit.
int PositionOf(float limit);

// The label of a stored limit, "%2.1f".
std::string LabelOf(float limit);

// The label of scroll position `position`: (position - 20) x 0.1 with "%2.1f".
std::string LabelOfPosition(int position);

// The limit a label stands for: the decimal number at the start of its first 4 characters
// (0 when there is none).
float ReadLabel(const std::string& label);
} // namespace magnitude
