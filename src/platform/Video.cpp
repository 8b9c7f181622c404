#include "platform/Video.h"

#include "platform/Files.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPainter>
#include <QSlider>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoFrame>
#include <QVideoSink>

namespace platform
{
// The picture of the film: the latest frame, scaled to the widget. Frames are drawn by the
// program itself rather than by a video widget, so that they show the same way on every
// display, offscreen included.
class FilmView : public QWidget
{
public:
    explicit FilmView(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    void SetFrame(const QImage& frame)
    {
        image = frame;
        update();
    }
    const QImage& Frame() const { return image; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (image.isNull())
        {
            p.fillRect(rect(), Qt::black);
            return;
        }
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(rect(), image);
    }

private:
    QImage image;
};

namespace
{
QString Clock(qint64 ms)
{
    const qint64 s = ms / 1000;
    return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

VideoWindow::VideoWindow(QWidget* parent, const char* path) : QWidget(parent)
{
    setObjectName(QStringLiteral("videowindow"));
    auto* picture = new QWidget(this);
    picture->setAutoFillBackground(true);
    QPalette black = picture->palette();
    black.setColor(QPalette::Window, Qt::black);
    black.setColor(QPalette::WindowText, Qt::white);
    picture->setPalette(black);
    screen = new QStackedLayout(picture);
    video = new FilmView(picture);
    video->setObjectName(QStringLiteral("film"));
    notice = new QLabel(picture);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setAlignment(Qt::AlignCenter);
    notice->setWordWrap(true);
    notice->setMargin(12);
    screen->addWidget(video);
    screen->addWidget(notice);

    bar = new QWidget(this);
    play = new QToolButton(bar);
    play->setObjectName(QStringLiteral("play"));
    play->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    position = new QSlider(Qt::Horizontal, bar);
    position->setObjectName(QStringLiteral("position"));
    time = new QLabel(Clock(0), bar);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(play);
    row->addWidget(position, 1);
    row->addWidget(time);
    barNotice = new QLabel(this);
    barNotice->setObjectName(QStringLiteral("barnotice"));
    barNotice->setWordWrap(true);
    barNotice->setContentsMargins(4, 0, 4, 2);
    barNotice->hide();

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(picture, 1);
    column->addWidget(bar);
    column->addWidget(barNotice);

    player = new QMediaPlayer(this);
    backend = player->isAvailable();
    if (!backend)
    {
        ShowNotice(tr("This computer has no video playback (no media back end is installed), "
                      "so the film cannot be shown."));
        bar->setEnabled(false);
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty())
    {
        barNotice->setText(tr("No sound device was found: the film plays without its music."));
        barNotice->show();
    }
    sink = new QVideoSink(this);
    connect(sink, &QVideoSink::videoFrameChanged, this,
            [this](const QVideoFrame& frame)
            {
                if (!frame.isValid())
                    return;
                framesSeen = true;
                video->SetFrame(frame.toImage());
                if (frame.size() != filmSize && !frame.size().isEmpty())
                {
                    filmSize = frame.size();
                    emit FilmSizeKnown(filmSize);
                }
            });
    connect(position, &QSlider::sliderMoved, this, [this](int p) { player->setPosition(p); });
    connect(play, &QToolButton::clicked, this,
            [this]
            {
                if (player->playbackState() == QMediaPlayer::PlayingState)
                    Pause();
                else
                    Play();
            });
    const QFileInfo file(QString::fromStdString(NativePath(path)));
    source = QUrl::fromLocalFile(file.absoluteFilePath());
    OpenFilm();
}

void VideoWindow::OpenFilm()
{
    player->setVideoSink(sink);
    connect(player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& text) { Fail(text); });
    connect(player, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status)
            {
                if (status == QMediaPlayer::InvalidMedia)
                    Fail(player->errorString());
            });
    connect(player, &QMediaPlayer::durationChanged, this,
            [this](qint64 duration) { position->setRange(0, int(duration)); });
    connect(player, &QMediaPlayer::positionChanged, this, [this](qint64 p) { UpdateTime(p); });
    connect(player, &QMediaPlayer::playbackStateChanged, this,
            [this](QMediaPlayer::PlaybackState state)
            {
                play->setIcon(style()->standardIcon(state == QMediaPlayer::PlayingState
                                                        ? QStyle::SP_MediaPause
                                                        : QStyle::SP_MediaPlay));
            });
    player->setLoops(QMediaPlayer::Infinite);
    player->setSource(source);
    player->play();
}

void VideoWindow::Fail(const QString& text)
{
    if (failed)
        return;
    // On an X display the first film of a process can stop before its first frame when the
    // main thread is busy just then (the sound device being opened for the film's music); a
    // new player, started a moment later, plays it. Any other failure, or a third one, is the
    // film's own.
    if (!framesSeen && retries < 2)
    {
        ++retries;
        QMediaPlayer* old = player;
        old->disconnect(this);
        old->stop();
        old->deleteLater();
        player = new QMediaPlayer(this);
        QTimer::singleShot(300, this, [this] { OpenFilm(); });
        return;
    }
    failed = true;
    ShowNotice(tr("The film cannot be played.\n%1").arg(text));
    bar->setEnabled(false);
    emit Failed(text);
}

VideoWindow::~VideoWindow()
{
    Close();
}

int VideoWindow::BarHeight() const
{
    const int line = barNotice->isVisibleTo(this) ? barNotice->sizeHint().height() : 0;
    return bar->sizeHint().height() + line;
}

QString VideoWindow::FrameNotice() const
{
    return screen->currentWidget() == notice ? notice->text() : QString();
}

QString VideoWindow::BarNotice() const
{
    return barNotice->isVisibleTo(this) ? barNotice->text() : QString();
}

void VideoWindow::Play()
{
    if (backend && !failed)
        player->play();
}

void VideoWindow::Pause()
{
    if (backend)
        player->pause();
}

void VideoWindow::Close()
{
    if (!player)
        return;
    player->stop();
    player->setSource(QUrl());
}

QImage VideoWindow::Frame() const
{
    return video->Frame();
}

void VideoWindow::ShowNotice(const QString& text)
{
    notice->setText(text);
    screen->setCurrentWidget(notice);
}

void VideoWindow::UpdateTime(qint64 p)
{
    if (!position->isSliderDown())
        position->setValue(int(p));
    time->setText(Clock(p));
}
} // namespace platform
