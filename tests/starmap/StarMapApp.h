// The whole application on a scratch working directory that holds the generated data, pictures,
// sounds and help, with message boxes, sounds and help recorded and the computer's clock fixed.
#pragma once

#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"

#include <gtest/gtest.h>
#include <memory>

#include "common/AppSupport.h"

using testing_support::IsEnabled;
using testing_support::Trigger;
using testing_support::ViewCanvas;

class StarMapApp : public testing::Test
{
protected:
    void SetUp() override
    {
        for (const char* name : {"Bitmap", "Sound", "Velmoria.hlp", "Data"})
            dir.LinkRuntime(name);
        app = std::make_unique<VelmoriaApp>();
        app->InitMainWindow(false);
        app->Frame()->resize(800, 600);
        app->Frame()->show();
        wnd = app->Frame()->Client();
    }
    void TearDown() override { app.reset(); }

    // Opens the Star Map for an observer at `latitude` whole degrees north or south.
    void Open(int latitude, bool north)
    {
        wnd->Values.LocValues.Lat = Coordinate{static_cast<uint8_t>(latitude), 0, 0};
        wnd->Values.LocValues.North = north;
        Trigger(wnd, "starMap");
        ASSERT_EQ(wnd->Subject(), model::Mode::StarMap);
    }
    // Opens it and lets the clock tick once.
    void Enter(int latitude, bool north)
    {
        Open(latitude, north);
        wnd->EvTimer(kTimerRealTime);
    }

    // The number of pixels of the window's picture that are not black.
    int CountLit() const { return ViewCanvas(wnd).Width() * ViewCanvas(wnd).Height() - CountColour(0); }

    // The number of pixels of the window's picture in `colour`.
    int CountColour(platform::Rgb colour) const
    {
        int n = 0;
        for (int y = 0; y < ViewCanvas(wnd).Height(); ++y)
            for (int x = 0; x < ViewCanvas(wnd).Width(); ++x)
                n += ViewCanvas(wnd).Pixel(x, y) == colour;
        return n;
    }

    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    testing_support::HelpRecorder help;
    testing_support::FixedClock clock{Date{21, 3, 2001}, Time{22, 0, 0}};
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
};
