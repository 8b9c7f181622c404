// The Almanac's reference tables (tests/almanac/*_reference.csv), made from astronomy-engine
// 2.1.19 by tools/reference/ephemeris_reference.js (mode "almanac"): named columns of texts,
// '#' lines skipped. Instants in them are UT seconds since 1901-01-01 00:00 UT.
#pragma once

#include "sky/Ephemeris.h"

#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace almanac_test
{
struct ReferenceTable
{
    std::map<std::string, size_t> column;
    std::vector<std::vector<std::string>> rows;

    const std::string& Text(size_t row, const std::string& name) const
    {
        return rows.at(row).at(column.at(name));
    }
    double Number(size_t row, const std::string& name) const { return std::stod(Text(row, name)); }
};

inline ReferenceTable ReadReference(const std::string& name)
{
    ReferenceTable table;
    std::ifstream in(std::string(VELMORIA_SOURCE_DIR) + "/tests/almanac/" + name);
    if (!in)
        throw std::runtime_error("missing reference table " + name);
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> cells;
        std::stringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ','))
            cells.push_back(field);
        // A line ending with a comma has an empty last field.
        if (line.back() == ',')
            cells.emplace_back();
        if (table.column.empty())
            for (size_t k = 0; k < cells.size(); ++k)
                table.column[cells[k]] = k;
        else
            table.rows.push_back(cells);
    }
    return table;
}

inline double JulianDateOfSeconds(double seconds)
{
    return sky::kJulianDate1901 + seconds / sky::kSecondsPerDay;
}

constexpr double kMinutesPerDay = 1440.0;

// The worst error of one kind over a test, printed with the test's output.
struct Worst
{
    double value = 0;
    std::string where;
    void Take(double error, const std::string& at)
    {
        if (error > value)
        {
            value = error;
            where = at;
        }
    }
};
} // namespace almanac_test
