#include "CsvTable.h"

#include <fstream>
#include <sstream>

int CsvTable::FindColumn(std::string_view name) const
{
    for (size_t i = 0; i < Header.size(); ++i)
    {
        if (Header[i] == name)
            return static_cast<int>(i);
    }
    return -1;
}

bool ParseCsv(std::string_view text, CsvTable& table, std::string& error)
{
    table = CsvTable{};
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;

    auto endRow = [&]() -> bool
    {
        row.push_back(field);
        field.clear();
        fieldStarted = false;
        // Blank lines carry no record.
        if (row.size() == 1 && row[0].empty())
        {
            row.clear();
            return true;
        }
        if (table.Header.empty())
            table.Header = std::move(row);
        else if (row.size() != table.Header.size())
        {
            error = "line " + std::to_string(line) + ": " + std::to_string(row.size()) +
                    " fields, header has " + std::to_string(table.Header.size());
            return false;
        }
        else
            table.Rows.push_back(std::move(row));
        row.clear();
        return true;
    };

    for (size_t i = 0; i < text.size(); ++i)
    {
        const char c = text[i];
        if (quoted)
        {
            if (c == '"')
            {
                if (i + 1 < text.size() && text[i + 1] == '"')
                {
                    field.push_back('"');
                    ++i;
                }
                else
                    quoted = false;
            }
            else
            {
                if (c == '\n')
                    ++line;
                field.push_back(c);
            }
            continue;
        }
        if (c == '"' && !fieldStarted)
        {
            quoted = true;
            fieldStarted = true;
        }
        else if (c == ',')
        {
            row.push_back(field);
            field.clear();
            fieldStarted = false;
        }
        else if (c == '\r')
            continue;
        else if (c == '\n')
        {
            if (!endRow())
                return false;
            ++line;
        }
        else
        {
            field.push_back(c);
            fieldStarted = true;
        }
    }
    if (quoted)
    {
        error = "line " + std::to_string(line) + ": unterminated quoted field";
        return false;
    }
    if (fieldStarted || !row.empty())
    {
        if (!endRow())
            return false;
    }
    if (table.Header.empty())
    {
        error = "no header row";
        return false;
    }
    return true;
}

bool ReadCsvFile(const std::string& path, CsvTable& table, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
    {
        error = "cannot open " + path;
        return false;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    if (!ParseCsv(buffer.str(), table, error))
    {
        error = path + ": " + error;
        return false;
    }
    return true;
}
