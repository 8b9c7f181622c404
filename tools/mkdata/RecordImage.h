// Helpers shared by the catalogue builders: reading typed fields of a source table by column
// name, and writing and reading packed records in a byte image.
#pragma once

#include "CsvTable.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Field access by column name with the row number in every message. The first failure is kept
// in `error`; later ones are ignored, so a loader may read a whole row and test Ok() once.
class RowReader
{
public:
    RowReader(const CsvTable& table, std::string& error) : table_(table), error_(error) {}

    // Column index of a required column; -1 (and a message) when missing.
    int Column(std::string_view name)
    {
        const int c = table_.FindColumn(name);
        if (c < 0 && ok_)
        {
            error_ = "missing column " + std::string(name);
            ok_ = false;
        }
        return c;
    }

    bool Ok() const { return ok_; }

    std::string Text(size_t row, int column) const
    {
        return column < 0 ? std::string() : table_.Rows[row][static_cast<size_t>(column)];
    }

    double Number(size_t row, int column)
    {
        double value = 0;
        const std::string text = Text(row, column);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size() ||
            !std::isfinite(value))
            Fail(row, column, "bad number '" + text + "'");
        return value;
    }

    std::optional<double> OptionalNumber(size_t row, int column)
    {
        if (Text(row, column).empty())
            return std::nullopt;
        return Number(row, column);
    }

    int Integer(size_t row, int column)
    {
        int value = 0;
        const std::string text = Text(row, column);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || ec != std::errc() || end != text.data() + text.size())
            Fail(row, column, "bad number '" + text + "'");
        return value;
    }

    // Records a fault of the row's field (the first fault wins).
    void Fail(size_t row, int column, const std::string& what)
    {
        if (!ok_)
            return;
        error_ = "row " + std::to_string(row + 2) + ", column " +
                 (column < 0 ? std::string("?") : table_.Header[static_cast<size_t>(column)]) +
                 ": " + what;
        ok_ = false;
    }

private:
    const CsvTable& table_;
    std::string& error_;
    bool ok_ = true;
};

// Copies text into a fixed field, NUL-terminated and NUL-padded; false when it does not fit.
inline bool CopyText(char* field, size_t width, const std::string& text)
{
    if (text.size() >= width || text.find('\0') != std::string::npos)
        return false;
    std::memset(field, 0, width);
    std::memcpy(field, text.data(), text.size());
    return true;
}

// True when a fixed field holds a terminated text followed only by NULs.
inline bool IsPaddedText(const char* field, size_t width, bool mayBeEmpty)
{
    const void* nul = std::memchr(field, 0, width);
    if (nul == nullptr)
        return false;
    const size_t length = static_cast<size_t>(static_cast<const char*>(nul) - field);
    if (length == 0 && !mayBeEmpty)
        return false;
    for (size_t i = length; i < width; ++i)
    {
        if (field[i] != 0)
            return false;
    }
    return true;
}

template <typename Record> void AppendRecord(std::vector<uint8_t>& image, const Record& record)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(&record);
    image.insert(image.end(), bytes, bytes + sizeof(Record));
}

// The record at `index` of an image of equal records, starting at byte `offset`.
template <typename Record>
Record RecordAt(const std::vector<uint8_t>& image, size_t index, size_t offset = 0)
{
    Record record;
    std::memcpy(&record, image.data() + offset + index * sizeof(Record), sizeof(Record));
    return record;
}

inline std::string RecordLabel(const char* kind, size_t index)
{
    return std::string(kind) + " record " + std::to_string(index);
}
