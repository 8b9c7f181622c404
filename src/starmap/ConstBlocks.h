// The constellation blocks of the star table and the lines they define: each star names up to
// two partners by their 1-based position within its own block of equal constellation numbers.
#pragma once

#include "starmap/SkyObjects.h"

#include <array>
#include <cstdint>
#include <vector>

namespace constblocks
{
constexpr int kConstellations = 89;

// The stars [first, end) of one constellation.
struct Block
{
    int first;
    int end;
};

// Blocks of constellations 1..89 (index 0 unused, empty) over the first `count` stars. The
// blocks follow each other in ascending order from index 0; a block starts where the previous
// one ended and stops at the first star with another number, so a star out of order ends its
// block and every later block is empty. A number outside 1..89 is never part of a block.
std::array<Block, kConstellations + 1> FindBlocks(const Stars* stars, int count);

// One constellation line between two star indexes.
struct Link
{
    uint16_t from;
    uint16_t to;
};

// The block that starts at star `first`: it runs up to the first star with another number or
// to `count`. Empty when `first` is outside the table.
Block BlockAt(const Stars* stars, int count, int first);

// Appends the lines of one block in drawing order: for each star whose NLink1 is not 0, the
// line to its first partner, then (if NLink2 is not 0) to its second. A link that points
// outside the block gives no line.
void AppendBlockLinks(const Stars* stars, const Block& block, std::vector<Link>& links);

// The lines in drawing order: for each block, for each star whose NLink1 is not 0, the line to
// its first partner, then (if NLink2 is not 0) to its second. A link that points outside the
// star's block (past its end or past the last star read) gives no line.
std::vector<Link> FindLinks(const Stars* stars, int count);
} // namespace constblocks
