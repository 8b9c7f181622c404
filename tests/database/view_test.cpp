// The object viewer: its list, its ranges and stepping, its titles, the picture in the frame,
// missing and damaged pictures, and the database commands that open it.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "database/ViewDlg.h"
#include "database/ViewList.h"

#include <QApplication>
#include <QBuffer>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using testing_support::IsEnabled;
using testing_support::Trigger;

namespace
{
using testing_support::DialogAnswer;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

// A small BMP file of one colour.
std::string BmpBytes(QRgb colour, int w = 8, int h = 6)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// The program's path as a relative file name of the scratch directory.
std::string Native(const char* path)
{
    std::string p = path;
    for (char& c : p)
        if (c == '\\')
            c = '/';
    return p;
}

// Writes picture `index` of the list, coloured after its index so that tests can tell them
// apart.
void WritePicture(const ScratchDir& dir, int index)
{
    dir.Write(Native(ViewFile(index)), BmpBytes(qRgb(index * 9, 100, 200)));
}

QPushButton* Button(ViewDlg& dlg, int id)
{
    return dlg.ControlAs<QPushButton>(id);
}

// Whether the middle of the picture frame, as the dialog shows it, has the colour `expected`;
// a scaled picture's colours may be a step or two off.
testing::AssertionResult ShowsInTheFrame(ViewDlg& dlg, QRgb expected)
{
    dlg.adjustSize();
    const QRgb c = dlg.grab().toImage().pixel(dlg.frame->geometry().center());
    const int off =
        std::max({std::abs(qRed(c) - qRed(expected)), std::abs(qGreen(c) - qGreen(expected)),
                  std::abs(qBlue(c) - qBlue(expected))});
    if (off <= 4)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << "the frame shows " << qRed(c) << "," << qGreen(c) << "," << qBlue(c) << ", not "
           << qRed(expected) << "," << qGreen(expected) << "," << qBlue(expected);
}
} // namespace

TEST(ViewList, RangesAreTheFirstAndLastPictureBroughtIntoTheList)
{
    const struct
    {
        int start, end;
        int min, max;
    } cases[] = {
        {0, 10, 0, 10},   // Solar System objects
        {11, 17, 11, 17}, // galaxies
        {18, 27, 18, 27}, // nebulae
        {5, -1, 5, 5},    // one picture
        {10, -1, 10, 10}, // the Moon's card
        {0, 27, 0, 27},   // the whole list
        {40, -1, 27, 27}, // past the end: the last picture alone
        {-3, 4, 0, 4},    // before the start
        {8, 3, 8, 8},     // a last picture before the first: the first alone
        {20, 99, 20, 27}, // a last picture past the end
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.start) + ".." + std::to_string(c.end));
        const ViewRange r = MakeViewRange(c.start, c.end);
        EXPECT_EQ(r.Min, c.min);
        EXPECT_EQ(r.Max, c.max);
    }
}

TEST(ViewList, NamesFilesAndVideoNamesFollowTheListOfTheProgram)
{
    const struct
    {
        int index;
        const char* file;
        const char* name;
    } views[] = {
        {0, "Bitmap\\Solar\\SunV1.bmp", "Sun"},
        {8, "Bitmap\\Solar\\NeptuneV1.bmp", "Neptune"},
        {10, "Bitmap\\Solar\\MoonV1.bmp", "Moon"},
        {12, "Bitmap\\Galaxy\\Galaxy2.bmp", "The Triangulum Galaxy, NGC598"},
        {15, "Bitmap\\Galaxy\\Galaxy5.bmp", "The Toadstool Galaxy, IG29 and IG30"},
        {17, "Bitmap\\Galaxy\\Galaxy7.bmp", "Galaxy and quasar"},
        {18, "Bitmap\\Nebula\\Nebula1.bmp", "The Horse Head Nebula"},
        {26, "Bitmap\\Nebula\\Nebula9.bmp", "Spiral Galaxy NGC1232"}, // among the nebulae
        {27, "Bitmap\\Nebula\\Nebula10.bmp", "The Vela Nebula"},
    };
    for (const auto& v : views)
    {
        SCOPED_TRACE(v.index);
        EXPECT_STREQ(ViewFile(v.index), v.file);
        EXPECT_STREQ(ViewName(v.index), v.name);
    }
    EXPECT_EQ(ViewFile(-1), nullptr);
    EXPECT_EQ(ViewName(28), nullptr);

    const struct
    {
        int num;
        const char* name;
        const char* file;
    } videos[] = {{0, "Sun", "Video\\Sun.avi"},
                  {1, "", ""},
                  {2, "Venus", "Video\\Venus.avi"},
                  {7, "", ""},
                  {8, "Neptune", "Video\\Neptune.avi"},
                  {9, "", ""},
                  {10, "Moon", "Video\\Moon.avi"},
                  {11, "", ""},
                  {-1, "", ""}};
    for (const auto& v : videos)
    {
        SCOPED_TRACE(v.num);
        EXPECT_STREQ(VideoName(v.num), v.name);
        EXPECT_STREQ(VideoFile(v.num), v.file);
    }
}

TEST(ViewDlg, PreviousAndNextStepThroughTheRangeAndStopAtItsEnds)
{
    ScratchDir dir;
    for (int i = 0; i < kViewCount; ++i)
        WritePicture(dir, i);
    MessageRecorder messages;
    // Each step: the button pressed (0 none, 3301 Previous, 3302 Next), then the picture
    // shown, whether Previous and Next are offered, and the title.
    struct Step
    {
        int press;
        int shown;
        bool previous, next;
        const char* title;
    };
    const struct
    {
        int start, end;
        std::vector<Step> steps;
    } cases[] = {
        {3,
         -1,
         {{0, 3, false, false, "Object View - [ Earth ]"},
          {3302, 3, false, false, "Object View - [ Earth ]"},
          {3301, 3, false, false, "Object View - [ Earth ]"}}},
        {11,
         17,
         {{0, 11, false, true, "Object View - [ Galaxy M100 ]"},
          {3301, 11, false, true, "Object View - [ Galaxy M100 ]"},
          {3302, 12, true, true, "Object View - [ The Triangulum Galaxy, NGC598 ]"},
          {3302, 13, true, true, "Object View - [ Galaxy NGC253 ]"},
          {3302, 14, true, true, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]"},
          {3302, 15, true, true, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]"},
          {3302, 16, true, true, "Object View - [ The Whirlpool Galaxy, NGC5194 and NGC5195 ]"},
          {3302, 17, true, false, "Object View - [ Galaxy and quasar ]"},
          {3302, 17, true, false, "Object View - [ Galaxy and quasar ]"},
          {3301, 16, true, true, "Object View - [ The Whirlpool Galaxy, NGC5194 and NGC5195 ]"}}},
        {25,
         27,
         {{0, 25, false, true, "Object View - [ The RHO Nebula in Ophiuchus ]"},
          {3302, 26, true, true, "Object View - [ Spiral Galaxy NGC1232 ]"},
          {3302, 27, true, false, "Object View - [ The Vela Nebula ]"},
          {3301, 26, true, true, "Object View - [ Spiral Galaxy NGC1232 ]"},
          {3301, 25, false, true, "Object View - [ The RHO Nebula in Ophiuchus ]"}}},
        {7,
         9,
         {{0, 7, false, true, "Object View - [ Uranus ]"},
          {3302, 8, true, true, "Object View - [ Neptune ]"},
          {3302, 9, true, false, "Object View - [ Pluto ]"}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.start) + ".." + std::to_string(c.end));
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<ViewDlg&>(d);
                for (size_t k = 0; k < c.steps.size(); ++k)
                {
                    const Step& s = c.steps[k];
                    SCOPED_TRACE(k);
                    if (s.press != 0)
                        Button(dlg, s.press)->click();
                    EXPECT_EQ(dlg.CurName, s.shown);
                    EXPECT_TRUE(ShowsInTheFrame(dlg, qRgb(s.shown * 9, 100, 200)));
                    EXPECT_EQ(Button(dlg, 3301)->isEnabled(), s.previous);
                    EXPECT_EQ(Button(dlg, 3302)->isEnabled(), s.next);
                    EXPECT_EQ(dlg.windowTitle().toStdString(), s.title);
                }
                return QDialog::Rejected;
            });
        ViewDlg dlg(nullptr, c.start, c.end);
        dlg.Execute();
    }
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(ViewDlg, ExitClosesTheViewer)
{
    ScratchDir dir;
    WritePicture(dir, 0);
    MessageRecorder messages;
    ViewDlg dlg(nullptr, 0, -1);
    QMetaObject::invokeMethod(
        &dlg, [&] { Button(dlg, 3303)->click(); }, Qt::QueuedConnection);
    dlg.Execute();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST(ViewDlg, AMissingOrDamagedPictureIsReportedAndTheViewerKeepsWhatItShowed)
{
    // Pictures present in the scratch directory: 11 and 14 good, 13 damaged, 12 missing.
    ScratchDir dir;
    WritePicture(dir, 11);
    WritePicture(dir, 14);
    dir.Write(Native(ViewFile(13)), "BM this is not a picture at all");
    dir.Write(Native(ViewFile(15)), "");
    struct Step
    {
        int press;
        int current;
        int picture; // index whose picture is shown, -1 none
        const char* title;
        const char* message; // "" none
    };
    const struct
    {
        int start, end;
        std::vector<Step> steps;
    } cases[] = {
        {11,
         15,
         {{0, 11, 11, "Object View - [ Galaxy M100 ]", ""},
          {3302, 12, 11, "Object View - [ Galaxy M100 ]",
           "Unable to open file BITMAP\\GALAXY\\GALAXY2.BMP"},
          {3302, 13, 11, "Object View - [ Galaxy M100 ]",
           "Unable to read from file BITMAP\\GALAXY\\GALAXY3.BMP"},
          {3302, 14, 14, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]", ""},
          {3302, 15, 14, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]",
           "Unable to read from file BITMAP\\GALAXY\\GALAXY5.BMP"},
          {3301, 14, 14, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]", ""}}},
        // A missing first picture: an empty frame and title, and Next still steps on.
        {12,
         14,
         {{0, 12, -1, "", "Unable to open file BITMAP\\GALAXY\\GALAXY2.BMP"},
          {3302, 13, -1, "", "Unable to read from file BITMAP\\GALAXY\\GALAXY3.BMP"},
          {3302, 14, 14, "Object View - [ The Toadstool Galaxy, IG29 and IG30 ]", ""}}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.start);
        MessageRecorder messages;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<ViewDlg&>(d);
                size_t seen = 0;
                for (size_t k = 0; k < c.steps.size(); ++k)
                {
                    const Step& s = c.steps[k];
                    SCOPED_TRACE(k);
                    if (s.press != 0)
                        Button(dlg, s.press)->click();
                    EXPECT_EQ(dlg.CurName, s.current);
                    // No picture yet: the frame shows the dialog's own background.
                    EXPECT_TRUE(ShowsInTheFrame(
                        dlg, s.picture < 0 ? dlg.palette().color(QPalette::Window).rgb()
                                           : qRgb(s.picture * 9, 100, 200)));
                    EXPECT_EQ(dlg.windowTitle().toStdString(), s.title);
                    if (*s.message)
                    {
                        EXPECT_EQ(messages.boxes.size(), seen + 1);
                        if (messages.boxes.empty())
                            continue;
                        EXPECT_EQ(messages.boxes.back().text, s.message);
                        EXPECT_EQ(messages.boxes.back().caption, "Velmoria - [Error]");
                        EXPECT_EQ(messages.boxes.back().flags, 0x10u);
                        ++seen;
                    }
                    else
                        EXPECT_EQ(messages.boxes.size(), seen);
                }
                return QDialog::Rejected;
            });
        ViewDlg dlg(nullptr, c.start, c.end);
        dlg.Execute();
    }
}

TEST(ViewDlg, ThePictureIsStretchedOverTheWholeFrameWhateverItsShape)
{
    // A 2 x 1 picture, red on the left and blue on the right, fills the frame: the left and
    // right halves of the frame take its colours.
    ScratchDir dir;
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    dir.Write(Native(ViewFile(0)), bytes.toStdString());
    MessageRecorder messages;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto& dlg = static_cast<ViewDlg&>(d);
            dlg.adjustSize();
            const QImage shot = dlg.grab().toImage();
            const QRect f = dlg.frame->geometry();
            const int dpr = int(dlg.devicePixelRatioF());
            const struct
            {
                double fx, fy;
                QRgb colour;
            } points[] = {{0.1, 0.1, qRgb(255, 0, 0)},
                          {0.25, 0.9, qRgb(255, 0, 0)},
                          {0.9, 0.1, qRgb(0, 0, 255)},
                          {0.75, 0.9, qRgb(0, 0, 255)}};
            for (const auto& p : points)
            {
                const int x = f.left() + int(p.fx * f.width());
                const int y = f.top() + int(p.fy * f.height());
                // The stretch may smooth the seam; away from it each half keeps its colour.
                const QRgb got = shot.pixel(x * dpr, y * dpr);
                EXPECT_NEAR(qRed(got), qRed(p.colour), 8) << p.fx << "," << p.fy;
                EXPECT_NEAR(qBlue(got), qBlue(p.colour), 8) << p.fx << "," << p.fy;
            }
            return QDialog::Rejected;
        });
    ViewDlg dlg(nullptr, 0, -1);
    dlg.Execute();
    EXPECT_TRUE(messages.boxes.empty());
}

// ---- the database commands ----

class ViewCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkAllRuntime();
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        wnd = app->Frame()->Client();
    }
    void TearDown() override { app.reset(); }

    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
};

TEST_F(ViewCommands, EachViewCommandOpensItsRangeWithItsHintAndRestoresTheDatabaseHint)
{
    Trigger(wnd, "dataBase");
    ASSERT_EQ(wnd->Subject(), model::Mode::DataBase);
    const struct
    {
        const char* command;
        int min, max;
        const char* hint;
    } cases[] = {{"solarObjectsView", 0, 10, "Showing views of Solar System objects"},
                 {"galaxiesView", 11, 17, "Showing views of Galaxies"},
                 {"nebulasView", 18, 27, "Showing views of Nebulas"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.command);
        int opened = 0;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto* dlg = dynamic_cast<ViewDlg*>(&d);
                EXPECT_NE(dlg, nullptr);
                if (dlg)
                {
                    EXPECT_EQ(dlg->ResId(), 20);
                    EXPECT_EQ(dlg->Min, c.min);
                    EXPECT_EQ(dlg->Max, c.max);
                    EXPECT_EQ(dlg->CurName, c.min);
                }
                EXPECT_EQ(app->Frame()->Status()->HintText(), c.hint);
                ++opened;
                return QDialog::Rejected;
            });
        Trigger(wnd, c.command);
        EXPECT_EQ(opened, 1);
        EXPECT_EQ(app->Frame()->Status()->HintText(), "Viewing Astronomical Database");
    }
    EXPECT_TRUE(messages.boxes.empty()) << messages.boxes.front().text;
}

TEST_F(ViewCommands, ViewCommandsDoNothingOutsideTheDatabase)
{
    ASSERT_EQ(wnd->Subject(), model::Mode::Main);
    int opened = 0;
    DialogAnswer answer(
        [&](platform::Dialog&)
        {
            ++opened;
            return QDialog::Rejected;
        });
    for (const char* command : {"solarObjectsView", "galaxiesView", "nebulasView"})
        EXPECT_FALSE(Trigger(wnd, command)) << command; // not offered on the main screen
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(app->Frame()->Status()->HintText(), "Choose subject for viewing");
}
