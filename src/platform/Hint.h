// The hint line of the main frame's status bar, as any window of the program may write it:
// the frame installs the line, everything else only writes to it.
#pragma once

#include <functional>

namespace platform
{
// Where hints go; an empty function drops them (no frame yet, or tests without one).
using HintSink = std::function<void(const char* text)>;
void SetHintSink(HintSink sink);

// Writes `text` to the hint line.
void SetHint(const char* text);
} // namespace platform
