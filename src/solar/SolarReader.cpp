#include "solar/SolarReader.h"

#include "platform/Files.h"

#include <algorithm>
#include <cstring>

namespace solar
{
void ConvertSolarRecord(const SolarObjects& record, SolObjects& body)
{
    body.ID = record.ID;
    // The field is NUL-terminated in a sound file; a damaged one is cut at 16 characters.
    const size_t length = strnlen(record.Name, sizeof record.Name - 1);
    std::memcpy(body.Name, record.Name, length);
    body.Name[length] = '\0';
    body.Elements = {record.SemiAxis, record.Eccentr,  record.Inclin, record.AscenNode,
                     record.ArgPer,   record.PeriDate, record.Period};
}

SolarReadResult ReadSolarRecords(std::FILE* f, long size, SolObjects table[kSolarSlots],
                                 SolarObjects& buffer)
{
    if (!f || size < 0)
        return SolarReadResult::ReadFailed;
    const unsigned long count = std::min<unsigned long>(
        static_cast<unsigned long>(size) / sizeof(SolarObjects), kSolarSlots);
    for (unsigned long i = 0; i < count; ++i)
    {
        if (std::fread(&buffer, sizeof buffer, 1, f) != 1)
            return SolarReadResult::ReadFailed;
        ConvertSolarRecord(buffer, table[i]);
    }
    return SolarReadResult::Ok;
}

SolarReadResult ReadSolarFile(const char* path, SolObjects table[kSolarSlots], SolarObjects& buffer)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
        return SolarReadResult::OpenFailed;
    // A shorter file on a later entry must not leave bodies of the previous one behind.
    std::fill(table, table + kSolarSlots, SolObjects{});
    const SolarReadResult result = ReadSolarRecords(f, platform::FileSize(f), table, buffer);
    std::fclose(f);
    return result;
}
} // namespace solar
