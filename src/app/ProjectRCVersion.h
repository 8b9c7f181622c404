// Reader of the program file's version resource, used by the About box while it sets itself up.
#pragma once

#include "platform/VersionInfo.h"

#include <cstdint>
#include <memory>
#include <string>

class TProjectRCVersion
{
public:
    // Reads the version block of the program file `modulePath` (by default the running
    // program). Holds no data when the file has no well-formed block or no translation table.
    explicit TProjectRCVersion(const std::string& modulePath = GetModuleFileName());
    virtual ~TProjectRCVersion();

    // TransBlock points into FVData: a copy would point into another object's buffer.
    TProjectRCVersion(const TProjectRCVersion&) = delete;
    TProjectRCVersion& operator=(const TProjectRCVersion&) = delete;

    // Sets `value` to the text of `key` ("CompanyName", "ProductName", "ProductVersion",
    // "LegalCopyright", "SpecialBuild"), NUL-terminated UTF-8 inside this object (valid while it
    // lives), and returns true; false, with `value` unchanged, when no data is held or the key is
    // absent from the string table of the first translation entry.
    bool GetValue(const char* key, const char*& value) const;

protected:
    // The first translation entry inside FVData, its 16-bit halves swapped in place so that the
    // language is the high half; null when no data is held.
    uint8_t* TransBlock = nullptr;
    // Owned copy of the version block, or null.
    std::unique_ptr<uint8_t[]> FVData;
};
