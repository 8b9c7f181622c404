#include "sky/StarMotion.h"

#include <algorithm>
#include <cmath>

namespace sky
{
std::vector<ProperMotion> ReadStarMotions(std::FILE* f, int count)
{
    std::vector<ProperMotion> motions(static_cast<size_t>(std::clamp(count, 0, 100000)),
                                      ProperMotion{0.0, 0.0});
    if (!f || motions.empty() || std::fseek(f, 0, SEEK_SET) != 0)
        return motions;
    std::vector<StarMotionRecord> records(motions.size());
    if (std::fread(records.data(), sizeof(StarMotionRecord), records.size(), f) != records.size())
        return motions;
    const auto plausible = [](float v)
    { return std::isfinite(v) && std::fabs(v) <= kLargestProperMotion; };
    for (size_t i = 0; i < records.size(); ++i)
        if (plausible(records[i].PmRa) && plausible(records[i].PmDec))
            motions[i] = {records[i].PmRa, records[i].PmDec};
    return motions;
}
} // namespace sky
