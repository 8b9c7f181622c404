// The program's music and the films of codecs it does not decode itself are played by Qt
// Multimedia, which brings the sound server's client and a dozen codecs with it. They live in a
// module of their own (velmoria_media.so, beside the program) that is loaded the first time
// something is to be heard or a foreign film is to be shown, so that the program starts without
// them. Without the module the program is silent and such films say that there is no media back
// end.
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

namespace platform
{
// What a film played by the media back end tells its window.
struct FilmEvents
{
    std::function<void(const QImage&)> frame;   // a frame is due on screen
    std::function<void(qint64)> duration;       // the film's length became known, milliseconds
    std::function<void(qint64)> position;       // the playing position moved, milliseconds
    std::function<void(bool)> playing;          // it started (true) or stopped playing
    std::function<void(const QString&)> failed; // it cannot be played: the back end's reason
};

// One film in the media back end. Destroying it stops the film and silences its events; the
// player itself is released once control is back in the event loop, so that a window may drop
// it from within one of its events.
class FilmPlayer
{
public:
    virtual ~FilmPlayer() = default;
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual bool IsPlaying() const = 0;
    virtual void SetPosition(qint64 ms) = 0;
};

class MediaModule
{
public:
    virtual ~MediaModule() = default;
    // Starts the wave file `file` (an absolute path) looping, in place of any sound that plays.
    // The sound's player belongs to `owner` and is gone with it at the latest.
    virtual void PlayLoop(const QString& file, QObject* owner) = 0;
    // Stops the sound and releases its player.
    virtual void StopLoop() = 0;
    // Whether the computer has a sound output device.
    virtual bool HasSoundOutput() const = 0;
    // A player that plays `film` looping from its start and tells `events`; null when the
    // computer has no media back end.
    virtual std::unique_ptr<FilmPlayer> OpenFilm(const QUrl& film, FilmEvents events) = 0;
};

// The module, loaded on the first call; null, after one warning on standard error, when it is
// missing or cannot be loaded. Later calls give the same answer.
MediaModule* LoadMediaModule();
// Why the module could not be loaded ("" when it was, or before the first try).
QString MediaModuleError();
// Where the module is looked for: the file given to SetMediaModuleFile, or velmoria_media.so
// beside the program. Setting a file forgets an earlier answer (tests load a missing and a
// damaged module); a module once loaded stays in memory.
QString MediaModuleFile();
void SetMediaModuleFile(const QString& file);
} // namespace platform

#define VELMORIA_MEDIA_MODULE_IID "io.velmoria.Velmoria.MediaModule/1"
Q_DECLARE_INTERFACE(platform::MediaModule, VELMORIA_MEDIA_MODULE_IID)
