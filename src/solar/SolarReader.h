// Reading "Data\Solobj.dat", the orbital elements of the Solar System model, into the table of
// bodies: up to 13 records of 54 bytes, in slot order. No messages: the window turns a failure
// into the user's boxes.
#pragma once

#include "solar/SolarBody.h"
#include "solar/SolarRecord.h"

#include <cstdio>

namespace solar
{
constexpr const char* kSolarFile = "Data\\Solobj.dat";

enum class SolarReadResult
{
    Ok,         // every whole record (up to 13) was read
    OpenFailed, // the file cannot be opened
    ReadFailed  // its size cannot be taken or a record cannot be read
};

// Converts one file record into a table slot: kind, name copied up to its NUL (at most 16
// characters) and the elements in the record's own units (AU, degrees, Julian date, days); the
// place is left untouched.
void ConvertSolarRecord(const SolarObjects& record, SolObjects& body);

// Reads the records of the open file `f` that is `size` bytes long into `table` (13 slots),
// through the caller's 54-byte `buffer`. Whole records beyond the 13th and a trailing partial
// record are ignored. Slots that were read before a failed read keep their values.
SolarReadResult ReadSolarRecords(std::FILE* f, long size, SolObjects table[kSolarSlots],
                                 SolarObjects& buffer);

// Opens `path` (the program's relative path with backslashes), empties every slot of `table`
// (kind 0) and reads it as ReadSolarRecords does.
SolarReadResult ReadSolarFile(const char* path, SolObjects table[kSolarSlots],
                              SolarObjects& buffer);
} // namespace solar
