#include "starmap/StarReader.h"

#include "platform/Files.h"

#include <algorithm>

namespace starreader
{
namespace
{
template <typename Record>
ReadResult ReadRecords(std::FILE* f, std::vector<Record>& records, int capacity)
{
    records.clear();
    const long size = platform::FileSize(f);
    if (size < 0)
        return {false, 0};
    const long whole = size / static_cast<long>(sizeof(Record));
    const int n = static_cast<int>(std::clamp<long>(whole, 0, std::max(capacity, 0)));
    records.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
    {
        Record record{};
        if (std::fread(&record, sizeof record, 1, f) != 1)
            return {false, i};
        records.push_back(record);
    }
    return {true, n};
}
} // namespace

ReadResult ReadStars(std::FILE* f, std::vector<StarDB>& records, int capacity)
{
    return ReadRecords(f, records, capacity);
}

ReadResult ReadNgcMess(std::FILE* f, std::vector<NGCMessDB>& records, int capacity)
{
    return ReadRecords(f, records, capacity);
}
} // namespace starreader
