#include "app/VelmoriaWnd.h"

#include "app/AboutDlg.h"
#include "platform/Clock.h"
#include "platform/Help.h"
#include "platform/Hint.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "sky/Ephemeris.h"
#include "starmap/LocationDlg.h"
#include "time/Calendar.h"
#include "time/SkyTime.h"
#include "time/TimeUpdateDlg.h"

#include <QStackedLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>

using model::Mode;

VelmoriaWnd::VelmoriaWnd(QWidget* parent)
    : QWidget(parent), mainScreen(new MainScreen(this)),
      solarView(new SolarSystemView(Values, clock, this)),
      starMapView(new StarMapView(Values, clock, this)), dataBaseView(new DataBaseView(this)),
      almanacView(new AlmanacView(Values, clock, this)), solar(solarView->solar),
      stack(new QStackedLayout(this))
{
    setObjectName(QStringLiteral("VelmoriaWnd"));
    stack->setContentsMargins(0, 0, 0, 0);
    for (model::View* view : Views())
    {
        stack->addWidget(view);
        connect(view, &model::View::PaneChanged, this, &VelmoriaWnd::PaneTextChanged);
        connect(view, &model::View::ConfigChanged, this, &VelmoriaWnd::StoreCFG);
        connect(view, &model::View::LeaveRequested, this,
                [this, view]
                {
                    // A view that fails while it opens says so through Enter's result; the
                    // one on screen is torn down and the screen below comes back.
                    if (view == CurrentView())
                        CmReturn();
                });
    }
    for (model::ClockView* view :
         {static_cast<model::ClockView*>(solarView), static_cast<model::ClockView*>(starMapView)})
        connect(view, &model::ClockView::NormalConditionsAsked, this, &VelmoriaWnd::CmNormal);
    connect(&clock, &SimClock::PaneChanged, this, &VelmoriaWnd::PaneTextChanged);
    connect(mainScreen, &MainScreen::SubjectChosen, this, &VelmoriaWnd::EnterSubject);
    connect(mainScreen, &MainScreen::ExitChosen, this, &VelmoriaWnd::ExitRequested);
    connect(almanacView, &AlmanacView::RowChosen, this, &VelmoriaWnd::ShowAlmanacRow);
    connect(almanacView, &AlmanacView::LocationAsked, this, &VelmoriaWnd::ChooseAlmanacLocation);
    // The Almanac follows the clock's date while it is on screen.
    connect(&clock, &SimClock::PaneChanged, this,
            [this](model::Pane pane, const QString&)
            {
                if (pane == model::Pane::Date && subject == Mode::Almanac)
                    almanacView->Recompute();
            });
    CreateSharedActions();
    ReadCFG();
}

VelmoriaWnd::~VelmoriaWnd()
{
    if (!shutDown)
    {
        // Destroyed without the frame's close (tests, a start that went no further): the
        // same steps, but a failure is only written out, since a message box's event loop
        // must not run from a destructor.
        shutDown = true;
        DestroyMode(true);
        StoreConfig(kConfigFile, Values,
                    [](const std::string& text, const char*, unsigned)
                    { std::fprintf(stderr, "%s\n", text.c_str()); });
        platform::StopSound();
    }
    runner.Stop();
}

void VelmoriaWnd::CreateSharedActions()
{
    const auto make = [this](const model::Command& command, void (VelmoriaWnd::*handler)())
    {
        QAction* action = model::MakeAction(this, command);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    shared.ret =
        make({"return", "R&eturn\tBackSpace", {Qt::Key_Backspace}, "Return to Main Window", 400},
             &VelmoriaWnd::CmReturn);
    shared.timeUpdate = make({"timeUpdate", "Time &Update", {}, "Updating time and date", 375},
                             &VelmoriaWnd::CmTimeUpdate);
    shared.normal = make(
        {"normal", "&Normal Conditions\tF10", {Qt::Key_F10}, "Normalization all conditions", 409},
        &VelmoriaWnd::CmNormal);
    shared.showToolbar =
        model::MakeAction(this, {"showToolbar", "Show &Toolbar", {}, "Show Toolbar window"});
    shared.sound =
        make({"sound", "&Sound\tF5", {Qt::Key_F5}, "Sound On/Off", 0, true}, &VelmoriaWnd::CmSound);
    shared.helpContents = make({"helpContents", "&Contents\tF1", {Qt::Key_F1}, "Contents of help"},
                               &VelmoriaWnd::CmContentsHelp);
    shared.usingHelp =
        make({"usingHelp", "&Using Help", {}, "Help on using help"}, &VelmoriaWnd::CmUsingHelp);
    shared.about = make({"about", "&About ...", {}, "About 'Velmoria'"}, &VelmoriaWnd::CmAbout);
    shared.almanac = make({"almanac",
                           "&Almanac\tF6",
                           {Qt::Key_F6},
                           "Rising and setting, the Moon's phases and the year's "
                           "events for your place"},
                          &VelmoriaWnd::OpenAlmanac);
    shared.sound->setChecked(true);
    // Their keys work on every screen, also where their menus do not show them (F10 puts the
    // clock back to normal on the main screen and in the database too).
    addActions({shared.ret, shared.normal, shared.sound, shared.helpContents, shared.almanac});
}

void VelmoriaWnd::ShutDown()
{
    if (shutDown)
        return;
    shutDown = true;
    DestroyMode(true);
    StoreCFG();
    platform::StopSound();
    runner.Stop();
}

void VelmoriaWnd::SetupWindow()
{
    Sound = true;
    shared.sound->setChecked(true);
    platform::PlaySoundLoop("Sound\\Main.wav");
}

// ---- the views ----

model::View* VelmoriaWnd::ViewOf(Mode which) const
{
    // Views() lists them in the order of the modes, after Mode::None.
    const std::vector<model::View*> views = Views();
    const auto k = static_cast<size_t>(which);
    return k >= 1 && k <= views.size() ? views[k - 1] : nullptr;
}

model::View* VelmoriaWnd::CurrentView() const
{
    return ViewOf(subject);
}

model::ClockView* VelmoriaWnd::AsClockView(Mode which) const
{
    if (which == Mode::SolarSystem)
        return solarView;
    if (which == Mode::StarMap)
        return starMapView;
    return nullptr;
}

model::ClockView* VelmoriaWnd::ClockViewOnScreen() const
{
    return AsClockView(subject);
}

void VelmoriaWnd::ShowSubject(Mode which)
{
    subject = which;
    runner.Attach(AsClockView(which), which);
    model::View* view = ViewOf(which);
    stack->setCurrentWidget(view);
    view->setFocus();
    emit FrameChanged();
    if (Sound)
        platform::PlaySoundLoop(view->Music());
    platform::SetHint(view->Hint());
}

void VelmoriaWnd::RestoreMain()
{
    while (screens.size() > 1)
        CloseTopScreen(false);
    screens = {Mode::Main};
    mainScreen->Enter();
    ShowSubject(Mode::Main);
}

bool VelmoriaWnd::OpenView(Mode which)
{
    model::View* view = ViewOf(which);
    stack->setCurrentWidget(view);
    // The view reads its size as it opens, also in a window not yet on the screen.
    stack->setGeometry(rect());
    if (!view->Enter())
    {
        stack->setCurrentWidget(CurrentView());
        return false;
    }
    screens.push_back(which);
    ShowSubject(which);
    return true;
}

void VelmoriaWnd::EnterSubject(Mode which)
{
    if (subject != Mode::Main || which == Mode::Main || which == Mode::None)
        return;
    mainScreen->Leave();
    model::ClockView* animated = AsClockView(which);
    if (animated)
    {
        // Every view opens on the computer's clock, running forward.
        clock.SetRealTimeForward();
    }
    if (!OpenView(which))
    {
        RestoreMain();
        return;
    }
    if (!animated)
        return;
    clock.NoteStep(0);
    clock.SetupStatusBar();
    StartClockTimer();
    // The first frame now, not a second later with the first tick, which draws the same.
    ShowRealTimeFrame();
    animated->UpdateActions();
}

void VelmoriaWnd::OpenAlmanac()
{
    if (subject != Mode::Main && !ClockViewOnScreen())
        return;
    // Asked again from a view that a row of the Almanac opened: back to the Almanac.
    if (std::find(screens.begin(), screens.end(), Mode::Almanac) != screens.end())
    {
        while (subject != Mode::Almanac)
            CmReturn();
        return;
    }
    StopClockTimer();
    if (subject == Mode::Main)
    {
        mainScreen->Leave();
        // Nothing runs the clock on the main screen: in Real Time it is the computer's.
        if (!clock.Stepping())
            clock.SetupStatusBar();
    }
    OpenView(Mode::Almanac);
}

void VelmoriaWnd::ShowAlmanacRow(double julianDateUt, almanac::SkyView where)
{
    if (subject != Mode::Almanac)
        return;
    const Mode which = where == almanac::SkyView::SolarSystem ? Mode::SolarSystem : Mode::StarMap;
    model::ClockView* view = AsClockView(which);
    const bool open = std::find(screens.begin(), screens.end(), which) != screens.end();
    if (open)
    {
        screens.push_back(which);
        ShowSubject(which);
    }
    else if (!OpenView(which))
        return;
    // The clock stands at the row's moment, in the time the status bar shows, and steps by
    // minutes from there when the user presses Go.
    view->Stop();
    const int64_t ut = static_cast<int64_t>(
        std::llround((julianDateUt - sky::kJulianDate1901) * sky::kSecondsPerDay));
    const int64_t local =
        Values.LocValues.GMT ? ut : ut + platform::ZoneOffsetAtPosix(ut + skytime::kPosix1901);
    Date date{};
    Time time{};
    DateTimeOfInstant(static_cast<uint64_t>(std::max<int64_t>(local, 0)), date, time);
    clock.SetMode(kByMinutes);
    clock.SetDateTime(date, time);
    clock.NoteStep(clock.Instant());
    StartClockTimer();
    view->ShowInstant(clock.Instant(), std::nullopt);
    view->UpdateActions();
}

void VelmoriaWnd::CmReturn()
{
    if (subject == Mode::Main || subject == Mode::None)
        return;
    CloseTopScreen(false);
    ShowTopScreen();
}

void VelmoriaWnd::CloseTopScreen(bool exit)
{
    const Mode top = screens.back();
    if (AsClockView(top))
        StopClockTimer();
    screens.pop_back();
    // A view that a row of the Almanac opened again stays open below.
    if (std::find(screens.begin(), screens.end(), top) != screens.end())
        return;
    ViewOf(top)->Leave();
    if (!exit && AsClockView(top))
        for (model::Pane pane :
             {model::Pane::Date, model::Pane::Time, model::Pane::Mode, model::Pane::Coord})
            emit PaneTextChanged(pane, QString());
}

void VelmoriaWnd::ShowTopScreen()
{
    const Mode top = screens.back();
    if (top == Mode::Main)
    {
        RestoreMain();
        return;
    }
    ShowSubject(top);
    if (top == Mode::Almanac)
    {
        almanacView->Recompute();
        return;
    }
    if (model::ClockView* view = AsClockView(top))
    {
        clock.ShowClock();
        clock.ShowMode();
        StartClockTimer();
        view->ShowInstant(clock.Instant(), std::nullopt);
        view->UpdateActions();
    }
}

void VelmoriaWnd::DestroyMode(bool exit)
{
    while (screens.size() > 1)
        CloseTopScreen(exit);
    if (subject == Mode::Main)
        mainScreen->Leave();
}

void VelmoriaWnd::CmSound()
{
    Sound = !Sound;
    if (Sound)
    {
        if (model::View* view = CurrentView())
            platform::PlaySoundLoop(view->Music());
    }
    else
        platform::StopSound();
    shared.sound->setChecked(Sound);
}

void VelmoriaWnd::CmContentsHelp()
{
    const model::View* view = CurrentView();
    if (view && view->HelpTopic() != 0)
        platform::ShowHelpTopic(this, view->HelpTopic());
    else
        platform::ShowHelpContents(this);
}

void VelmoriaWnd::CmUsingHelp()
{
    platform::ShowHelpOnHelp(this);
}

void VelmoriaWnd::CmAbout()
{
    platform::SetHint("About 'Velmoria' program");
    AboutDlg dlg(this);
    dlg.Execute();
    platform::SetHint(subject == Mode::DataBase ? "Viewing Solar System Data Base"
                      : CurrentView()           ? CurrentView()->Hint()
                                                : "");
}

// ---- the views as the simulated clock runs them: the real-time and stepping ticks, Time Update
// and Normal Conditions ----

void VelmoriaWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Every view has the window's size at once, also before the window is first shown: a view
    // that opens reads its size to place its picture.
    stack->setGeometry(rect());
}

void VelmoriaWnd::CmTimeUpdate()
{
    if (subject == Mode::Almanac)
    {
        // The Almanac's date is the clock's: set it here, the pages follow.
        TimeUpdateDlg dlg(this, clock.Setting());
        if (dlg.Execute() == QDialog::Accepted)
            clock.Apply(dlg.Setting);
        if (clock.Mode() == kRealTime)
            clock.SetupStatusBar();
        almanacView->Recompute();
        return;
    }
    model::ClockView* view = ClockViewOnScreen();
    if (!view)
        return;
    platform::SetHint("Updating time mode and time value");
    const bool wasPlaying = view->Playing();
    view->Stop();
    StopClockTimer();
    bool set = false;
    {
        TimeUpdateDlg dlg(this, clock.Setting());
        set = dlg.Execute() == QDialog::Accepted;
        // A clock set anew stands within the date bounds (the dialog takes the years 1901 to
        // 2999, or the computer's clock), so Go may start again.
        if (set)
            clock.Apply(dlg.Setting);
    }
    // The real-time clock cannot stand beyond a bound either, and in Real Time no direction
    // command is enabled that could clear the flag: Go would refuse for good.
    if (!clock.Stepping())
        clock.SetTimedOut(false);
    clock.ShowMode();
    // A stopped view shows the clock just set at once: no tick comes to show it.
    if (set && !wasPlaying)
        ShowClockNow();
    if (wasPlaying)
        view->Go();
    else
        view->Redraw();
    platform::SetHint(view->Hint());
    StartClockTimer();
    view->UpdateActions();
}

void VelmoriaWnd::ChooseAlmanacLocation()
{
    LocationDlg dlg(this, Values.LocValues);
    if (dlg.Execute() != QDialog::Accepted)
        return;
    const LocationSetup chosen = dlg.Location();
    if (std::memcmp(&chosen, &Values.LocValues, sizeof chosen) == 0)
        return;
    Values.LocValues = chosen;
    StoreCFG();
    almanacView->Recompute();
}

void VelmoriaWnd::CmNormal()
{
    model::ClockView* view = ClockViewOnScreen();
    if (!view)
    {
        // Main screen and database: nothing animates here and no clock timer belongs here,
        // so only the clock is put back to Real Time, forward, rate 1.
        clock.SetNormal();
        return;
    }
    // Back to the computer's clock, forward: neither can stand beyond a date bound, and in
    // Real Time no direction command could clear the flag afterwards.
    clock.SetTimedOut(false);
    StopClockTimer();
    view->Normal();
    view->Go();
    clock.SetNormal();
    StartClockTimer();
    clock.ShowMode();
    view->Redraw();
    // The view was cleared: show the present moment now rather than with the next tick.
    ShowRealTimeFrame();
    view->UpdateActions();
}
