// The video window: a child window that opens one film file and plays it, with its own play
// bar (play and pause, position, time). It has no menu and cannot open another file. When the
// computer cannot play video at all, or the film cannot be played, the window says so in its
// frame instead of staying black.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLabel;
class QMediaPlayer;
class QSlider;
class QStackedLayout;
class QToolButton;
class QVideoSink;

namespace platform
{
class VideoWindow : public QWidget
{
    Q_OBJECT
public:
    // Opens the film at the program's path ("Video\Sun.avi") and starts it, looping.
    VideoWindow(QWidget* parent, const char* path);
    ~VideoWindow() override;

    // Whether the computer has a video back end; without one the frame shows a notice.
    bool HasBackend() const { return backend; }
    // Size of the film's picture in pixels once it is known; an empty size before.
    QSize DestinationSize() const { return filmSize; }
    // Height in pixels of everything below the picture: the play bar and its notice line.
    int BarHeight() const;
    // The text shown in place of the picture ("" while the film shows) and the text of the
    // notice line below the play bar ("" when there is nothing to say).
    QString FrameNotice() const;
    QString BarNotice() const;

    void Play();
    void Pause();
    // Stops the film and releases the file.
    void Close();

    // Where the frames go; the window draws each one as it arrives.
    QVideoSink* Sink() const { return sink; }
    // The frame shown now; a null image before the first.
    QImage Frame() const;
    QMediaPlayer* Player() const { return player; }

signals:
    // The film's picture size became known.
    void FilmSizeKnown(QSize size);
    // The film cannot be played: the file is damaged or its format unknown.
    void Failed(const QString& reason);

private:
    // Connects the player to the window and starts the film.
    void OpenFilm();
    // The film cannot be played: tries a new player once, else says so.
    void Fail(const QString& text);
    void ShowNotice(const QString& text);
    void UpdateTime(qint64 position);

    bool backend = false;
    bool failed = false;
    bool framesSeen = false;
    int retries = 0;
    QSize filmSize;
    QUrl source;
    QMediaPlayer* player = nullptr;
    QVideoSink* sink = nullptr;
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
