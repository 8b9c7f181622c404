// Turns the source tables of the Astronomical Database (data/planets.csv, structure.csv,
// sun.csv, sun_elements.csv, moon.csv, satellites.csv, rings.csv) into the byte images of
// "Data\Planets.dat", "Data\Satellites.dat" and "Data\Rings.dat", and checks such images
// independently of the code that built them. Units, sentinels and conventions of the tables are
// described in data/README.md.
#pragma once

#include "CsvTable.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct DataBaseTables
{
    CsvTable Planets;     // nine rows, Mercury .. Pluto
    CsvTable Structure;   // inner-structure layers of the planets and the Moon
    CsvTable Sun;         // field,value,source
    CsvTable SunElements; // eleven elements
    CsvTable Moon;        // field,value,source
    CsvTable Satellites;  // the planets' satellites, the Moon excepted
    CsvTable Rings;       // rings, gaps and divisions
};

struct DataBaseImages
{
    std::vector<uint8_t> Planets;    // nine 344-byte planet records, then the 192-byte Sun record
    std::vector<uint8_t> Satellites; // 128-byte satellite records, then the 242-byte Moon record
    std::vector<uint8_t> Rings;      // 40-byte ring records
};

// What the build wrote, for the summary line: records per planet number 1..9 (index 0 unused).
struct DataBaseReport
{
    std::array<int, 10> Satellites{};
    std::array<int, 10> Rings{};
};

// Builds the three images from the tables, checking every value against its field: widths of
// the texts, ranges of the integers, the sentinels, the layer combinations the cards accept, the
// atmosphere chart's four parts, the layers adding up to the body's radius, and the satellite
// and ring counts of the planet table against the rows of the satellite and ring tables.
// False with a message naming the table, row and column of the first fault.
bool BuildDataBaseFiles(const DataBaseTables& tables, DataBaseImages& images,
                        DataBaseReport& report, std::string& error);

// Checks the images as the program will read them: sizes, planet numbers and order, terminated
// and zero-padded texts, sentinels, positive values where a card prints the exponent form or a
// comparison chart draws a bar, accepted layer combinations, satellite and ring records matching
// the planets' counts, and the Moon record never matching a planet in the satellite scan.
bool CheckDataBaseFiles(const DataBaseImages& images, std::string& error);

// Checks that the planets' semi-major axes, eccentricities and inclinations in the planet image
// agree with the orbital elements of the Solar System file (first nine records of Solobj.dat).
bool CheckPlanetOrbits(const std::vector<uint8_t>& planets, const std::vector<uint8_t>& solobj,
                       std::string& error);
