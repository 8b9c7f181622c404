// The 88 constellations of the IAU, Serpens drawn in its two parts (Caput and Cauda), so 89
// entries: full name as the IAU spells it and three-letter upper-case abbreviation, numbered
// 1..89.
#pragma once

constexpr int kConstellationCount = 89;

// 178 texts: the name of constellation k at 2(k-1), its abbreviation at 2(k-1)+1.
extern const char* const ConstName[2 * kConstellationCount];
