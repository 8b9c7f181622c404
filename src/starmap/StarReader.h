// Readers of the star catalogue "Data\Stars.dat" (49-byte StarDB records) and the deep-sky
// catalogue "Data\NGCMess.dat" (50-byte NGCMessDB records). They read from an open stream and
// report; the window turns a failure into its messages.
#pragma once

#include "starmap/StarRecord.h"

#include <cstdio>
#include <vector>

namespace starreader
{
// Outcome of a read: `ok` false when a record could not be read whole (or the stream's size
// could not be taken); `stored` is the number of records kept, also on failure.
struct ReadResult
{
    bool ok;
    int stored;
};

// Reads the whole StarDB records of `f` from its start (a trailing partial record is ignored),
// at most `capacity` of them, into `records` (replaced).
ReadResult ReadStars(std::FILE* f, std::vector<StarDB>& records, int capacity);
// The same for NGCMessDB records.
ReadResult ReadNgcMess(std::FILE* f, std::vector<NGCMessDB>& records, int capacity);
} // namespace starreader
