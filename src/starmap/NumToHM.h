// Right ascension and declination as whole units and decimal minutes, for the object cards.
#pragma once

#include <string>

// The degree sign as the cards' byte text holds it: 0xB0, the degree sign of ISO 8859-1 and
// Windows-1252 (so QString::fromLatin1 turns it into U+00B0).
constexpr char kDegreeSign = '\xB0';

// Writes `num` as whole units and minutes with one decimal: hours "5h 30.0m" (RA true) or
// degrees "-12\xB0 15.0'" (RA false). A negative value keeps its sign even below one unit
// ("-0\xB0 30.0'"); minutes that round to 60 print as 60.0 and carry nothing. A value that is
// not finite or not below 1e9 in size gives "---".
std::string NumToHM(float num, bool RA);
