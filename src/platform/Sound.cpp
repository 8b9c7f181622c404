#include "platform/Sound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

#include "platform/Files.h"

namespace platform
{
namespace
{
struct SoundState
{
    std::unique_ptr<QSoundEffect> effect;
    std::string current;
    SoundHook hook;
};

SoundState& State()
{
    static SoundState state;
    return state;
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
    if (s.effect)
        s.effect->stop();
    const QFileInfo file(QString::fromStdString(NativePath(path)));
    if (!file.isFile())
        return;
    if (!s.effect)
        s.effect = std::make_unique<QSoundEffect>();
    s.effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    s.effect->setLoopCount(QSoundEffect::Infinite);
    s.effect->play();
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
    if (s.effect)
        s.effect->stop();
}

std::string CurrentSound()
{
    return State().current;
}

SoundHook SetSoundHook(SoundHook hook)
{
    SoundHook old = std::move(State().hook);
    State().hook = std::move(hook);
    return old;
}
} // namespace platform
