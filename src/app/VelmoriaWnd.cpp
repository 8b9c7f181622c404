#include "app/VelmoriaWnd.h"

#include "app/AboutDlg.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/Hint.h"
#include "platform/MessageBox.h"
#include "platform/PictureExport.h"
#include "platform/Sound.h"
#include "resources/CommandIds.h"
#include "time/Calendar.h"
#include "time/TimeUpdateDlg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

using model::Mode;

namespace
{
constexpr platform::Rgb kGrey = platform::RGB(192, 192, 192);
constexpr platform::Rgb kBlack = 0;
constexpr const char* kBackgroundFile = "Bitmap\\BackGnd.bmp";
// One notch of a mouse wheel: 15 degrees, in the eighths of a degree that Qt reports.
constexpr int kWheelNotch = 120;
// The Review Globe's turn for one press of Left or Right, degrees: the scroll bar's line step.
constexpr double kArrowTurnDegrees = 10.0;

// A text of the clock's panes without the panes' leading spaces.
QString Trimmed(const std::string& text)
{
    return QString::fromLatin1(text.c_str()).trimmed();
}

// "48° 51' N 2° 21' E": the observer's place as the location dialog stores it.
QString PlaceText(const LocationSetup& loc)
{
    const auto angle = [](const Coordinate& c, char hemisphere)
    {
        return QStringLiteral("%1\u00B0 %2' %3")
            .arg(c.Degree)
            .arg(c.Minute, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(hemisphere));
    };
    return angle(loc.Lat, loc.North ? 'N' : 'S') + QLatin1Char(' ') +
           angle(loc.Lon, loc.West ? 'W' : 'E');
}

QString ViewCaption(Mode subject)
{
    return subject == Mode::StarMap ? QStringLiteral("Star Map") : QStringLiteral("Solar System");
}

bool IsPictureCommand(int id)
{
    return id == cmd::kSavePicture || id == cmd::kCopyPicture || id == cmd::kPrintPicture;
}
// The music of a mode.
const char* ModeSound(Mode subject)
{
    switch (subject)
    {
    case Mode::Main:
        return "Sound\\Main.wav";
    case Mode::SolarSystem:
        return "Sound\\SolarSystem.wav";
    case Mode::StarMap:
        return "Sound\\StarMap.wav";
    case Mode::DataBase:
        return "Sound\\DataBase.wav";
    case Mode::None:
        break;
    }
    return "";
}
} // namespace

VelmoriaWnd::VelmoriaWnd(QWidget* parent)
    : QWidget(parent), model::ViewHost(
                           this, new QScrollBar(Qt::Vertical, this),
                           Frame{[this](model::Pane pane, const char* text)
                                 { emit PaneTextChanged(pane, QString::fromLatin1(text)); },
                                 [this](int id, bool checked) { emit CommandChecked(id, checked); },
                                 [this] { EvSize(); }, [this] { LeaveCurrentView(); }})
{
    setObjectName(QStringLiteral("VelmoriaWnd"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    QScrollBar* vscroll = VScrollBar();
    vscroll->setObjectName(QStringLiteral("vscroll"));
    vscroll->hide();
    vscroll->setRange(0, 360);
    VScrollBar()->setValue(starmap.VPos);
    connect(vscroll, &QScrollBar::actionTriggered, this,
            [this](int action)
            {
                switch (action)
                {
                case QAbstractSlider::SliderSingleStepSub:
                    EvVScroll(SB_LINEUP, 0);
                    break;
                case QAbstractSlider::SliderSingleStepAdd:
                    EvVScroll(SB_LINEDOWN, 0);
                    break;
                case QAbstractSlider::SliderPageStepSub:
                    EvVScroll(SB_PAGEUP, 0);
                    break;
                case QAbstractSlider::SliderPageStepAdd:
                    EvVScroll(SB_PAGEDOWN, 0);
                    break;
                case QAbstractSlider::SliderMove:
                    EvVScroll(SB_THUMBPOSITION, VScrollBar()->sliderPosition());
                    break;
                default:
                    break;
                }
                // The window sets the box itself.
                VScrollBar()->setSliderPosition(starmap.VPos);
            });
    SetBkgndColor(kGrey);
    canvas = platform::Canvas(1, 1, kGrey);
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
    timers.KillAll();
}

void VelmoriaWnd::ShutDown()
{
    if (shutDown)
        return;
    shutDown = true;
    DestroyMode(true);
    StoreCFG();
    platform::StopSound();
    timers.KillAll();
}

void VelmoriaWnd::DestroyMode(bool exit)
{
    switch (Subject)
    {
    case Mode::Main:
        DestroyMain();
        break;
    case Mode::SolarSystem:
        DestroySolarSystem(exit);
        break;
    case Mode::StarMap:
        DestroyStarMap(exit);
        break;
    case Mode::DataBase:
        DestroyDataBase();
        break;
    case Mode::None:
        break;
    }
}

void VelmoriaWnd::SetupWindow()
{
    Sound = true;
    platform::PlaySoundLoop("Sound\\Main.wav");
    SetBckGndPicture();
}

// ---- window services ----

void VelmoriaWnd::LeaveCurrentView()
{
    switch (Subject)
    {
    case Mode::SolarSystem:
        DestroySolarSystem(false);
        break;
    case Mode::StarMap:
        DestroyStarMap(false);
        break;
    case Mode::DataBase:
        DestroyDataBase();
        break;
    case Mode::Main:
    case Mode::None:
        return;
    }
    SetBckGndPicture();
    RestoreMain();
}

void VelmoriaWnd::ShowModeFrame(const char* caption, int menuId)
{
    emit FrameChanged(QString::fromLatin1(caption), menuId);
    if (Sound)
        platform::PlaySoundLoop(ModeSound(Subject));
    else
        // Every menu resource carries the sound item checked.
        CheckCommand(cmd::kSound, false);
}

void VelmoriaWnd::RestoreMain()
{
    Subject = Mode::Main;
    emit SubjectChanged();
    ShowModeFrame("Velmoria - [Main]", cmd::kMainMenu);
    SetHint("Choose subject for viewing");
}

void VelmoriaWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
}

void VelmoriaWnd::resizeEvent(QResizeEvent*)
{
    canvas.Resize(width(), height(), BkgndColor());
    const int sw = VScrollBar()->sizeHint().width();
    VScrollBar()->setGeometry(width() - sw, 0, sw, height());
    EvSize();
    update();
}

void VelmoriaWnd::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton)
        EvRButtonDown(at);
    else if (event->button() == Qt::LeftButton && InReviewGlobe())
    {
        dragging = true;
        dragFrom = dragLast = at;
        dragVPos = starmap.VPos;
    }
    Present();
}

void VelmoriaWnd::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragging || !(event->buttons() & Qt::LeftButton) || !InReviewGlobe())
    {
        dragging = false;
        return;
    }
    // The globe follows the pointer: near the middle of the disc, a move of one radius is a
    // turn or a tilt of one radian.
    const double degreesPerPixel = 180.0 / (std::numbers::pi * std::max<int>(starmap.r, 1));
    const QPoint at = event->position().toPoint();
    const double turn = -(at.x() - dragLast.x()) * degreesPerPixel;
    const int vpos = std::clamp(
        dragVPos + static_cast<int>(std::lround((at.y() - dragFrom.y()) * degreesPerPixel)), 0,
        360);
    dragLast = at;
    TurnReviewGlobe(turn, vpos);
}

void VelmoriaWnd::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void VelmoriaWnd::wheelEvent(QWheelEvent* event)
{
    int zoomIn = 0;
    int zoomOut = 0;
    if (Subject == Mode::SolarSystem)
    {
        zoomIn = cmd::kZoomIn;
        zoomOut = cmd::kZoomOut;
    }
    else if (Subject == Mode::StarMap)
    {
        zoomIn = cmd::kStZoomIn;
        zoomOut = cmd::kStZoomOut;
    }
    else
    {
        event->ignore();
        return;
    }
    // Wheels with finer steps than a notch add up to one.
    wheelRest += event->angleDelta().y();
    for (; wheelRest >= kWheelNotch; wheelRest -= kWheelNotch)
        if (ButtonEnabler(zoomIn))
            DispatchCommand(zoomIn);
    for (; wheelRest <= -kWheelNotch; wheelRest += kWheelNotch)
        if (ButtonEnabler(zoomOut))
            DispatchCommand(zoomOut);
    event->accept();
}

void VelmoriaWnd::keyPressEvent(QKeyEvent* event)
{
    if (!InReviewGlobe())
    {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key())
    {
    case Qt::Key_Left:
        TurnReviewGlobe(kArrowTurnDegrees, starmap.VPos);
        break;
    case Qt::Key_Right:
        TurnReviewGlobe(-kArrowTurnDegrees, starmap.VPos);
        break;
    case Qt::Key_Up:
        EvVScroll(SB_LINEUP, 0);
        break;
    case Qt::Key_Down:
        EvVScroll(SB_LINEDOWN, 0);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool VelmoriaWnd::InReviewGlobe() const
{
    return Subject == Mode::StarMap && !starmap.GlobeSystem && starmap.HasSprites();
}

void VelmoriaWnd::TurnReviewGlobe(double turnDegrees, int vpos)
{
    if (!InReviewGlobe())
        return;
    starmap.TurnBy(turnDegrees);
    if (vpos != starmap.VPos)
        starmap.Scroll(SB_THUMBPOSITION, std::clamp(vpos, 0, 360));
    VScrollBar()->setValue(starmap.VPos);
    starmap.ShowStarMap();
    Present();
}

void VelmoriaWnd::timerEvent(QTimerEvent* event)
{
    const unsigned id = timers.Lookup(event->timerId());
    if (id == 0)
    {
        QWidget::timerEvent(event);
        return;
    }
    EvTimer(id);
    Present();
}

// ---- commands ----

void VelmoriaWnd::DispatchCommand(int id)
{
    // The commands of one view (a range of ids), done only while that view is on screen.
    struct ViewCommand
    {
        int first, last;
        Mode view;
        void (*run)(VelmoriaWnd& w, int id);
    };
    static constexpr ViewCommand kViewCommands[] = {
        {cmd::kConstellationIndex, cmd::kConstellationIndex, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.starmap.CmConstelIndex(); }},
        {cmd::kSolarSetup, cmd::kSolarSetup, Mode::SolarSystem,
         [](VelmoriaWnd& w, int) { w.StoreCFGAfter([&w] { w.solar.CmSSSetup(); }); }},
        {cmd::kStarMapSetup, cmd::kStarMapSetup, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.StoreCFGAfter([&w] { w.starmap.CmSMSetup(); }); }},
        {cmd::kLocation, cmd::kLocation, Mode::StarMap,
         [](VelmoriaWnd& w, int)
         { w.StoreCFGAfter([&w] { w.starmap.CmLocation(w.clock.Instant()); }); }},
        {cmd::kZoomIn, cmd::kZoomIn, Mode::SolarSystem,
         [](VelmoriaWnd& w, int) { w.solar.CmZoomIn(); }},
        {cmd::kZoomOut, cmd::kZoomOut, Mode::SolarSystem,
         [](VelmoriaWnd& w, int) { w.solar.CmZoomOut(); }},
        {cmd::kTimeForward, cmd::kTimeBack, Mode::SolarSystem,
         [](VelmoriaWnd& w, int id) { w.clock.SetTimeDirection(id == cmd::kTimeForward); }},
        {cmd::kGo, cmd::kGo, Mode::SolarSystem, [](VelmoriaWnd& w, int) { w.solar.CmGo(); }},
        {cmd::kStop, cmd::kStop, Mode::SolarSystem, [](VelmoriaWnd& w, int) { w.solar.CmStop(); }},
        {cmd::kFirstCenter, cmd::kLastCenter, Mode::SolarSystem,
         [](VelmoriaWnd& w, int id) { w.solar.ChangeCenter(id); }},
        {cmd::kStZoomIn, cmd::kStZoomIn, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.starmap.CmStZoomIn(); }},
        {cmd::kStZoomOut, cmd::kStZoomOut, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.starmap.CmStZoomOut(); }},
        {cmd::kStTimeForward, cmd::kStTimeBack, Mode::StarMap,
         [](VelmoriaWnd& w, int id) { w.clock.SetTimeDirection(id == cmd::kStTimeForward); }},
        {cmd::kStGo, cmd::kStGo, Mode::StarMap, [](VelmoriaWnd& w, int) { w.starmap.CmStGo(); }},
        {cmd::kStStop, cmd::kStStop, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.starmap.CmStStop(); }},
        {cmd::kFind, cmd::kFind, Mode::StarMap, [](VelmoriaWnd& w, int) { w.starmap.CmFind(); }},
        {cmd::kFindNext, cmd::kFindNext, Mode::StarMap,
         [](VelmoriaWnd& w, int) { w.starmap.CmFindNext(); }},
        {cmd::kSunData, cmd::kSunData, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.ShowSunData(); }},
        {cmd::kFirstPlanetData, cmd::kLastPlanetData, Mode::DataBase,
         [](VelmoriaWnd& w, int id) { w.database.ShowPlanetData(id); }},
        {cmd::kMoonData, cmd::kMoonData, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.ShowMoonData(); }},
        {cmd::kSolarObjectsView, cmd::kSolarObjectsView, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.CmSolObjView(); }},
        {cmd::kGalaxiesView, cmd::kGalaxiesView, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.CmGalaxyView(); }},
        {cmd::kNebulasView, cmd::kNebulasView, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.CmNebulaView(); }},
        {cmd::kComparison, cmd::kComparison, Mode::DataBase,
         [](VelmoriaWnd& w, int) { w.database.CmComparison(); }},
    };
    for (const ViewCommand& c : kViewCommands)
        if (id >= c.first && id <= c.last)
        {
            if (Subject == c.view)
                c.run(*this, id);
            Present();
            return;
        }
    switch (id)
    {
    case cmd::kSavePicture:
    case cmd::kCopyPicture:
    case cmd::kPrintPicture:
        if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        {
            if (id == cmd::kSavePicture)
                CmSavePicture();
            else if (id == cmd::kCopyPicture)
                CmCopyPicture();
            else
                CmPrintPicture();
        }
        break;
    case cmd::kSolarSystem:
        CmSolarSystem();
        break;
    case cmd::kStarMap:
        CmStarMap();
        break;
    case cmd::kDataBase:
        CmDBSolar();
        break;
    case cmd::kExit:
    case cmd::kReturn:
        CmExit(id);
        break;
    case cmd::kHelpContents:
        CmContentsHelp();
        break;
    case cmd::kHelpOnHelp:
        CmUsingHelp();
        break;
    case cmd::kAbout:
        CmAbout();
        break;
    case cmd::kTimeUpdate:
        CmTimeUpdate();
        break;
    case cmd::kSound:
        CmSound();
        break;
    case cmd::kNormal:
        CmNormal();
        break;
    case cmd::kRealSkyGlobe:
    case cmd::kReviewGlobe:
        ChangeSystem(id);
        break;
    default:
        break;
    }
    Present();
}

bool VelmoriaWnd::ButtonEnabler(int id) const
{
    if (IsPictureCommand(id))
        return Subject == Mode::SolarSystem || Subject == Mode::StarMap;
    if (Subject == Mode::SolarSystem)
    {
        switch (id)
        {
        case cmd::kZoomIn:
            return solar.CanZoomIn();
        case cmd::kZoomOut:
            return solar.CanZoomOut();
        case cmd::kTimeForward:
            return clock.TimeUpdateMode != kRealTime && !clock.TimeForward;
        case cmd::kTimeBack:
            return clock.TimeUpdateMode != kRealTime && clock.TimeForward;
        case cmd::kGo:
            return !solar.Playing;
        case cmd::kStop:
            return solar.Playing;
        default:
            return true;
        }
    }
    if (Subject == Mode::StarMap)
    {
        switch (id)
        {
        case cmd::kLocation:
            return starmap.GlobeSystem;
        case cmd::kStZoomIn:
            return starmap.CanZoomIn();
        case cmd::kStZoomOut:
            return starmap.CanZoomOut();
        case cmd::kStTimeForward:
            return clock.TimeUpdateMode != kRealTime && !clock.TimeForward;
        case cmd::kStTimeBack:
            return clock.TimeUpdateMode != kRealTime && clock.TimeForward;
        case cmd::kStGo:
            return !starmap.StPlaying;
        case cmd::kStStop:
            return starmap.StPlaying;
        case cmd::kFindNext:
            return starmap.Search && !starmap.NoMore;
        default:
            return true;
        }
    }
    return true;
}

void VelmoriaWnd::CmSolarSystem()
{
    if (Subject != Mode::Main)
        return;
    DestroyMain();
    solar.Playing = true;
    Subject = Mode::SolarSystem;
    solar.SystemCenter = 0;
    clock.TimeUpdateMode = kRealTime;
    clock.TimeForward = true;
    clock.TimeRate = 1;
    emit SubjectChanged();
    if (!solar.ReadSolData())
        return;
    SetBkgndColor(kBlack);
    InvalidateErase();
    ShowModeFrame("Velmoria - [Solar System]", cmd::kSolarMenu);
    solar.Open();
    clock.timeStep = 0;
    update();
    clock.SetupStatusBar();
    SetHint("Viewing Solar System model");
    SetPane(model::Pane::Coord, "Center : Sun");
    SetTimer(kTimerRealTime, 1000);
    // The first frame now, not a second later with the first tick, which draws the same.
    ShowRealTimeFrame();
}

void VelmoriaWnd::CmStarMap()
{
    if (Subject != Mode::Main)
        return;
    DestroyMain();
    starmap.GlobeSystem = true;
    starmap.StPlaying = true;
    starmap.Search = false;
    starmap.NoMore = false;
    Subject = Mode::StarMap;
    clock.TimeForward = true;
    clock.TimeUpdateMode = kRealTime;
    clock.TimeRate = 1;
    emit SubjectChanged();
    if (!starmap.ReadStarData())
        return;
    if (!starmap.ReadNGCMessData())
        return;
    SetBkgndColor(kBlack);
    InvalidateErase();
    ShowModeFrame("Velmoria - [Star Map]", cmd::kStarMapMenu);
    starmap.Open();
    clock.timeStep = 0;
    clock.SetupStatusBar();
    SetHint("Viewing Star Map");
    SetPane(model::Pane::Coord, "Real Sky Globe");
    SetTimer(kTimerRealTime, 1000);
    // The first frame now, not a second later with the first tick, which draws the same.
    ShowRealTimeFrame();
}

void VelmoriaWnd::CmDBSolar()
{
    if (Subject != Mode::Main)
        return;
    DestroyMain();
    Subject = Mode::DataBase;
    emit SubjectChanged();
    SetBckGndPicture();
    InvalidateErase();
    ShowModeFrame("Velmoria - [Astronomical Database]", cmd::kDataBaseMenu);
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::CmExit(int id)
{
    if (id == cmd::kExit)
    {
        if (Subject != Mode::Main)
            return;
        // Closing the frame shuts the window down and ends the message loop.
        emit ExitRequested();
        return;
    }
    if (Subject == Mode::Main)
        return;
    SetBkgndColor(kGrey);
    DestroyMode(false);
    // The grey erase comes after the tear-down: hiding the review globe's scroll bar resizes
    // the client area, and a resize in a view fills it with black.
    InvalidateErase();
    SetBckGndPicture();
    RestoreMain();
}

void VelmoriaWnd::CmSound()
{
    Sound = !Sound;
    if (Sound)
        platform::PlaySoundLoop(ModeSound(Subject));
    else
        platform::StopSound();
    CheckCommand(cmd::kSound, Sound);
}

void VelmoriaWnd::CmContentsHelp()
{
    platform::WinHelp(this, "Velmoria.hlp", platform::HELP_FINDER, 0);
    ShowAgainAfterCover();
}

void VelmoriaWnd::CmUsingHelp()
{
    platform::WinHelp(this, "Winhlp32.hlp", platform::HELP_HELPONHELP, 0);
    ShowAgainAfterCover();
}

void VelmoriaWnd::ShowAgainAfterCover()
{
    // Erasing would black out a view: a stopped one gets no tick that draws it again.
    if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        update();
    else
    {
        InvalidateErase();
        // The background picture is drawn back at once, not left to its timer: the help
        // viewer stays open over the window.
        ShowBckGndPicture();
        Present();
    }
}

void VelmoriaWnd::CmAbout()
{
    SetHint("About 'Velmoria' program");
    AboutDlg dlg(this);
    dlg.Execute();
    ShowAgainAfterCover();
    switch (Subject)
    {
    case Mode::Main:
        SetHint("Choose subject for viewing");
        break;
    case Mode::SolarSystem:
        SetHint("Viewing Solar System model");
        break;
    case Mode::StarMap:
        SetHint("Viewing Star Map");
        break;
    case Mode::DataBase:
        SetHint("Viewing Solar System Data Base");
        break;
    case Mode::None:
        break;
    }
}

// ---- the view on paper ----

QImage VelmoriaWnd::ViewPicture() const
{
    return canvas.Image().copy(GetClientRect());
}

QString VelmoriaWnd::PictureTitle() const
{
    const Date& d = clock.CurDate;
    const Time& t = clock.CurTime;
    return platform::PictureTitleLine(
        ViewCaption(Subject), Trimmed(DatePaneText(d.Day, d.Month, d.Year)),
        Trimmed(TimePaneText(t.Hour, t.Minute, t.Second)), PlaceText(Values.LocValues));
}

void VelmoriaWnd::CmSavePicture()
{
    platform::SavePicture(
        this, ViewPicture(),
        platform::PictureFileName(ViewCaption(Subject), clock.CurDate, clock.CurTime));
}

void VelmoriaWnd::CmCopyPicture()
{
    platform::CopyPicture(ViewPicture());
}

void VelmoriaWnd::CmPrintPicture()
{
    platform::PrintPicture(
        this, ViewPicture(), PictureTitle(),
        platform::PictureFileName(ViewCaption(Subject), clock.CurDate, clock.CurTime));
}

// ---- events ----

void VelmoriaWnd::EvSize()
{
    if (Subject == Mode::SolarSystem)
    {
        solar.SetCentreFromClient();
        BlackOut();
        // A running view is redrawn by its next tick; a stopped one gets no tick, so it is
        // drawn once now (when its sprites exist: not while it is being set up or torn down).
        if (!solar.Playing && solar.HasSprites())
            solar.ShowSolSyst();
    }
    else if (Subject == Mode::StarMap)
    {
        starmap.FollowClient();
        BlackOut();
        if (!starmap.StPlaying && starmap.HasSprites())
        {
            starmap.ClearGlobeFlags();
            starmap.ShowStarMap();
        }
    }
    else if (Subject == Mode::Main || Subject == Mode::DataBase)
        InvalidateErase();
}

void VelmoriaWnd::EvVScroll(int scrollCode, int thumbPos)
{
    starmap.Scroll(scrollCode, thumbPos);
    VScrollBar()->setValue(starmap.VPos);
    if (Subject == Mode::StarMap)
        starmap.ShowStarMap();
    Present();
}

void VelmoriaWnd::EvRButtonDown(QPoint point)
{
    bool hit = false;
    if (Subject == Mode::SolarSystem && !solar.Playing)
        hit = solar.OpenCardsAt(point);
    else if (Subject == Mode::StarMap && !starmap.StPlaying)
        hit = starmap.OpenCardsAt(point);
    if (hit)
    {
        BlackOut();
        if (Subject == Mode::StarMap)
            starmap.ShowStarMap();
        else
            solar.ShowSolSyst();
    }
}

// ---- tear-down and background ----

void VelmoriaWnd::DestroyMain()
{
    KillTimer(kTimerBackground);
    BGBitmap.reset();
    InvalidateErase();
}

void VelmoriaWnd::DestroyDataBase()
{
    DestroyMain();
}

void VelmoriaWnd::DestroySolarSystem(bool exit)
{
    KillTimer(clock.TimerFor(Mode::SolarSystem));
    solar.Close();
    if (!exit)
        for (model::Pane pane :
             {model::Pane::Date, model::Pane::Time, model::Pane::Mode, model::Pane::Coord})
            SetPane(pane, "");
}

void VelmoriaWnd::DestroyStarMap(bool exit)
{
    KillTimer(clock.TimerFor(Mode::StarMap));
    starmap.Close();
    if (!exit)
        for (model::Pane pane :
             {model::Pane::Date, model::Pane::Time, model::Pane::Mode, model::Pane::Coord})
            SetPane(pane, "");
}

void VelmoriaWnd::SetBckGndPicture()
{
    std::FILE* f = platform::OpenFile(kBackgroundFile, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kBackgroundFile));
        return;
    }
    std::fclose(f);
    const std::unique_ptr<platform::Dib> dib(platform::ReadDib(kBackgroundFile));
    BGBitmap = dib ? std::make_unique<platform::Bitmap>(dib->Image()) : nullptr;
    update();
    SetTimer(kTimerBackground, 1);
}

void VelmoriaWnd::ShowBckGndPicture()
{
    if (!BGBitmap)
        return;
    const QRect rc = GetClientRect();
    const int left = rc.width() / 2 - BGBitmap->Width() / 2;
    const int top = rc.height() / 2 - BGBitmap->Height() / 2;
    // The copy runs on every tick of a fast timer: touch the window only when the picture
    // there is not already whole. The canvas's cache key changes with every write to it, so
    // while it is the key of the last check and the place is the same, nothing can have
    // drawn over the picture and even the comparison is skipped.
    const QImage& src = BGBitmap->Image();
    const QImage& dst = canvas.Image();
    const QPoint place(left, top);
    if (dst.cacheKey() == bgCheckedKey && place == bgCheckedAt && src.cacheKey() == bgSourceKey)
        return;
    const QRect visible =
        QRect(left, top, src.width(), src.height()).intersected(QRect(QPoint(0, 0), dst.size()));
    bool same = true;
    for (int y = visible.top(); same && y <= visible.bottom(); ++y)
    {
        const auto* s =
            reinterpret_cast<const QRgb*>(src.constScanLine(y - top)) + (visible.left() - left);
        const auto* d = reinterpret_cast<const QRgb*>(dst.constScanLine(y)) + visible.left();
        same = std::equal(s, s + visible.width(), d);
    }
    if (!same)
        canvas.BitBlt(left, top, BGBitmap->Width(), BGBitmap->Height(), *BGBitmap, 0, 0,
                      platform::Rop::SrcCopy);
    bgCheckedKey = canvas.Image().cacheKey();
    bgCheckedAt = place;
    bgSourceKey = src.cacheKey();
}

// ---- the views as the simulated clock runs them: the real-time and stepping ticks, the run
// controls both views share, Time Update and Normal Conditions ----

void VelmoriaWnd::StartClockTimer()
{
    if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        SetTimer(clock.TimerFor(Subject), clock.TimerPeriodMs());
}

void VelmoriaWnd::StopClockTimer()
{
    if (Subject == Mode::SolarSystem || Subject == Mode::StarMap)
        KillTimer(clock.TimerFor(Subject));
}

void VelmoriaWnd::ShowRealTimeFrame()
{
    // Only the view on screen may move: a playing flag left over from another view (an entry
    // that failed while reading its data) must not wake a stopped one.
    const bool solarView = Subject == Mode::SolarSystem && solar.Playing;
    const bool starView = Subject == Mode::StarMap && starmap.StPlaying;
    if (!solarView && !starView)
        return;
    const platform::LocalDateTime now = platform::CurrentLocalDateTime();
    const uint64_t instant = ClockInstant(now.date, now.time);
    clock.ShowTime(now.time.Hour, now.time.Minute, now.time.Second);
    clock.ShowDate(now.date.Day, now.date.Month, now.date.Year);
    if (starView)
    {
        starmap.UpdateStarAngles(instant, now.utcOffset);
        starmap.ShowStarMap();
    }
    else
    {
        solar.UpdateSolAngles(instant);
        solar.ShowSolSyst();
    }
}

void VelmoriaWnd::EvTimer(unsigned timerId)
{
    switch (timerId)
    {
    case kTimerRealTime:
        ShowRealTimeFrame();
        return;
    case kTimerStarMap:
    case kTimerSolar:
    {
        const bool starView = timerId == kTimerStarMap;
        if (starView ? !(Subject == Mode::StarMap && starmap.StPlaying)
                     : !(Subject == Mode::SolarSystem && solar.Playing))
            return;
        // Draw the clock as it stands, then step it: the first tick after a start shows the
        // starting moment.
        const uint64_t instant = clock.Instant();
        const bool reversed = (clock.TimeForward && instant < clock.timeStep) ||
                              (!clock.TimeForward && instant > clock.timeStep);
        if (starView)
        {
            if (reversed)
                starmap.RebaseStarAngles();
            starmap.UpdateStarAngles(instant);
            starmap.ShowStarMap();
        }
        else
        {
            solar.UpdateSolAngles(instant);
            solar.ShowSolSyst();
        }
        if (!clock.Step())
        {
            // Stop first: timer events keep arriving while the message box is open.
            if (starView)
                starmap.CmStStop();
            else
                solar.CmStop();
            platform::InfoBox(this, kDateBoundMessage);
        }
        clock.ShowClock();
        clock.timeStep = instant;
        return;
    }
    case kTimerBackground:
        ShowBckGndPicture();
        return;
    default:
        return;
    }
}

void VelmoriaWnd::CmTimeUpdate()
{
    if (Subject != Mode::SolarSystem && Subject != Mode::StarMap)
        return;
    SetHint("Updating time mode and time value");
    bool wasPlaying;
    if (Subject == Mode::SolarSystem)
    {
        wasPlaying = solar.Playing;
        solar.CmStop();
    }
    else
    {
        wasPlaying = starmap.StPlaying;
        starmap.CmStStop();
    }
    StopClockTimer();
    Present();
    bool set = false;
    {
        TimeUpdateDlg dlg(this, &clock.CurTime, &clock.CurDate, &clock.TimeUpdateMode,
                          &clock.TimeRate);
        set = dlg.Execute() == platform::IDOK;
    }
    // A clock set anew stands within the date bounds (the dialog takes the years 1901 to
    // 2999, or the computer's clock), so Go may start again. The real-time clock cannot
    // stand beyond a bound either, and in Real Time no direction command is enabled that
    // could clear the flag: Go would refuse for good.
    if (set || clock.TimeUpdateMode == kRealTime)
        clock.TimeOut = false;
    clock.ShowMode();
    BlackOut();
    // A stopped view shows the clock just set at once: no tick comes to show it.
    if (set && !wasPlaying)
        ShowClockNow();
    if (Subject == Mode::SolarSystem)
    {
        if (wasPlaying)
            solar.CmGo();
        else
            solar.ShowSolSyst();
        SetHint("Viewing Solar System model");
    }
    else
    {
        if (wasPlaying)
            starmap.CmStGo();
        else
        {
            starmap.ClearGlobeFlags();
            starmap.ShowStarMap();
        }
        SetHint("Viewing Star Map");
    }
    StartClockTimer();
}

void VelmoriaWnd::ShowClockNow()
{
    if (clock.TimeUpdateMode == kRealTime)
        clock.SetupStatusBar();
    else
        clock.ShowClock();
    const uint64_t instant = clock.Instant();
    if (Subject == Mode::StarMap)
        starmap.UpdateStarAngles(instant);
    else if (Subject == Mode::SolarSystem)
        solar.UpdateSolAngles(instant);
}

void VelmoriaWnd::CmNormal()
{
    if (Subject != Mode::SolarSystem && Subject != Mode::StarMap)
    {
        // Main screen and database: nothing animates here and no clock timer belongs here,
        // so only the clock is put back to Real Time, forward, rate 1. The picture is left
        // alone (a black fill would leave the margins of the background picture black).
        clock.SetNormal();
        return;
    }
    BlackOut();
    // Back to the computer's clock, forward: neither can stand beyond a date bound, and in
    // Real Time no direction command could clear the flag afterwards.
    clock.TimeOut = false;
    if (clock.TimeUpdateMode != kRealTime)
        KillTimer(clock.TimerFor(Subject));
    if (Subject == Mode::SolarSystem)
    {
        solar.CmGo();
        solar.Normal();
    }
    else
    {
        starmap.Normal();
        if (!starmap.GlobeSystem)
        {
            VScrollBar()->setRange(0, 360);
            VScrollBar()->setValue(starmap.VPos);
        }
        starmap.CmStGo();
    }
    const bool wasRealTime = clock.TimeUpdateMode == kRealTime;
    clock.SetNormal();
    if (!wasRealTime)
        SetTimer(kTimerRealTime, 1000);
    clock.ShowMode();
    // The view was blacked out: show the present moment now rather than with the next tick.
    ShowRealTimeFrame();
}

void VelmoriaWnd::ChangeSystem(int id)
{
    if (Subject != Mode::StarMap)
        return;
    const bool realSky = id != cmd::kReviewGlobe;
    starmap.SetGlobeSystem(realSky);
    CmNormal();
    SetPane(model::Pane::Coord, realSky ? "Real Sky Globe" : "Review Globe");
    InvalidateErase();
    // The window is clean: the next frame must erase nothing, and it comes now.
    starmap.ClearGlobeFlags();
    ShowRealTimeFrame();
}
