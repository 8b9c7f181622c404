#include "app/Config.h"

#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "platform/Files.h"
#include "platform/MessageBox.h"

Setup DefaultSetup()
{
    Setup s{};
    for (bool8& flag : s.SSValues)
        flag = 1;
    s.SMValues.Check[0] = 1;
    s.SMValues.Check[1] = 1;
    s.SMValues.Check[2] = 1;
    s.SMValues.Check[3] = 1;
    s.SMValues.Check[4] = 0;
    s.SMValues.SelectMagn = 4.0f;
    s.LocValues.Lon = {0, 0, 0};
    s.LocValues.Lat = {0, 0, 0};
    s.LocValues.North = 1;
    s.LocValues.West = 1;
    s.LocValues.GMT = 0;
    return s;
}

namespace
{
void CreateEmpty(const char* path, Setup& values, const ConfigReport& report)
{
    // Whatever happens, the program goes on with the defaults.
    values = DefaultSetup();
    if (std::FILE* f = platform::OpenFile(path, "wb+"))
        std::fclose(f);
    else
        report(platform::FileMessage("Unable to create file", path), platform::kCaptionError,
               platform::MB_ICONSTOP);
}
} // namespace

void ReadConfig(const char* path, Setup& values, const ConfigReport& report)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
    {
        CreateEmpty(path, values, report);
        return;
    }
    unsigned char bytes[sizeof(Setup)];
    const size_t got = std::fread(bytes, 1, sizeof bytes, f);
    std::fclose(f);
    if (got == sizeof bytes)
    {
        std::memcpy(&values, bytes, sizeof values);
        return;
    }
    report(platform::FileMessage("Unable to read from file", path), platform::kCaptionWarning,
           platform::MB_ICONEXCLAMATION);
    report("Will be setted configuration by default !!!", platform::kCaptionInfo,
           platform::MB_ICONINFORMATION);
    CreateEmpty(path, values, report);
}

void StoreConfig(const char* path, const Setup& values, const ConfigReport& report)
{
    const std::string target = platform::NativePath(path);
    const std::string temp = target + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb+");
    if (!f)
    {
        report(platform::FileMessage("Unable to open file", path), platform::kCaptionError,
               platform::MB_ICONSTOP);
        return;
    }
    bool ok = std::fwrite(&values, sizeof values, 1, f) == 1;
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok)
    {
        std::remove(temp.c_str());
        report(platform::FileMessage("Unable to write to file", path), platform::kCaptionError,
               platform::MB_ICONSTOP);
    }
}
