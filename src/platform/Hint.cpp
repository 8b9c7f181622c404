#include "platform/Hint.h"

namespace platform
{
namespace
{
HintSink& Sink()
{
    static HintSink sink;
    return sink;
}
} // namespace

void SetHintSink(HintSink sink)
{
    Sink() = std::move(sink);
}

void SetHint(const char* text)
{
    if (Sink())
        Sink()(text);
}
} // namespace platform
