#include "platform/Sound.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include "platform/Files.h"

namespace platform
{
namespace
{
// The effect belongs to the application object, never to this function-static state: Qt
// Multimedia's sample cache goes with the exit handlers, and an effect released after it reads
// freed memory. Stopping the sound releases the effect at once.
struct SoundState
{
    QPointer<QSoundEffect> effect;
    std::string current;
    SoundHook hook;
};

SoundState& State()
{
    static SoundState state;
    return state;
}

void ReleaseEffect(SoundState& s)
{
    if (!s.effect)
        return;
    s.effect->stop();
    delete s.effect;
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
    ReleaseEffect(s);
    const QFileInfo file(QString::fromStdString(NativePath(path)));
    if (!file.isFile() || !QCoreApplication::instance())
        return;
    s.effect = new QSoundEffect(QCoreApplication::instance());
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
    ReleaseEffect(s);
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
