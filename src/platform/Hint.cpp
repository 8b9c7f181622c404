#include "platform/Hint.h"

namespace platform
{
namespace
{
HintSink sink;
} // namespace

void SetHintSink(HintSink replacement)
{
    sink = std::move(replacement);
}

void SetHint(const char* text)
{
    if (sink)
        sink(text);
}
} // namespace platform
