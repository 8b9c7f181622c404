#include "platform/Video.h"

#include "platform/Files.h"

#include <QByteArray>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QStackedLayout>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <iterator>

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

// The first frames are tried at opening until one decodes; a film whose first this many frames
// all fail is taken as damaged.
constexpr int kProbeFrames = 300;

bool DecodedHere(uint32_t codec)
{
    return codec == FourCC("MJPG") || codec == FourCC("mjpg") || codec == kBiRgb;
}

// Why a film cannot be read, in the order of AviStatus.
const char* const kStatusTexts[] = {
    "",
    QT_TR_NOOP("The file is not an AVI film."),
    QT_TR_NOOP("The file is damaged: its headers are cut short or wrong."),
    QT_TR_NOOP("The file holds no video."),
    QT_TR_NOOP("The file gives no frame rate."),
    QT_TR_NOOP("The film has no frames."),
};
static_assert(std::size(kStatusTexts) == size_t(AviStatus::NoFrames) + 1);

void Put32(QByteArray& b, uint32_t v)
{
    for (int shift = 0; shift < 32; shift += 8)
        b.append(char((v >> shift) & 0xFF));
}
} // namespace

VideoWindow::VideoWindow(QWidget* parent, const char* path) : QWidget(parent)
{
    BuildWindow();
    file = OpenFile(path, "rb");
    if (!file)
    {
        Refuse(tr("The file cannot be opened."));
        return;
    }
    const AviStatus status = ReadAvi(file, film);
    if (status != AviStatus::Ok)
    {
        std::fclose(file);
        file = nullptr;
        film = AviFilm{};
        Refuse(tr(kStatusTexts[int(status)]));
        return;
    }
    if (DecodedHere(film.Codec))
    {
        StartOwnFilm();
        return;
    }
    // Another codec: the media back end reads the file itself.
    std::fclose(file);
    file = nullptr;
    const bool hasSound = film.HasSound;
    film = AviFilm{};
    const QFileInfo info(QString::fromStdString(NativePath(path)));
    source = QUrl::fromLocalFile(info.absoluteFilePath());
    OpenPlayer(hasSound);
}

void VideoWindow::BuildWindow()
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
    time->setObjectName(QStringLiteral("time"));
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

    ConnectBar();
}

void VideoWindow::ConnectBar()
{
    connect(play, &QToolButton::clicked, this,
            [this]
            {
                if (IsPlaying())
                    Pause();
                else
                    Play();
            });
    // Films decoded here move to the frame under the slider as it moves (by dragging, a click
    // on its groove or a key); the back end's films when the slider is dragged.
    connect(position, &QSlider::valueChanged, this,
            [this](int frame)
            {
                if (own)
                    Seek(frame);
            });
    connect(position, &QSlider::sliderReleased, this,
            [this]
            {
                if (own)
                    Seek(position->value());
            });
    connect(position, &QSlider::sliderMoved, this,
            [this](int p)
            {
                if (player)
                    player->SetPosition(p);
            });
}

void VideoWindow::StartOwnFilm()
{
    own = true;
    backend = true;
    filmSize = QSize(film.Width, film.Height);
    QImage first;
    const int probe = std::min(FrameCount(), kProbeFrames);
    int number = 0;
    for (; number < probe && first.isNull(); ++number)
        first = DecodeFrame(number);
    if (first.isNull())
    {
        std::fclose(file);
        file = nullptr;
        film = AviFilm{};
        Refuse(tr("None of its frames can be decoded."));
        return;
    }
    position->setRange(0, FrameCount() - 1);
    position->setPageStep(std::max(1, int(film.Rate / std::max<uint32_t>(film.Scale, 1))));
    ticker = new QTimer(this);
    ticker->setSingleShot(true);
    ticker->setTimerType(Qt::PreciseTimer);
    connect(ticker, &QTimer::timeout, this, [this] { Tick(); });
    shown = number - 1;
    video->SetFrame(first);
    {
        const QSignalBlocker quiet(position);
        position->setValue(shown);
    }
    time->setText(Clock(FrameTime(shown)));
    // The dialog connects to the window after building it: it hears the size and the first
    // frame from the event loop.
    QTimer::singleShot(0, this,
                       [this]
                       {
                           emit FilmSizeKnown(filmSize);
                           emit FrameShown();
                       });
    Play();
}

qint64 VideoWindow::FrameTime(qint64 frame) const
{
    if (film.Rate == 0)
        return 0;
    return qint64(std::ceil(double(frame) * 1000.0 * film.Scale / film.Rate));
}

void VideoWindow::Tick()
{
    if (!playing || !file)
        return;
    const qint64 elapsed = clock.elapsed();
    // While the slider is held, the frame under it stays; its release goes on from there.
    if (position->isSliderDown())
    {
        ticker->start(int(std::max<qint64>(10, FrameTime(1))));
        return;
    }
    // The frame due now, counted from the frame the clock started at; frames whose time has
    // passed while the program was busy are skipped, not shown late.
    const qint64 since = qint64(std::floor(double(elapsed) * film.Rate / (1000.0 * film.Scale)));
    const qint64 due = startFrame + since;
    const int frame = int(due % FrameCount());
    if (frame != shown)
        ShowFrame(frame);
    const qint64 next = FrameTime(since + 1) - elapsed;
    ticker->start(int(std::clamp<qint64>(next, 1, 10000000)));
}

void VideoWindow::ShowFrame(int frame)
{
    const QImage image = DecodeFrame(frame);
    shown = frame;
    // A frame that is empty or does not decode leaves the one before it on screen.
    if (!image.isNull())
        video->SetFrame(image);
    {
        const QSignalBlocker quiet(position);
        position->setValue(frame);
    }
    time->setText(Clock(FrameTime(frame)));
    emit FrameShown();
}

QImage VideoWindow::DecodeFrame(int frame)
{
    if (!file || frame < 0 || frame >= FrameCount())
        return QImage();
    const AviFrame& f = film.Frames[size_t(frame)];
    if (f.Size == 0)
        return QImage();
    bytes.resize(qsizetype(f.Size));
    if (std::fseek(file, long(f.Offset), SEEK_SET) != 0 ||
        std::fread(bytes.data(), 1, f.Size, file) != f.Size)
        return QImage();
    if (film.Codec != kBiRgb)
        return QImage::fromData(bytes, "JPG");
    // An uncompressed frame is the pixel data of a bitmap file whose header is the stream's
    // format: the bitmap reader gets the file put together.
    if (film.Format.size() < sizeof(BitmapInfoHeader))
        return QImage();
    QByteArray bmp("BM");
    const uint32_t offset = uint32_t(14 + film.Format.size());
    Put32(bmp, offset + f.Size);
    Put32(bmp, 0);
    Put32(bmp, offset);
    bmp.append(reinterpret_cast<const char*>(film.Format.data()), qsizetype(film.Format.size()));
    bmp.append(bytes);
    return QImage::fromData(bmp, "BMP");
}

void VideoWindow::OpenPlayer(bool hasSound)
{
    media = LoadMediaModule();
    OpenFilm();
    backend = player != nullptr;
    if (!backend)
    {
        ShowNotice(tr("This computer has no video playback (no media back end is installed), "
                      "so the film cannot be shown."));
        bar->setEnabled(false);
        return;
    }
    // The program's own films have no sound track (their music is played beside them); a
    // film brought in from elsewhere may have one.
    if (hasSound && !media->HasSoundOutput())
    {
        barNotice->setText(tr("No sound device was found: the film plays without its sound."));
        barNotice->show();
    }
}

void VideoWindow::ShowBackEndFrame(const QImage& frame)
{
    framesSeen = true;
    video->SetFrame(frame);
    if (frame.size() != filmSize && !frame.size().isEmpty())
    {
        filmSize = frame.size();
        emit FilmSizeKnown(filmSize);
    }
    emit FrameShown();
}

void VideoWindow::OpenFilm()
{
    FilmEvents events;
    events.frame = [this](const QImage& frame) { ShowBackEndFrame(frame); };
    events.failed = [this](const QString& text) { Fail(text); };
    events.duration = [this](qint64 duration) { position->setRange(0, int(duration)); };
    events.position = [this](qint64 p) { UpdateTime(p); };
    events.playing = [this](bool on) { UpdatePlayButton(on); };
    player = media ? media->OpenFilm(source, std::move(events)) : nullptr;
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
        player.reset();
        QTimer::singleShot(300, this,
                           [this, text]
                           {
                               OpenFilm();
                               if (!player)
                                   Fail(text);
                           });
        return;
    }
    player.reset();
    failed = true;
    ShowNotice(tr("The film cannot be played.\n%1").arg(text));
    bar->setEnabled(false);
    emit Failed(text);
}

void VideoWindow::Refuse(const QString& text)
{
    failed = true;
    ShowNotice(tr("The film cannot be played.\n%1").arg(text));
    bar->setEnabled(false);
    QTimer::singleShot(0, this, [this, text] { emit Failed(text); });
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

void VideoWindow::Play()
{
    if (failed)
        return;
    if (own)
    {
        if (playing || !file)
            return;
        playing = true;
        startFrame = shown;
        clock.start();
        ticker->start(int(std::max<qint64>(1, FrameTime(1))));
        UpdatePlayButton(true);
    }
    else if (player)
        player->Play();
}

void VideoWindow::Pause()
{
    if (own)
    {
        playing = false;
        if (ticker)
            ticker->stop();
        UpdatePlayButton(false);
    }
    else if (player)
        player->Pause();
}

bool VideoWindow::IsPlaying() const
{
    if (own)
        return playing;
    return player && player->IsPlaying();
}

void VideoWindow::Seek(int frame)
{
    if (!own || !file || FrameCount() == 0)
        return;
    frame = std::clamp(frame, 0, FrameCount() - 1);
    if (frame != shown)
        ShowFrame(frame);
    if (playing)
    {
        startFrame = frame;
        clock.start();
        ticker->start(int(std::max<qint64>(1, FrameTime(1))));
    }
}

void VideoWindow::Close()
{
    if (own)
    {
        playing = false;
        if (ticker)
            ticker->stop();
        if (file)
            std::fclose(file);
        file = nullptr;
        return;
    }
    player.reset();
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

void VideoWindow::UpdatePlayButton(bool on)
{
    play->setIcon(style()->standardIcon(on ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}
} // namespace platform
