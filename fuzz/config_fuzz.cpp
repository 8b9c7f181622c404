// Feeds arbitrary bytes to the configuration reader as "Velmoria.cfg". Whatever the file
// holds, the options read must lie in their ranges, and writing them and reading them back
// must give the same 33 bytes.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "model/Config.h"

namespace
{
std::string gDir;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool CoordinateInRange(const Coordinate& c, int maxDegree)
{
    return c.Degree <= maxDegree && c.Minute <= 59 && c.Second <= 59;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char dir[] = "/tmp/velmoria-config-fuzz-XXXXXX";
    if (!mkdtemp(dir))
        std::abort();
    gDir = dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string path = gDir + "/Velmoria.cfg";
    const std::string copy = gDir + "/Copy.cfg";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    const ConfigReport quiet = [](const std::string&, const char*, unsigned) {};
    Setup values{};
    ReadConfig(path.c_str(), values, quiet);
    const float magnitude = values.SMValues.SelectMagn;
    Require(magnitude >= kMinSelectMagn && magnitude <= kMaxSelectMagn);
    Require(CoordinateInRange(values.LocValues.Lat, 90));
    Require(CoordinateInRange(values.LocValues.Lon, 180));

    StoreConfig(copy.c_str(), values, quiet);
    Setup again{};
    ReadConfig(copy.c_str(), again, quiet);
    Require(std::memcmp(&values, &again, sizeof values) == 0);
    std::remove(copy.c_str());
    return 0;
}
