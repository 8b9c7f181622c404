// The whole application on a scratch working directory that holds the generated data, pictures,
// sounds and help, with message boxes, sounds and help recorded and the computer's clock fixed;
// the Star Map's picture as the view paints it, and its search driven through its dialog.
#pragma once

#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/AppSupport.h"
#include "common/TestSupport.h"
#include "starmap/FindDlg.h"
#include "starmap/SmallCard.h"
#include "starmap/StarMapView.h"
#include "time/ClockInstant.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using testing_support::IsEnabled;
using testing_support::Trigger;

// Presses the Help button of `dlg`, as the user does.
inline void PressHelp(QWidget& dlg)
{
    dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Help)->click();
}

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
    void TearDown() override
    {
        answer.reset();
        app.reset();
    }

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
    // The stopped sky of the local instant `date` `time`, the clock's offset from UT 0.
    void Show(const Date& date, const Time& time)
    {
        View().Stop();
        View().ShowInstant(ClockInstant(date, time), 0);
    }

    StarMapView& View() const { return wnd->StarView(); }
    const StarMap& Map() const { return wnd->StarView().Map(); }
    const skyframe::Places& Places() const { return wnd->StarView().Frame(); }
    // The picture the view paints now.
    QImage Picture() const { return testing_support::ViewPicture(wnd); }
    // The number of pixels of the picture that are not black, and that are `colour`.
    int CountLit() const
    {
        return Count(Picture(), [](QRgb c) { return (c & 0xFFFFFF) != 0; });
    }
    int CountColour(QRgb colour) const
    {
        return Count(Picture(), [colour](QRgb c) { return (c & 0xFFFFFF) == (colour & 0xFFFFFF); });
    }
    template <class Test> static int Count(const QImage& image, Test test)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test(image.pixel(x, y)) ? 1 : 0;
        return n;
    }

    // The Find dialog answered with kind button `kind` (one of the k... ids, 0 for Cancel) and
    // `text`, and every card answered by noting "card <title> <name>"; then the command
    // `command` ("find" or "findNext") run. What it showed, in order: the cards, then the
    // message boxes as "box <text>".
    static constexpr int kStar = 4402, kConstel = 4403, kObject = 4404, kSolar = 4405;
    std::vector<std::string> Find(int kind, const std::string& text)
    {
        answer.reset(); // puts the previous hook back before the new one is installed
        answer = std::make_unique<testing_support::DialogAnswer>(
            [this, kind, text](platform::Dialog& d)
            {
                if (auto* find = dynamic_cast<FindDlg*>(&d))
                {
                    if (kind == 0)
                        return int{QDialog::Rejected};
                    find->ControlAs<QRadioButton>(kind)->setChecked(true);
                    find->Name->setText(QString::fromStdString(text));
                    find->CmOk();
                    return int{QDialog::Accepted};
                }
                if (auto* card = dynamic_cast<SmallCardDlg*>(&d))
                {
                    std::string shown = "card " + card->windowTitle().toStdString();
                    for (int id : {4001, 4201, 4202})
                        if (card->Control(id))
                            shown += " " + card->Value(id).toStdString();
                    seen.push_back(shown);
                }
                return int{QDialog::Accepted};
            });
        return Run("find");
    }
    std::vector<std::string> Run(const char* command)
    {
        seen.clear();
        const size_t before = messages.boxes.size();
        Trigger(wnd, command);
        for (size_t i = before; i < messages.boxes.size(); ++i)
            seen.push_back("box " + messages.boxes[i].text);
        return seen;
    }

    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    testing_support::HelpRecorder help;
    testing_support::FixedClock clock{Date{21, 3, 2001}, Time{22, 0, 0}};
    std::unique_ptr<VelmoriaApp> app;
    VelmoriaWnd* wnd = nullptr;
    std::unique_ptr<testing_support::DialogAnswer> answer;
    std::vector<std::string> seen;
};
