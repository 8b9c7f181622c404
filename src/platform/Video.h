// The video window: a child window that opens one film file and plays it, looping, with its own
// play bar (play and pause, position, time). It has no menu and cannot open another file. When
// the film cannot be played, or a film of a foreign kind finds no video playback on the
// computer, the window says so in its frame instead of staying black.
//
// Motion-JPEG and uncompressed films, the kinds the program ships, are decoded here frame by
// frame on a timer. Films of any other codec go to the computer's media back end through the
// media module (platform/MediaModule.h).
#pragma once

#include "platform/AviFile.h"
#include "platform/MediaModule.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <memory>

class QLabel;
class QSlider;
class QStackedLayout;
class QTimer;
class QToolButton;

namespace platform
{
class VideoWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens the film at the program's path ("Video\Sun.avi") and starts it, looping.
    VideoWindow(QWidget* parent, const char* path);
    ~VideoWindow() override;

    // Whether the film can be shown on this computer: always for the films decoded here; for
    // another codec, whether a media back end is installed. Without one the frame says so.
    bool HasBackend() const { return backend; }
    // Size of the film's picture in pixels once it is known; an empty size before.
    QSize DestinationSize() const { return filmSize; }
    // Height in pixels of everything below the picture: the play bar and its notice line.
    int BarHeight() const;
    // The text shown in place of the picture ("" while the film shows).
    QString FrameNotice() const;

    void Play();
    void Pause();
    bool IsPlaying() const;
    // Shows frame `frame` (0 .. FrameCount() - 1) and goes on playing from there if playing.
    // Films of another codec are not decoded here and ignore it.
    void Seek(int frame);
    // Stops the film and releases the file.
    void Close();

    // The frame shown now; a null image before the first.
    QImage Frame() const;
    // Frames of the film and the number of the one shown (0 first), for films decoded here;
    // 0 and -1 for films of another codec.
    int FrameCount() const { return int(film.Frames.size()); }
    int FrameNumber() const { return shown; }

signals:
    // The film's picture size became known.
    void FilmSizeKnown(QSize size);
    // The film cannot be played: the file is damaged or its format unknown.
    void Failed(const QString& reason);
    // A frame of the film has been put on screen.
    void FrameShown();

private:
    void BuildWindow();
    // The play button and the slider drive the film.
    void ConnectBar();
    // Films decoded here: the clock that says which frame is due, and the frame itself.
    void StartOwnFilm();
    void Tick();
    void ShowFrame(int frame);
    QImage DecodeFrame(int frame);
    // The time at which frame `frame` starts, in milliseconds from the film's start.
    qint64 FrameTime(qint64 frame) const;
    // Films of another codec: the media back end plays them.
    void OpenPlayer(bool hasSound);
    void OpenFilm();
    void ShowBackEndFrame(const QImage& frame);
    // The film cannot be played: tries a new player twice, else says so.
    void Fail(const QString& text);
    // Says that the film cannot be played, and tells the dialog once it is listening.
    void Refuse(const QString& text);
    void ShowNotice(const QString& text);
    void UpdateTime(qint64 position);
    void UpdatePlayButton(bool on);

    bool backend = false;
    bool failed = false;
    bool framesSeen = false;
    int retries = 0;
    QSize filmSize;
    QUrl source;
    // Films decoded here.
    bool own = false;
    std::FILE* file = nullptr;
    AviFilm film;
    QByteArray bytes; // the frame being decoded
    int shown = -1;   // number of the frame on screen
    bool playing = false;
    qint64 startFrame = 0; // the clock counts from this frame
    QElapsedTimer clock;
    QTimer* ticker = nullptr;
    // Films of another codec.
    MediaModule* media = nullptr;
    std::unique_ptr<FilmPlayer> player;

    class FilmView* video = nullptr;
    QLabel* notice = nullptr;
    QLabel* barNotice = nullptr;
    QStackedLayout* screen = nullptr;
    QToolButton* play = nullptr;
    QSlider* position = nullptr;
    QLabel* time = nullptr;
    QWidget* bar = nullptr;
};
} // namespace platform
