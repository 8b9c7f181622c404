// Turns the source tables of data/ into the byte images of "Data\Stars.dat", "Data\NGCMess.dat"
// and "Data\Solobj.dat", and checks such images independently of the code that built them.
#pragma once

#include "CsvTable.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One star of data/stars.csv.
struct StarSource
{
    uint32_t Hip = 0;             // Hipparcos number
    double RaHours = 0;           // right ascension J2000, hours 0..24
    double DecDeg = 0;            // declination J2000, degrees -90..+90
    double VMag = 0;              // apparent visual magnitude
    std::string Name;             // proper name, "N/A" when none
    bool TraditionalName = false; // the name is not in the IAU Catalog of Star Names
    std::string Design;           // designation within the constellation
    std::string SpectClass;       // spectral class, e.g. "A1", "WC"
    std::string LumClass;         // luminosity class, e.g. "V", "Iab"; empty when unknown
    std::optional<double> BV;     // colour index B-V, magnitudes
    int Const = 0;                // constellation number 1..89
    double PmRa = 0;              // proper motion mu_alpha* (data/star_motions.csv), mas per year
    double PmDec = 0;             // proper motion mu_delta, mas per year
};

// One figure segment of data/constellation_lines.csv.
struct FigureSegment
{
    int Const = 0;
    uint32_t Hip1 = 0;
    uint32_t Hip2 = 0;
};

// One object of data/ngcmess.csv.
struct DeepSkySource
{
    int Messier = 0;      // 0 when the object has no Messier number
    int Ngc = 0;          // NGC number
    int Type = 0;         // card type code 0..6
    std::string Size;     // apparent size text
    std::string Comments; // card comment, words joined by '_'
    double RaHours = 0;
    double DecDeg = 0;
    double VMag = 0;
    int Const = 0;
};

// One body of data/solobj.csv.
struct SolarSource
{
    char Kind = 0; // 'P' planet, 'C' comet
    std::string Name;
    double SemiAxisAu = 0; // semi-major axis, au
    double Eccentricity = 0;
    double InclinationDeg = 0;
    double AscNodeDeg = 0;
    double ArgPerihelionDeg = 0;
    double PerihelionJd = 0; // Julian day of a perihelion passage
    double PeriodDays = 0;
};

// What the star build did, for the summary line.
struct StarBuildReport
{
    int Stars = 0;
    int Links = 0; // segments encoded in NLink1/NLink2
    int ConstellationsWithStars = 0;
    int ConstellationsWithFigures = 0;
    int DroppedSegments = 0;            // figure segments with an end outside the catalogue
    std::vector<std::string> DroppedBy; // "ORI 7" per constellation that lost segments
};

// Luminosity-class code of the star card: 1 dwarf, 2 giant, 3 supergiant, 4 main sequence,
// 5 superhot (Wolf-Rayet and O stars below the supergiants), 0 when the class is not known.
uint8_t SizeCode(std::string_view spectClass, std::string_view lumClass);

// Colour code of the star card (1 Red ... 8 Yellow-orange) from the spectral class, or from
// B-V when the class is missing; 0 when neither is known.
uint8_t ColorCode(std::string_view spectClass, std::optional<double> bv);

// Gives each edge (pair of vertex numbers 0..vertexCount-1) to one of its two ends so that no
// vertex owns more than two edges. owned[v] lists the partners of v's edges, -1 where unused.
// Returns false when no such assignment exists.
bool AssignLinks(int vertexCount, const std::vector<std::pair<int, int>>& edges,
                 std::vector<std::array<int, 2>>& owned);

// Reads the rows of the source tables; false with a message naming the bad row.
bool LoadStars(const CsvTable& table, std::vector<StarSource>& stars, std::string& error);
bool LoadSegments(const CsvTable& table, std::vector<FigureSegment>& segments, std::string& error);
bool LoadDeepSky(const CsvTable& table, std::vector<DeepSkySource>& objects, std::string& error);
bool LoadSolar(const CsvTable& table, std::vector<SolarSource>& bodies, std::string& error);

// Gives every star its proper motion from data/star_motions.csv (hip, pm_ra_mas, pm_dec_mas):
// each star needs exactly one row, and the motions must be plausible (sky/StarMotion.h).
bool LoadStarMotions(const CsvTable& table, std::vector<StarSource>& stars, std::string& error);

// The order of the star file's records: indices into `stars`, by constellation block,
// brightest first inside a block, HIP breaking ties.
std::vector<size_t> StarFileOrder(const std::vector<StarSource>& stars);

// Builds the proper-motion file image (sky/StarMotion.h): one record per star in the order of
// the star file.
std::vector<uint8_t> BuildStarMotionFile(const std::vector<StarSource>& stars);

// Builds the star file image: records sorted into constellation blocks (brightest first),
// figure segments with both ends in the catalogue encoded as NLink1/NLink2.
bool BuildStarFile(const std::vector<StarSource>& stars, const std::vector<FigureSegment>& segments,
                   std::vector<uint8_t>& image, StarBuildReport& report, std::string& error);

// Builds the deep-sky file image in table order.
bool BuildNgcMessFile(const std::vector<DeepSkySource>& objects, std::vector<uint8_t>& image,
                      std::string& error);

// Builds the orbital-elements file image in table (slot) order.
bool BuildSolobjFile(const std::vector<SolarSource>& bodies, std::vector<uint8_t>& image,
                     std::string& error);

// Checks a star file image: 690 records, ascending blocks, links inside their block and
// pointing at another star, no segment given twice, text fields terminated and zero-padded,
// every non-empty block with at least one line, values in range. False with the first fault.
bool CheckStarFile(const std::vector<uint8_t>& image, std::string& error);

// Checks a deep-sky file image: 33 records, all seven types, fields in range and padded.
bool CheckNgcMessFile(const std::vector<uint8_t>& image, std::string& error);

// Checks an orbital-elements file image: 11 records, planets Mercury..Pluto in slots 0..8 and
// the comets Halley and Encke in slots 9 and 10, elements in range, names padded.
bool CheckSolobjFile(const std::vector<uint8_t>& image, std::string& error);
