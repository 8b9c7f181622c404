// Readers of the star catalogue "Data\Stars.dat" (49-byte StarDB records) and the deep-sky
// catalogue "Data\NGCMess.dat" (50-byte NGCMessDB records) into the tables the globe uses.
// They read from an open stream and report; the window turns a failure into its messages.
#pragma once

#include "starmap/SkyObjects.h"
#include "starmap/StarRecord.h"

#include <cstdio>

namespace starreader
{
// Outcome of a read: `ok` false when a record could not be read whole (or the stream's size
// could not be taken); `stored` is the number of table entries filled, also on failure.
struct ReadResult
{
    bool ok;
    int stored;
};

// Reads every whole StarDB record of `f` from its start through `buffer` (a trailing partial
// record is ignored) and fills stars[0 .. min(records, capacity) - 1]: RA hours -> degrees
// (x 15), Dec degrees -> radians, Magnitude, NumConst, NLink1, NLink2. Records beyond
// `capacity` are not read. Flag, X, Y, FConst, XConst, YConst are not touched.
ReadResult ReadStars(std::FILE* f, StarDB* buffer, Stars* stars, int capacity);

// The same for NGCMessDB records: RA hours -> degrees, Dec degrees -> radians, Magnitude.
// Flag, X, Y are not touched.
ReadResult ReadNgcMess(std::FILE* f, NGCMessDB* buffer, NgcMessObj* objects, int capacity);
} // namespace starreader
