// The proper motions of the catalogue's stars, "Data\StarMotion.dat": one 12-byte record per
// record of "Data\Stars.dat", in the same order, written by tools/mkdata from data/stars.csv
// and data/star_motions.csv. The star record has no room for them, and a table compiled into
// the program could drift from a rebuilt catalogue; the generator writes both files from the
// same rows. The single definition shared by the reader, the generator and the tests. Pure;
// no Qt.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "records are read by copying little-endian bytes");

namespace sky
{
constexpr const char* kStarMotionFile = "Data\\StarMotion.dat";

#pragma pack(push, 1)
struct StarMotionRecord
{
    uint32_t Hip; // Hipparcos number of the star of the same place in Stars.dat
    float PmRa;   // mu_alpha* = mu_alpha cos(dec), milliarcseconds per Julian year
    float PmDec;  // mu_delta, milliarcseconds per Julian year
};
#pragma pack(pop)
static_assert(sizeof(StarMotionRecord) == 12);
static_assert(offsetof(StarMotionRecord, Hip) == 0);
static_assert(offsetof(StarMotionRecord, PmRa) == 4);
static_assert(offsetof(StarMotionRecord, PmDec) == 8);

// Larger than any star's (Barnard's star: 10.4" a year); a larger value is damage.
constexpr double kLargestProperMotion = 20000.0;

// One star's proper motion, milliarcseconds per Julian year (0, 0: none).
struct ProperMotion
{
    double PmRa;
    double PmDec;
};

// The motions of the first `count` stars (0..100000) from the start of `f`, always `count` of
// them. When the file holds fewer than `count` whole records (missing, short, or another
// catalogue's) every star has none; a record whose motion is not finite or beyond
// kLargestProperMotion gives its star none. Bytes after the records are not read.
std::vector<ProperMotion> ReadStarMotions(std::FILE* f, int count);
} // namespace sky
