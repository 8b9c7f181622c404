#include "app/ProjectRCVersion.h"

#include <cstdio>
#include <cstring>
#include <utility>

TProjectRCVersion::TProjectRCVersion(const std::string& modulePath)
{
    // Paths are bytes in the system's encoding already: there is no OEM character set to leave.
    const uint32_t size = GetFileVersionInfoSize(modulePath.c_str());
    if (size == 0)
        return;
    FVData = std::make_unique<uint8_t[]>(size);
    const void* translation = nullptr;
    uint32_t length = 0;
    // A translation table shorter than one entry is treated as missing, not read past its end.
    if (!GetFileVersionInfo(modulePath.c_str(), size, FVData.get()) ||
        !VerQueryValue(FVData.get(), "\\VarFileInfo\\Translation", &translation, &length) ||
        length < 4)
    {
        FVData.reset();
        return;
    }
    TransBlock = FVData.get() + (static_cast<const uint8_t*>(translation) - FVData.get());
    std::swap(TransBlock[0], TransBlock[2]);
    std::swap(TransBlock[1], TransBlock[3]);
}

TProjectRCVersion::~TProjectRCVersion() = default;

bool TProjectRCVersion::GetValue(const char* key, const char*& value) const
{
    if (!FVData || TransBlock == nullptr)
        return false;
    const unsigned long entry = static_cast<unsigned long>(TransBlock[0]) |
                                (static_cast<unsigned long>(TransBlock[1]) << 8) |
                                (static_cast<unsigned long>(TransBlock[2]) << 16) |
                                (static_cast<unsigned long>(TransBlock[3]) << 24);
    char path[256]; // 255 characters and the NUL
    const int n = std::snprintf(path, sizeof path, "\\StringFileInfo\\%08lx\\%s", entry, key);
    if (n < 0 || static_cast<size_t>(n) >= sizeof path)
        return false; // a cut path could name another key
    const void* found = nullptr;
    uint32_t length = 0;
    if (!VerQueryValue(FVData.get(), path, &found, &length))
        return false;
    // A binary value under a string key need not be terminated: never hand it out as text.
    if (length != 0 && std::memchr(found, 0, length) == nullptr)
        return false;
    value = static_cast<const char*>(found);
    return true;
}
