#include "platform/Sound.h"

#include "platform/Files.h"
#include "platform/MediaModule.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <utility>

namespace platform
{
namespace
{
struct SoundState
{
    std::string current;
    SoundHook hook;
    // The module that plays now: a test may point the loader at another one meanwhile.
    MediaModule* playing = nullptr;
};

SoundState& State()
{
    static SoundState state;
    return state;
}

void StopPlaying(SoundState& s)
{
    if (s.playing)
        s.playing->StopLoop();
    s.playing = nullptr;
}
} // namespace

void PlaySoundLoop(const char* path)
{
    SoundState& s = State();
    s.current = path ? path : "";
    if (s.hook)
    {
        s.hook(s.current);
        return;
    }
    StopPlaying(s);
    const QFileInfo file(QString::fromStdString(NativePath(path)));
    if (!file.isFile() || !QCoreApplication::instance())
        return;
    s.playing = LoadMediaModule();
    if (s.playing)
        s.playing->PlayLoop(file.absoluteFilePath(), QCoreApplication::instance());
}

void StopSound()
{
    SoundState& s = State();
    s.current.clear();
    if (s.hook)
    {
        s.hook("");
        return;
    }
    StopPlaying(s);
}

std::string CurrentSound()
{
    return State().current;
}

SoundHook SetSoundHook(SoundHook hook)
{
    return std::exchange(State().hook, std::move(hook));
}
} // namespace platform
