// The video window: its title, its music, missing, empty and damaged films, and a real film
// playing at its own size.
#include "app/VelmoriaApp.h"
#include "common/TestSupport.h"
#include "database/AnimDlg.h"
#include "platform/Sound.h"
#include "platform/Video.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogAnswer;
using testing_support::MessageRecorder;
using testing_support::ScratchDir;
using testing_support::SoundRecorder;

// The database's music playing (sound on) or not (sound off) as a film opens, set without
// being recorded.
struct SoundSwitch
{
    explicit SoundSwitch(bool on)
    {
        platform::SoundHook recorder = platform::SetSoundHook([](const std::string&) {});
        if (on)
            platform::PlaySoundLoop("Sound\\DataBase.wav");
        else
            platform::StopSound();
        platform::SetSoundHook(std::move(recorder));
    }
};
} // namespace

TEST(AnimDlg, AMissingEmptyOrForeignFileIsReportedAndTheWindowClosesAtOnce)
{
    ScratchDir dir;
    dir.Write("Video/Mars.avi", "");
    dir.Write("Video/Venus.avi", "RIFF\x10\x00\x00\x00WAVEfmt ");
    dir.Write("Video/Earth.avi", "RIFF");
    const struct
    {
        const char* file;
        int num;
        const char* message;
    } cases[] = {{"Video\\Sun.avi", 0, "Unable to open file VIDEO\\SUN.AVI"},
                 {"Video\\Mars.avi", 4, "Unable to read from file VIDEO\\MARS.AVI"},
                 {"Video\\Venus.avi", 2, "Unable to read from file VIDEO\\VENUS.AVI"},
                 {"Video\\Earth.avi", 3, "Unable to read from file VIDEO\\EARTH.AVI"}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        MessageRecorder messages;
        SoundRecorder sounds;
        SoundSwitch on(true);
        int shown = 0;
        {
            DialogAnswer answer(
                [&](platform::Dialog&)
                {
                    ++shown;
                    return QDialog::Rejected;
                });
            AnimDlg dlg(nullptr, c.file, c.num);
            EXPECT_EQ(dlg.Execute(), QDialog::Rejected);
            EXPECT_EQ(dlg.FilmWindow, nullptr);
        }
        EXPECT_EQ(shown, 0);
        ASSERT_EQ(messages.boxes.size(), 1u);
        EXPECT_EQ(messages.boxes[0].text, c.message);
        EXPECT_EQ(messages.boxes[0].caption, "Velmoria - [Error]");
        EXPECT_EQ(messages.boxes[0].flags, 0x10u);
        EXPECT_TRUE(sounds.played.empty()) << "no music starts or changes";
    }
}

TEST(AnimDlg, TheFilmHasItsBodysTitleAndItsMusicWhichGivesWayToTheDatabaseMusicWhenSoundIsOn)
{
    ScratchDir dir;
    dir.LinkRuntime("Video");
    const struct
    {
        const char* file;
        int num;
        bool sound;
        const char* title;
        std::vector<std::string> music;
    } cases[] = {
        {"Video\\Neptune.avi",
         8,
         true,
         "Video - [ Neptune ]",
         {"Sound\\Video.wav", "", "Sound\\DataBase.wav"}},
        {"Video\\Sun.avi",
         0,
         true,
         "Video - [ Sun ]",
         {"Sound\\Video.wav", "", "Sound\\DataBase.wav"}},
        {"Video\\Moon.avi", 10, false, "Video - [ Moon ]", {"Sound\\Video.wav", ""}},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.file);
        MessageRecorder messages;
        SoundRecorder sounds;
        SoundSwitch sw(c.sound);
        {
            DialogAnswer answer(
                [&](platform::Dialog& d)
                {
                    EXPECT_EQ(d.windowTitle().toStdString(), c.title);
                    EXPECT_EQ(d.ResId(), 19);
                    EXPECT_EQ(sounds.played, std::vector<std::string>{"Sound\\Video.wav"});
                    return QDialog::Rejected;
                });
            AnimDlg dlg(nullptr, c.file, c.num);
            dlg.Execute();
            EXPECT_NE(dlg.FilmWindow, nullptr);
        }
        EXPECT_EQ(sounds.played, c.music);
        EXPECT_TRUE(messages.boxes.empty());
    }
}

TEST(AnimDlg, EveryFilmPlaysItsFramesAndTheWindowTakesTheFilmsSize)
{
    ScratchDir dir;
    dir.LinkRuntime("Video");
    const struct
    {
        const char* file;
        int num;
    } films[] = {{"Video\\Sun.avi", 0},     {"Video\\Venus.avi", 2},   {"Video\\Earth.avi", 3},
                 {"Video\\Mars.avi", 4},    {"Video\\Jupiter.avi", 5}, {"Video\\Saturn.avi", 6},
                 {"Video\\Neptune.avi", 8}, {"Video\\Moon.avi", 10}};
    for (const auto& film : films)
    {
        SCOPED_TRACE(film.file);
        MessageRecorder messages;
        SoundRecorder sounds;
        DialogAnswer answer(
            [&](platform::Dialog& d)
            {
                auto& dlg = static_cast<AnimDlg&>(d);
                EXPECT_NE(dlg.FilmWindow, nullptr);
                if (!dlg.FilmWindow)
                    return QDialog::Rejected;
                dlg.show();
                int frames = 0;
                QObject::connect(dlg.FilmWindow, &platform::VideoWindow::FrameShown, &dlg,
                                 [&] { ++frames; });
                // Wait (up to a generous bound) until a few frames have been shown.
                EXPECT_TRUE(
                    QTest::qWaitFor([&] { return frames >= 3 || !messages.boxes.empty(); }, 20000));
                const QSize frameSize = dlg.FilmWindow->Frame().size();
                EXPECT_EQ(frameSize, QSize(320, 240));
                EXPECT_EQ(dlg.FilmWindow->DestinationSize(), QSize(320, 240));
                EXPECT_EQ(dlg.width(), 320);
                EXPECT_EQ(dlg.height(), 240 + dlg.FilmWindow->BarHeight());
                EXPECT_TRUE(dlg.FilmWindow->FrameNotice().isEmpty())
                    << dlg.FilmWindow->FrameNotice().toStdString();
                EXPECT_GT(dlg.FilmWindow->FrameCount(), 0)
                    << "the window decodes the program's films itself";
                return QDialog::Rejected;
            });
        AnimDlg dlg(nullptr, film.file, film.num);
        dlg.Execute();
        EXPECT_TRUE(messages.boxes.empty());
    }
}

TEST(AnimDlg, ADamagedFilmIsReportedAndTheFrameSaysSoInsteadOfStayingBlack)
{
    ScratchDir dir;
    std::string bytes = "RIFF\x00\x10\x00\x00"
                        "AVI LIST";
    bytes.resize(4096, '\x5a');
    dir.Write("Video/Saturn.avi", bytes);
    MessageRecorder messages;
    SoundRecorder sounds;
    DialogAnswer answer(
        [&](platform::Dialog& d)
        {
            auto& dlg = static_cast<AnimDlg&>(d);
            EXPECT_NE(dlg.FilmWindow, nullptr);
            if (!dlg.FilmWindow)
                return QDialog::Rejected;
            EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.boxes.empty(); }, 20000));
            if (!messages.boxes.empty())
            {
                EXPECT_EQ(messages.boxes[0].text, "Unable to read from file VIDEO\\SATURN.AVI");
            }
            EXPECT_FALSE(dlg.FilmWindow->FrameNotice().isEmpty());
            return QDialog::Rejected;
        });
    AnimDlg dlg(nullptr, "Video\\Saturn.avi", 6);
    dlg.Execute();
    EXPECT_EQ(messages.boxes.size(), 1u);
}
