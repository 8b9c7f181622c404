#include "starmap/StarReader.h"

#include "platform/Files.h"
#include "starmap/Globe.h"

#include <algorithm>

namespace starreader
{
namespace
{
template <typename Record, typename Entry, typename Copy>
ReadResult ReadRecords(std::FILE* f, Record* buffer, Entry* table, int capacity, Copy copy)
{
    ReadResult result{true, 0};
    const long size = platform::FileSize(f);
    if (size < 0)
    {
        result.ok = false;
        return result;
    }
    const long records = size / static_cast<long>(sizeof(Record));
    const int n = static_cast<int>(std::min<long>(records, capacity));
    for (int i = 0; i < n; ++i)
    {
        if (std::fread(buffer, sizeof(Record), 1, f) != 1)
        {
            result.ok = false;
            return result;
        }
        copy(*buffer, table[i]);
        result.stored = i + 1;
    }
    return result;
}
} // namespace

ReadResult ReadStars(std::FILE* f, StarDB* buffer, Stars* stars, int capacity)
{
    return ReadRecords(f, buffer, stars, capacity,
                       [](const StarDB& rec, Stars& s)
                       {
                           s.RA = rec.RA * 15;
                           s.Dec = static_cast<float>(rec.Dec * globe::kDegToRad);
                           s.Magnitude = rec.Magnitude;
                           s.NLink1 = rec.NLink1;
                           s.NLink2 = rec.NLink2;
                           s.NumConst = rec.NumConst;
                       });
}

ReadResult ReadNgcMess(std::FILE* f, NGCMessDB* buffer, NgcMessObj* objects, int capacity)
{
    return ReadRecords(f, buffer, objects, capacity,
                       [](const NGCMessDB& rec, NgcMessObj& o)
                       {
                           o.RA = rec.RA * 15;
                           o.Dec = static_cast<float>(rec.Dec * globe::kDegToRad);
                           o.Magnitude = rec.Magnitude;
                       });
}
} // namespace starreader
