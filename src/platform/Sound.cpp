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

SoundState state;

void StopPlaying()
{
    if (state.playing)
        state.playing->StopLoop();
    state.playing = nullptr;
}
} // namespace

void PlaySoundLoop(const char* path)
{
    state.current = path ? path : "";
    if (state.hook)
    {
        state.hook(state.current);
        return;
    }
    StopPlaying();
    const QFileInfo file(QString::fromStdString(NativePath(path)));
    if (!file.isFile() || !QCoreApplication::instance())
        return;
    state.playing = LoadMediaModule();
    if (state.playing)
        state.playing->PlayLoop(file.absoluteFilePath(), QCoreApplication::instance());
}

void StopSound()
{
    state.current.clear();
    if (state.hook)
    {
        state.hook("");
        return;
    }
    StopPlaying();
}

std::string CurrentSound()
{
    return state.current;
}

SoundHook SetSoundHook(SoundHook hook)
{
    return std::exchange(state.hook, std::move(hook));
}
} // namespace platform
