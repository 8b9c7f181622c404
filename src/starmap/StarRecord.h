// The 49-byte star record of "Data\Stars.dat" and the 50-byte deep-sky record of
// "Data\NGCMess.dat". The single definitions shared by the readers, the cards, the
// data generator and the tests.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

static_assert(std::endian::native == std::endian::little,
              "records are read by copying little-endian bytes");

// The catalogue files.
constexpr const char* kStarsFile = "Data\\Stars.dat";
constexpr const char* kNgcMessFile = "Data\\NGCMess.dat";

#pragma pack(push, 1)
// Bit fields of StarDB::Propert: luminosity-class and colour codes shown on the star card, and
// the kind of the star's proper name. Files written before the name's kind was stored have the
// bit clear and read as IAU names.
struct Properties
{
    uint16_t size : 4;            // luminosity-class code, 0 = not given
    uint16_t color : 4;           // colour code
    uint16_t traditionalName : 1; // 1: a traditional name the IAU Catalog of Star Names lacks
    uint16_t unused : 7;          // always zero
};

struct StarDB
{
    uint8_t NumConst;   // constellation number 1..89 (index + 1 into ConstName)
    char StarName[21];  // proper name, NUL-terminated; "N/A..." when the star has none
    char Design[8];     // designation within the constellation, NUL-terminated
    float RA;           // right ascension, hours, 0 <= RA < 24
    float Dec;          // declination, degrees, -90..+90
    float Magnitude;    // apparent visual magnitude
    char SpectType[3];  // spectral class, NUL-padded
    uint8_t NLink1;     // 1-based partner within the constellation block, 0 = no line
    uint8_t NLink2;     // second partner, used only when NLink1 != 0
    Properties Propert; // size and colour codes
};

struct NGCMessDB
{
    uint8_t NumConst;  // constellation number 1..89
    uint8_t Messier;   // Messier number, 0 = none
    uint16_t NGC;      // NGC number
    uint8_t Type;      // 0 spiral, 1 elliptical, 2 irregular galaxy, 3 planetary nebula,
                       // 4 diffuse nebula, 5 open cluster, 6 globular cluster
    char Size[9];      // apparent size as text, NUL-terminated
    char Comments[23]; // morphology, member count or remark, NUL-terminated
    float RA;          // right ascension, hours
    float Dec;         // declination, degrees
    float Magnitude;   // apparent magnitude
    uint8_t Photo;     // carried, never read
};
#pragma pack(pop)

static_assert(sizeof(Properties) == 2);
static_assert(sizeof(StarDB) == 49);
static_assert(offsetof(StarDB, NumConst) == 0);
static_assert(offsetof(StarDB, StarName) == 1);
static_assert(offsetof(StarDB, Design) == 22);
static_assert(offsetof(StarDB, RA) == 30);
static_assert(offsetof(StarDB, Dec) == 34);
static_assert(offsetof(StarDB, Magnitude) == 38);
static_assert(offsetof(StarDB, SpectType) == 42);
static_assert(offsetof(StarDB, NLink1) == 45);
static_assert(offsetof(StarDB, NLink2) == 46);
static_assert(offsetof(StarDB, Propert) == 47);

static_assert(sizeof(NGCMessDB) == 50);
static_assert(offsetof(NGCMessDB, NumConst) == 0);
static_assert(offsetof(NGCMessDB, Messier) == 1);
static_assert(offsetof(NGCMessDB, NGC) == 2);
static_assert(offsetof(NGCMessDB, Type) == 4);
static_assert(offsetof(NGCMessDB, Size) == 5);
static_assert(offsetof(NGCMessDB, Comments) == 14);
static_assert(offsetof(NGCMessDB, RA) == 37);
static_assert(offsetof(NGCMessDB, Dec) == 41);
static_assert(offsetof(NGCMessDB, Magnitude) == 45);
static_assert(offsetof(NGCMessDB, Photo) == 49);

// Number of records the views work with.
constexpr int kStarCount = 690;
constexpr int kNgcMessCount = 33;
