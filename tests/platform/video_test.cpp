// The video window: the program's own films played frame by frame (advancing, looping, pausing,
// seeking), uncompressed films, films that cannot be played, and a film of a foreign codec that
// goes to the media back end; the media module found in place, missing or damaged.
#include "AviSamples.h"
#include "common/TestSupport.h"
#include "platform/MediaModule.h"
#include "platform/Sound.h"
#include "platform/Video.h"

#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace avi_samples;
using platform::FourCC;
using platform::VideoWindow;
using testing_support::ScratchDir;

namespace
{
QSlider* Slider(VideoWindow& w)
{
    return w.findChild<QSlider*>(QStringLiteral("position"));
}

QString TimeText(VideoWindow& w)
{
    return w.findChild<QLabel*>(QStringLiteral("time"))->text();
}

void ClickPlay(VideoWindow& w)
{
    QTest::mouseClick(w.findChild<QToolButton*>(QStringLiteral("play")), Qt::LeftButton);
}

std::string Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// A film of 64 x 48 pixels whose three frames are PNG pictures, a codec the window does not
// decode itself.
std::string ForeignFilm()
{
    QImage picture(64, 48, QImage::Format_RGB32);
    std::vector<std::string> frames;
    for (const QRgb colour : {qRgb(200, 40, 40), qRgb(40, 200, 40), qRgb(40, 40, 200)})
    {
        picture.fill(colour);
        frames.push_back(Encoded(picture, "PNG"));
    }
    return Film(64, 48, FourCC("PNG "), 10, frames);
}
} // namespace

TEST(VideoWindow, AFilmAdvancesLoopsPastItsEndStopsWhilePausedAndShowsTheFrameTheSliderPicks)
{
    ScratchDir dir;
    dir.LinkRuntime("Video");
    VideoWindow w(nullptr, "Video\\Sun.avi");
    w.show();
    std::vector<int> seen;
    QObject::connect(&w, &VideoWindow::FrameShown, &w, [&] { seen.push_back(w.FrameNumber()); });
    EXPECT_TRUE(w.HasBackend());
    EXPECT_TRUE(w.IsPlaying());
    EXPECT_EQ(w.FrameCount(), 90) << "six seconds at 15 frames per second";
    EXPECT_EQ(w.DestinationSize(), QSize(320, 240));

    // Frames advance in order from the first.
    ASSERT_TRUE(QTest::qWaitFor([&] { return seen.size() >= 4; }, 20000));
    EXPECT_EQ(seen[0], 0);
    for (size_t i = 1; i < seen.size(); ++i)
        EXPECT_GT(seen[i], seen[i - 1]);

    // Moved near the end, the film goes on past its last frame to its first.
    Slider(w)->setValue(88);
    EXPECT_EQ(w.FrameNumber(), 88);
    EXPECT_EQ(TimeText(w), "0:05"); // 88 / 15 s
    seen.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty() && seen.back() < 88; }, 20000));
    EXPECT_LT(seen.back(), 45) << "the film starts again from its beginning";

    // Paused, it stays on its frame.
    ClickPlay(w);
    EXPECT_FALSE(w.IsPlaying());
    const int paused = w.FrameNumber();
    seen.clear();
    QTest::qWait(400);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(w.FrameNumber(), paused);

    // The slider shows the frame it is moved to while paused, and the film goes on from there.
    Slider(w)->setValue(0);
    const QImage first = w.Frame();
    Slider(w)->setValue(45);
    EXPECT_EQ(w.FrameNumber(), 45);
    EXPECT_EQ(TimeText(w), "0:03");
    EXPECT_FALSE(w.IsPlaying());
    EXPECT_NE(w.Frame(), first) << "the Sun has turned in three seconds";
    ClickPlay(w);
    EXPECT_TRUE(w.IsPlaying());
    seen.clear();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen.empty(); }, 20000));
    EXPECT_GT(seen[0], 45);
    EXPECT_LT(seen[0], 75);
}

TEST(VideoWindow, UncompressedFramesShowTheirPixelsTheRightWayUp)
{
    // 2 x 2 pixels: red on top, blue below. Rows of 24-bit pixels (blue, green, red) are padded
    // to 4 bytes; a positive height stores the bottom row first.
    const std::string red = std::string("\x00\x00\xFF", 3) + std::string("\x00\x00\xFF", 3);
    const std::string blue = std::string("\xFF\x00\x00", 3) + std::string("\xFF\x00\x00", 3);
    const std::string pad(2, '\0');
    std::string palette(256 * 4, '\0');
    palette.replace(4, 4, std::string("\x00\xFF\x00\x00", 4)); // entry 1: green
    const struct
    {
        const char* what;
        std::string film;
        QRgb top, bottom;
    } cases[] = {
        {"bottom row first", Film(2, 2, platform::kBiRgb, 5, {blue + pad + red + pad}),
         qRgb(255, 0, 0), qRgb(0, 0, 255)},
        {"top row first", Film(2, -2, platform::kBiRgb, 5, {red + pad + blue + pad}),
         qRgb(255, 0, 0), qRgb(0, 0, 255)},
        {"256 colours, bottom row first",
         Riff(List("hdrl", MainHeader(2, 2, 200000, 1) +
                               VideoStream(2, 2, platform::kBiRgb, 5, 1, 8, palette)) +
              List("movi", Chunk("00db", std::string("\x00\x00\x00\x00\x01\x01\x00\x00", 8)))),
         qRgb(0, 255, 0), qRgb(0, 0, 0)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        dir.Write("Video/Dib.avi", c.film);
        VideoWindow w(nullptr, "Video\\Dib.avi");
        EXPECT_TRUE(w.FrameNotice().isEmpty()) << w.FrameNotice().toStdString();
        const QImage frame = w.Frame();
        ASSERT_EQ(frame.size(), QSize(2, 2));
        EXPECT_EQ(frame.pixel(0, 0), c.top);
        EXPECT_EQ(frame.pixel(1, 0), c.top);
        EXPECT_EQ(frame.pixel(0, 1), c.bottom);
        EXPECT_EQ(frame.pixel(1, 1), c.bottom);
    }
}

TEST(VideoWindow, AFilmThatCannotBePlayedSaysWhyInItsFrameAndReportsItOnce)
{
    const uint32_t mjpg = FourCC("MJPG");
    const struct
    {
        const char* what;
        std::string bytes;
        const char* reason;
    } cases[] = {
        {"damaged headers", Riff(List("hdrl", Chunk("avih", "short"))),
         "The file is damaged: its headers are cut short or wrong."},
        {"no frames", Film(64, 48, mjpg, 10, {}), "The film has no frames."},
        {"frames that are not pictures", Film(64, 48, mjpg, 10, {"not a", "picture"}),
         "None of its frames can be decoded."},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        dir.Write("Video/Film.avi", c.bytes);
        VideoWindow w(nullptr, "Video\\Film.avi");
        QSignalSpy failed(&w, &VideoWindow::Failed);
        EXPECT_EQ(w.FrameNotice(), QStringLiteral("The film cannot be played.\n") + c.reason);
        EXPECT_TRUE(w.Frame().isNull());
        w.Play();
        EXPECT_FALSE(w.IsPlaying());
        ASSERT_TRUE(failed.wait(5000));
        QTest::qWait(50);
        ASSERT_EQ(failed.size(), 1);
        EXPECT_EQ(failed[0][0].toString(), c.reason);
    }
}

TEST(VideoWindow, AFilmOfAForeignCodecIsPlayedByTheMediaBackEnd)
{
    ScratchDir dir;
    dir.Write("Video/Png.avi", ForeignFilm());
    VideoWindow w(nullptr, "Video\\Png.avi");
    w.show();
    ASSERT_TRUE(w.HasBackend());
    QSignalSpy shown(&w, &VideoWindow::FrameShown);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return shown.size() >= 2 || !w.FrameNotice().isEmpty(); }, 20000));
    EXPECT_TRUE(w.FrameNotice().isEmpty()) << w.FrameNotice().toStdString();
    EXPECT_EQ(w.Frame().size(), QSize(64, 48));
    EXPECT_EQ(w.DestinationSize(), QSize(64, 48));
    EXPECT_EQ(w.FrameNumber(), -1);
    w.Close();
}

TEST(MediaModule, AMissingOrDamagedModuleMeansSilenceAndTheNoticeOfNoBackEndNeverACrash)
{
    const QString real = platform::MediaModuleFile();
    struct Restore
    {
        QString file;
        ~Restore() { platform::SetMediaModuleFile(file); }
    } restore{real};
    QFile module(real);
    ASSERT_TRUE(module.open(QIODevice::ReadOnly)) << real.toStdString();
    const QByteArray bytes = module.readAll();
    ScratchDir dir;
    dir.LinkRuntime("Sound");
    dir.Write("Video/Png.avi", ForeignFilm());
    dir.Write("empty.so", "");
    dir.Write("noise.so", std::string(4096, '\x5a'));
    dir.Write("cut.so", bytes.left(4096).toStdString());
    const QString here = QString::fromStdString(dir.Path());
    const struct
    {
        const char* what;
        QString file;
        bool loads;
    } cases[] = {
        {"in place", real, true},
        {"missing", here + "/none.so", false},
        {"empty", here + "/empty.so", false},
        {"not a library", here + "/noise.so", false},
        {"cut short", here + "/cut.so", false},
        {"a plugin of another kind",
         QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so", false},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        platform::SetMediaModuleFile(c.file);
        EXPECT_EQ(platform::LoadMediaModule() != nullptr, c.loads);
        EXPECT_EQ(platform::MediaModuleError().isEmpty(), c.loads)
            << platform::MediaModuleError().toStdString();
        platform::PlaySoundLoop("Sound\\Title.wav");
        EXPECT_EQ(platform::CurrentSound(), "Sound\\Title.wav");
        platform::StopSound();
        VideoWindow w(nullptr, "Video\\Png.avi");
        EXPECT_EQ(w.HasBackend(), c.loads);
        EXPECT_EQ(w.FrameNotice(),
                  c.loads ? QString()
                          : QStringLiteral("This computer has no video playback (no media back end "
                                           "is installed), so the film cannot be shown."));
        w.Close();
    }
}
