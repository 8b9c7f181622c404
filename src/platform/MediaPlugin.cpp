// The media module (velmoria_media.so): the only code of the program that links Qt Multimedia.
// The program loads it on first use through platform/MediaModule.h.
#include "platform/MediaModule.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QSoundEffect>
#include <QVideoFrame>
#include <QVideoSink>

namespace
{
class BackEndFilm : public platform::FilmPlayer
{
public:
    // Takes `player`, plays `film` on it looping and tells `events`.
    BackEndFilm(QMediaPlayer* player, const QUrl& film, const platform::FilmEvents& events)
        : player(player), sink(new QVideoSink(player))
    {
        player->setVideoSink(sink);
        QObject::connect(sink, &QVideoSink::videoFrameChanged, player,
                         [frame = events.frame](const QVideoFrame& f)
                         {
                             if (f.isValid() && frame)
                                 frame(f.toImage());
                         });
        QObject::connect(player, &QMediaPlayer::errorOccurred, player,
                         [failed = events.failed](QMediaPlayer::Error, const QString& text)
                         {
                             if (failed)
                                 failed(text);
                         });
        QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                         [player, failed = events.failed](QMediaPlayer::MediaStatus status)
                         {
                             if (status == QMediaPlayer::InvalidMedia && failed)
                                 failed(player->errorString());
                         });
        if (events.duration)
            QObject::connect(player, &QMediaPlayer::durationChanged, player, events.duration);
        if (events.position)
            QObject::connect(player, &QMediaPlayer::positionChanged, player, events.position);
        QObject::connect(player, &QMediaPlayer::playbackStateChanged, player,
                         [playing = events.playing](QMediaPlayer::PlaybackState state)
                         {
                             if (playing)
                                 playing(state == QMediaPlayer::PlayingState);
                         });
        player->setLoops(QMediaPlayer::Infinite);
        player->setSource(film);
        player->play();
    }

    ~BackEndFilm() override
    {
        player->disconnect();
        sink->disconnect();
        player->stop();
        player->setSource(QUrl());
        player->deleteLater();
    }

    void Play() override { player->play(); }
    void Pause() override { player->pause(); }
    bool IsPlaying() const override
    {
        return player->playbackState() == QMediaPlayer::PlayingState;
    }
    void SetPosition(qint64 ms) override { player->setPosition(ms); }

private:
    QMediaPlayer* player;
    QVideoSink* sink;
};

class MediaPlugin : public QObject, public platform::MediaModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VELMORIA_MEDIA_MODULE_IID)
    Q_INTERFACES(platform::MediaModule)

public:
    void PlayLoop(const QString& file, QObject* owner) override
    {
        StopLoop();
        effect = new QSoundEffect(owner);
        effect->setSource(QUrl::fromLocalFile(file));
        effect->setLoopCount(QSoundEffect::Infinite);
        effect->play();
    }

    // Qt Multimedia's sample cache goes with the program's exit handlers and an effect released
    // after it reads freed memory: the effect is released here or with its owner, never later.
    void StopLoop() override
    {
        if (!effect)
            return;
        effect->stop();
        delete effect;
    }

    bool HasSoundOutput() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

    std::unique_ptr<platform::FilmPlayer> OpenFilm(const QUrl& film,
                                                   platform::FilmEvents events) override
    {
        auto* player = new QMediaPlayer;
        if (!player->isAvailable())
        {
            delete player;
            return nullptr;
        }
        return std::make_unique<BackEndFilm>(player, film, events);
    }

private:
    QPointer<QSoundEffect> effect;
};
} // namespace

#include "MediaPlugin.moc"
