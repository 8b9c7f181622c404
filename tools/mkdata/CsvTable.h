// A small reader for the comma-separated source tables in data/: a header row, then one
// record per line; fields may be quoted ("a, b" or "say ""x"""), UTF-8 text is kept as bytes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CsvTable
{
    std::vector<std::string> Header;
    std::vector<std::vector<std::string>> Rows;

    // Index of the named header column, or -1 when the table has no such column.
    int FindColumn(std::string_view name) const;
};

// Parses CSV text into a table; every row must have as many fields as the header. Returns false
// and a message naming the line on malformed input.
bool ParseCsv(std::string_view text, CsvTable& table, std::string& error);

// Reads and parses a CSV file; false with a message when the file cannot be read or parsed.
bool ReadCsvFile(const std::string& path, CsvTable& table, std::string& error);
