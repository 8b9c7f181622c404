// The title screen: its buttons, its picture painted whole to fit, and its music, which waits
// for the picture to be on the screen.
#include "app/TitleDlg.h"
#include "common/TestSupport.h"
#include "platform/Sound.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogAnswer;
using testing_support::HelpRecorder;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;

// Records whether the dialog has been sent a paint event.
class PaintWatch : public QObject
{
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};

bool IsRed(QRgb p)
{
    return qRed(p) > 128 && qGreen(p) < 64 && qBlue(p) < 64;
}
} // namespace

TEST(TitleScreen, ContinueExitAndInfo)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    MessageRecorder messages;
    SoundRecorder sounds;
    HelpRecorder help;
    {
        TitleDlg title;
        DialogAnswer exit(
            [](platform::Dialog& d)
            {
                EXPECT_NE(d.Control(3102), nullptr); // the Exit button
                return QDialog::Rejected;
            });
        EXPECT_EQ(title.Execute(), QDialog::Rejected);
        EXPECT_EQ(title.windowTitle().toStdString(), "Velmoria - [Title]");
        EXPECT_TRUE(title.HasPicture());
        EXPECT_FALSE(title.Continued());
    }
    EXPECT_EQ(sounds.played.back(), ""); // the music ends with the title screen
    {
        TitleDlg title;
        DialogAnswer info(
            [](platform::Dialog& d)
            {
                static_cast<TitleDlg&>(d).CmHelp();
                EXPECT_FALSE(d.result() == QDialog::Accepted);
                static_cast<TitleDlg&>(d).CmOk();
                return d.result();
            });
        EXPECT_EQ(title.Execute(), QDialog::Accepted);
        EXPECT_TRUE(title.Continued());
    }
    ASSERT_EQ(help.requests.size(), 1u);
    EXPECT_EQ(help.requests[0].page, platform::HelpPage::Topic);
    EXPECT_EQ(help.requests[0].topic, 9018u);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists("Velmoria.cfg"));
}

TEST(TitleScreen, MissingPictureIsReportedAndTheButtonsStillWork)
{
    ScratchDir dir;
    MessageRecorder messages;
    SoundRecorder sounds;
    TitleDlg title;
    DialogAnswer ok(
        [](platform::Dialog& d)
        {
            static_cast<TitleDlg&>(d).CmOk();
            return d.result();
        });
    EXPECT_EQ(title.Execute(), QDialog::Accepted);
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file BITMAP\\TITLE.BMP");
    EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_FALSE(title.HasPicture());
}

TEST(TitleScreen, MusicBeginsOnlyOnceThePictureIsOnTheScreen)
{
    ScratchDir dir;
    dir.LinkAllRuntime();
    PaintWatch watch;
    std::vector<std::string> heard;
    const platform::SoundHook previous = platform::SetSoundHook(
        [&](const std::string& sound)
        { heard.push_back((watch.painted ? "after paint: " : "before paint: ") + sound); });
    {
        TitleDlg title;
        title.installEventFilter(&watch);
        title.SetupWindow();
        QCoreApplication::processEvents();
        EXPECT_TRUE(heard.empty());
        title.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&title));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !heard.empty(); }, 5000));
    }
    platform::SetSoundHook(previous);
    EXPECT_EQ(heard, (std::vector<std::string>{"after paint: Sound\\Title.wav", "after paint: "}));
}

// A red picture of 64 x 48 pixels stands in for the title's, so that its painted extent can be
// read back from the dialog.
TEST(TitleScreen, PictureKeepsItsShapeAndFillsTheDialogInTheMiddleAtAnySize)
{
    ScratchDir dir;
    dir.Write("Bitmap/.keep", "");
    QImage red(64, 48, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QString::fromStdString(dir.Path() + "/Bitmap/Title.bmp")));
    MessageRecorder messages;
    SoundRecorder sounds;
    // An empty size keeps the dialog's own, which follows the desktop's font.
    for (const QSize size : {QSize(), QSize(1000, 500), QSize(400, 600), QSize(1280, 960)})
    {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        TitleDlg title;
        title.SetupWindow();
        if (!size.isEmpty())
            title.setFixedSize(size);
        const QImage shot = title.grab().toImage();
        const int w = shot.width();
        const int h = shot.height();
        int left = w, right = -1;
        for (int x = 0; x < w; ++x)
            if (IsRed(shot.pixel(x, h / 2)))
            {
                left = std::min(left, x);
                right = x;
            }
        ASSERT_LE(left, right) << "no picture in the middle row";
        int top = h, bottom = -1;
        for (int y = 0; y < h; ++y)
            if (IsRed(shot.pixel(left + 2, y)))
            {
                top = std::min(top, y);
                bottom = y;
            }
        const int pw = right - left + 1;
        const int ph = bottom - top + 1;
        EXPECT_LE(std::abs(pw * 3 - ph * 4), 8) << pw << " x " << ph << " is not 4:3";
        EXPECT_TRUE((left == 0 && right == w - 1) || (top == 0 && bottom == h - 1))
            << "as large as the dialog allows";
        EXPECT_LE(std::abs(left - (w - 1 - right)), 1) << "in the middle";
        EXPECT_LE(std::abs(top - (h - 1 - bottom)), 1) << "in the middle";
    }
    EXPECT_TRUE(messages.boxes.empty());
}
