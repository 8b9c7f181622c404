// The persisted options: one 33-byte Setup record, the same bytes in memory and in
// "Velmoria.cfg". Files written before the planets' and the names' layers existed hold the
// first 31 or 32 bytes; they read as before, with the missing layers shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// A one-byte flag as stored: 0 false, anything else true. Kept as a byte so that any
// value a file holds is a valid value in memory.
using bool8 = uint8_t;

#pragma pack(push, 1)
struct Coordinate
{
    uint8_t Degree;
    uint8_t Minute;
    uint8_t Second;
};

struct SMSetup
{
    bool8 Check[5];     // constellation lines, grid, NGC/Messier, Sun and Moon, transparent sphere
    float SelectMagn;  // limiting magnitude of the stars shown
};

struct LocationSetup
{
    Coordinate Lon;
    Coordinate Lat;
    bool8 North;  // latitude is north
    bool8 West;   // longitude is west
    bool8 GMT;    // "Greenwich mean time" option of the location dialog
};

struct Setup
{
    bool8 SSValues[13];  // Sun, Mercury..Pluto, comets, show orbits, show trails
    SMSetup SMValues;
    LocationSetup LocValues;
    bool8 Planets; // the Star Map's planets layer, 1 = shown
    bool8 Names;   // the names on the sky (Star Map) and beside the bodies (Solar System)
};
#pragma pack(pop)

static_assert(sizeof(Coordinate) == 3);
static_assert(sizeof(SMSetup) == 9);
static_assert(sizeof(LocationSetup) == 9);
static_assert(sizeof(Setup) == 33);
static_assert(offsetof(Setup, SSValues) == 0);
static_assert(offsetof(Setup, SMValues) == 13);
static_assert(offsetof(Setup, SMValues) + offsetof(SMSetup, SelectMagn) == 18);
static_assert(offsetof(Setup, LocValues) == 22);
static_assert(offsetof(Setup, LocValues) + offsetof(LocationSetup, Lat) == 25);
static_assert(offsetof(Setup, LocValues) + offsetof(LocationSetup, North) == 28);
static_assert(offsetof(Setup, LocValues) + offsetof(LocationSetup, West) == 29);
static_assert(offsetof(Setup, LocValues) + offsetof(LocationSetup, GMT) == 30);
static_assert(offsetof(Setup, Planets) == 31);
static_assert(offsetof(Setup, Names) == 32);

// The sizes of the record in the files of each version: the oldest files stop after the
// location, the next after the planets' layer.
constexpr size_t kSetupSizeBeforePlanets = offsetof(Setup, Planets);
constexpr size_t kSetupSizeBeforeNames = offsetof(Setup, Names);

constexpr const char* kConfigFile = "Velmoria.cfg";

// The defaults: every Solar System flag on; Star Map layers on (planets and names too) but an
// opaque sphere; limiting magnitude 4.0; the observer at 0 degrees north, 0 degrees west.
Setup DefaultSetup();

// The limiting magnitudes the Star Map offers.
constexpr float kMinSelectMagn = -2.0f;
constexpr float kMaxSelectMagn = 12.0f;

// Replaces every field that lies outside its range with that field's default and keeps the
// rest: limiting magnitude -2..12 (not a number is outside), latitude 0..90 degrees,
// longitude 0..180 degrees, minutes and seconds 0..59.
void KeepInRange(Setup& values);

// How the configuration routines tell the user: (text, caption, flags) of one message box.
using ConfigReport = std::function<void(const std::string& text, const char* caption,
                                        unsigned flags)>;

// Reads the configuration file `path` into `values`. A missing file is created holding the
// defaults, which are used without a message; a short file is reported (warning, then info),
// written anew with the defaults, which are used; a file that cannot be created is reported as
// an error and the defaults are used. A 31- or 32-byte file is read with the layers it does not
// hold shown, a longer one from its first 33 bytes, and a field out of its range is replaced by
// its default (KeepInRange).
void ReadConfig(const char* path, Setup& values, const ConfigReport& report);

// Writes `values` as exactly 33 bytes to `path`, or through a symbolic link to the file it
// names. An existing file is replaced by a file written beside it, with the old file's
// permissions, so that a failed write never destroys it; where no file can be made beside it
// the file is written in place. A file marked read-only is left alone and reported as
// "Unable to open file", as is a file that cannot be created; a failed write is reported as
// "Unable to write to file".
void StoreConfig(const char* path, const Setup& values, const ConfigReport& report);
