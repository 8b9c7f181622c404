#include "starmap/StarMapView.h"

#include "platform/Hint.h"
#include "platform/PictureExport.h"
#include "resources/CommandIds.h"
#include "time/Calendar.h"
#include "time/SimClock.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
// One notch of a mouse wheel: 15 degrees, in the eighths of a degree that Qt reports.
constexpr int kWheelNotch = 120;
// The Review Globe's turn for one press of Left or Right, degrees: the scroll bar's line step.
constexpr double kArrowTurnDegrees = 10.0;
} // namespace

StarMapView::StarMapView(Setup& v, SimClock& c, QWidget* parent)
    : model::ClockView(parent), model::ViewHost(
                                    this, new QScrollBar(Qt::Vertical, this),
                                    Frame{[this](model::Pane pane, const char* text)
                                          { emit PaneChanged(pane, QString::fromLatin1(text)); },
                                          [this](int id, bool checked)
                                          {
                                              if (id == cmd::kRealSkyGlobe)
                                                  realSky->setChecked(checked);
                                              else if (id == cmd::kReviewGlobe)
                                                  review->setChecked(checked);
                                          },
                                          [this] { resizeEvent(nullptr); },
                                          [this] { emit LeaveRequested(); }}),
      starmap(*this, v, c), values(v), clock(c)
{
    setObjectName(QStringLiteral("starMapView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    SetBkgndColor(0);
    QScrollBar* bar = VScrollBar();
    bar->setObjectName(QStringLiteral("vscroll"));
    bar->hide();
    bar->setRange(0, 360);
    bar->setValue(starmap.VPos);
    connect(bar, &QScrollBar::actionTriggered, this, &StarMapView::Scrolled);
    CreateActions();
    // The run commands follow the clock's mode, direction and date bound.
    connect(&clock, &SimClock::Changed, this, &model::View::UpdateActions);
}

StarMapView::~StarMapView() = default;

// ---- the frame around the view ----

QString StarMapView::Caption() const
{
    return QStringLiteral("Velmoria - [Star Map]");
}

const char* StarMapView::Music() const
{
    return "Sound\\StarMap.wav";
}

const char* StarMapView::Hint() const
{
    return "Viewing Star Map";
}

QString StarMapView::ToolbarCaption() const
{
    return QStringLiteral("Star Map Toolbar");
}

template <class F> void StarMapView::Connect(QAction* action, F handler)
{
    connect(action, &QAction::triggered, this,
            [this, handler]
            {
                handler();
                UpdateActions();
            });
}

void StarMapView::CreateActions()
{
    using model::Command;
    using model::MakeAction;
    const auto make = [this](const Command& c) { return MakeAction(this, c); };
    realSky = make({"realSkyGlobe", "Real &Sky Globe ", {}, "Show real sky globe", 501, true});
    review = make({"reviewGlobe", "&Review Globe", {}, "Free review of star globe", 502, true});
    savePicture = make({"savePicture",
                        "Save &Picture\u2026\tCtrl+S",
                        {QKeySequence::Save},
                        "Save the picture of the view as a PNG file"});
    copyPicture = make({"copyPicture",
                        "C&opy Picture\tCtrl+C",
                        {QKeySequence::Copy},
                        "Copy the picture of the view to the clipboard"});
    printPicture = make({"printPicture",
                         "Pr&int\u2026\tCtrl+P",
                         {QKeySequence::Print},
                         "Print the picture of the view with its date, time and place"});
    zoomIn = make(
        {"zoomIn", "Zoom &In\tShift+Home", {Qt::SHIFT | Qt::Key_Home}, "Zooming In of View", 403});
    zoomOut = make(
        {"zoomOut", "Zoom &Out\tShift+End", {Qt::SHIFT | Qt::Key_End}, "Zooming Out of View", 404});
    timeForward = make({"timeForward",
                        "Time &Forward\tShift+Insert",
                        {Qt::SHIFT | Qt::Key_Insert},
                        "Time direction : forward",
                        405});
    timeBack = make({"timeBack",
                     "Time &Back\tShift+Delete",
                     {Qt::SHIFT | Qt::Key_Delete},
                     "Time direction : back",
                     406});
    go = make({"go",
               "&Go\tShift+Enter",
               {Qt::SHIFT | Qt::Key_Return, Qt::SHIFT | Qt::Key_Enter},
               "Starting / Continue process",
               407});
    stop =
        make({"stop", "&Stop\tShift+Pause", {Qt::SHIFT | Qt::Key_Pause}, "Stopping process", 408});
    find = make({"find", "&Find", {}, "Find star by name", 509});
    findNext = make({"findNext", "Find &Next\tF7", {Qt::Key_F7}, "Find next star by name", 510});
    setup = make({"starMapSetup", "Star &Map Setup", {}, "Setup Star Map Window", 374});
    location = make({"location", "&Location Choice", {}, "Choice to your location", 376});
    constellationIndex = make({"constellationIndex",
                               "Constellations &Index",
                               {},
                               "List of constellations abbreviations"});
    about = make({"about", "&About", {}, "About 'Velmoria'"});
    realSky->setChecked(true);

    Connect(realSky, [this] { ChangeSystem(true); });
    Connect(review, [this] { ChangeSystem(false); });
    Connect(savePicture, [this] { SavePicture(); });
    Connect(copyPicture, [this] { CopyPicture(); });
    Connect(printPicture, [this] { PrintPicture(); });
    Connect(zoomIn, [this] { starmap.CmStZoomIn(); });
    Connect(zoomOut, [this] { starmap.CmStZoomOut(); });
    Connect(timeForward, [this] { clock.SetTimeDirection(true); });
    Connect(timeBack, [this] { clock.SetTimeDirection(false); });
    Connect(go, [this] { Go(); });
    Connect(stop, [this] { Stop(); });
    Connect(find, [this] { starmap.CmFind(); });
    Connect(findNext, [this] { starmap.CmFindNext(); });
    Connect(constellationIndex, [this] { starmap.CmConstelIndex(); });
    const auto storing = [this](auto run)
    {
        const Setup before = values;
        run();
        if (std::memcmp(&before, &values, sizeof before) != 0)
            emit ConfigChanged();
    };
    Connect(setup, [this, storing] { storing([this] { starmap.CmSMSetup(); }); });
    Connect(location,
            [this, storing] { storing([this] { starmap.CmLocation(clock.Instant()); }); });
}

QAction* StarMapView::Action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

model::MenuBar StarMapView::Menus(const model::SharedActions& shared)
{
    using model::Separator;
    // The About item of this view's Help menu has always been written without the dots.
    disconnect(about, nullptr, shared.about, nullptr);
    connect(about, &QAction::triggered, shared.about, &QAction::trigger);
    return {
        {QStringLiteral("Star &Map"),
         {{realSky},
          {review},
          Separator(),
          {savePicture},
          {copyPicture},
          {printPicture},
          Separator(),
          {shared.ret}}},
        {QStringLiteral("&Action"),
         {{zoomIn},
          {zoomOut},
          Separator(),
          {timeForward},
          {timeBack},
          Separator(),
          {go},
          {stop},
          Separator(),
          {shared.normal}}},
        {QStringLiteral("&Search"), {{find}, {findNext}}},
        {QStringLiteral("&Setup"),
         {{setup},
          {shared.timeUpdate},
          {location},
          Separator(),
          {shared.showToolbar},
          {shared.sound}}},
        {QStringLiteral("&Help"),
         {{shared.helpContents},
          {shared.usingHelp},
          Separator(),
          {constellationIndex},
          Separator(),
          {about}}},
    };
}

model::ToolbarButtons StarMapView::Toolbar(const model::SharedActions& shared)
{
    return {
        realSky,  review,  nullptr, zoomOut, zoomIn,        nullptr,  timeBack,  timeForward,
        nullptr,  go,      stop,    nullptr, find,          findNext, nullptr,   shared.timeUpdate,
        location, nullptr, setup,   nullptr, shared.normal, nullptr,  shared.ret};
}

void StarMapView::UpdateActions()
{
    const bool stepping = clock.Stepping();
    location->setEnabled(starmap.GlobeSystem);
    zoomIn->setEnabled(starmap.CanZoomIn());
    zoomOut->setEnabled(starmap.CanZoomOut());
    timeForward->setEnabled(stepping && !clock.Forward());
    timeBack->setEnabled(stepping && clock.Forward());
    go->setEnabled(!starmap.StPlaying);
    stop->setEnabled(starmap.StPlaying);
    findNext->setEnabled(starmap.Search && !starmap.NoMore);
    realSky->setChecked(starmap.GlobeSystem);
    review->setChecked(!starmap.GlobeSystem);
}

// ---- entry and exit ----

bool StarMapView::Enter()
{
    starmap.GlobeSystem = true;
    starmap.StPlaying = true;
    starmap.Search = false;
    starmap.NoMore = false;
    if (!starmap.ReadStarData() || !starmap.ReadNGCMessData())
        return false;
    InvalidateErase();
    starmap.Open();
    SetPane(model::Pane::Coord, "Real Sky Globe");
    UpdateActions();
    return true;
}

void StarMapView::Leave()
{
    starmap.Close();
}

// ---- the clock ----

bool StarMapView::Playing() const
{
    return starmap.StPlaying;
}

void StarMapView::Go()
{
    starmap.CmStGo();
}

void StarMapView::Stop()
{
    starmap.CmStStop();
}

void StarMapView::ShowInstant(uint64_t S, std::optional<int32_t> utcOffset)
{
    starmap.UpdateStarAngles(S, utcOffset);
    starmap.ShowStarMap();
    Present();
}

void StarMapView::ClockReversed()
{
    starmap.RebaseStarAngles();
}

void StarMapView::Normal()
{
    starmap.Normal();
    if (!starmap.GlobeSystem)
    {
        VScrollBar()->setRange(0, 360);
        VScrollBar()->setValue(starmap.VPos);
    }
}

void StarMapView::Redraw()
{
    BlackOut();
    starmap.ClearGlobeFlags();
    starmap.ShowStarMap();
    Present();
}

void StarMapView::ChangeSystem(bool realSkyGlobe)
{
    starmap.SetGlobeSystem(realSkyGlobe);
    SetPane(model::Pane::Coord, realSkyGlobe ? "Real Sky Globe" : "Review Globe");
    InvalidateErase();
    // The window is clean: the next frame must erase nothing. Normal conditions then show the
    // present moment at once.
    starmap.ClearGlobeFlags();
    emit NormalConditionsAsked();
}

// ---- the picture on paper ----

QImage StarMapView::Picture() const
{
    return canvas.Image().copy(GetClientRect());
}

QString StarMapView::FileName() const
{
    return platform::PictureFileName(QStringLiteral("Star Map"), clock.CurrentDate(),
                                     clock.CurrentTime());
}

void StarMapView::SavePicture()
{
    platform::SavePicture(this, Picture(), FileName());
}

void StarMapView::CopyPicture()
{
    platform::CopyPicture(Picture());
}

void StarMapView::PrintPicture()
{
    platform::PrintPicture(this, Picture(), clock.PictureTitle(QStringLiteral("Star Map"), values),
                           FileName());
}

// ---- events ----

void StarMapView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
}

void StarMapView::resizeEvent(QResizeEvent*)
{
    canvas.Resize(std::max(width(), 1), std::max(height(), 1), BkgndColor());
    const int sw = VScrollBar()->sizeHint().width();
    VScrollBar()->setGeometry(width() - sw, 0, sw, height());
    starmap.FollowClient();
    BlackOut();
    // A running view is redrawn by its next tick; a stopped one gets no tick, so it is drawn
    // once now (when its sprites exist: not while it is being set up or torn down).
    if (!starmap.StPlaying && starmap.HasSprites())
    {
        starmap.ClearGlobeFlags();
        starmap.ShowStarMap();
    }
    update();
}

bool StarMapView::InReviewGlobe() const
{
    return !starmap.GlobeSystem && starmap.HasSprites();
}

void StarMapView::Scrolled(int action)
{
    switch (action)
    {
    case QAbstractSlider::SliderSingleStepSub:
        starmap.Scroll(SB_LINEUP, 0);
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        starmap.Scroll(SB_LINEDOWN, 0);
        break;
    case QAbstractSlider::SliderPageStepSub:
        starmap.Scroll(SB_PAGEUP, 0);
        break;
    case QAbstractSlider::SliderPageStepAdd:
        starmap.Scroll(SB_PAGEDOWN, 0);
        break;
    case QAbstractSlider::SliderMove:
        starmap.Scroll(SB_THUMBPOSITION, VScrollBar()->sliderPosition());
        break;
    default:
        return;
    }
    // The view sets the box itself.
    VScrollBar()->setSliderPosition(starmap.VPos);
    starmap.ShowStarMap();
    Present();
}

void StarMapView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton)
        OpenCardsAt(at);
    else if (event->button() == Qt::LeftButton && InReviewGlobe())
    {
        dragging = true;
        dragFrom = dragLast = at;
        dragVPos = starmap.VPos;
    }
    Present();
}

void StarMapView::mouseMoveEvent(QMouseEvent* event)
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

void StarMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void StarMapView::wheelEvent(QWheelEvent* event)
{
    // Wheels with finer steps than a notch add up to one.
    wheelRest += event->angleDelta().y();
    for (; wheelRest >= kWheelNotch; wheelRest -= kWheelNotch)
        if (zoomIn->isEnabled())
            zoomIn->trigger();
    for (; wheelRest <= -kWheelNotch; wheelRest += kWheelNotch)
        if (zoomOut->isEnabled())
            zoomOut->trigger();
    event->accept();
}

void StarMapView::keyPressEvent(QKeyEvent* event)
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
        Scrolled(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        Scrolled(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void StarMapView::TurnReviewGlobe(double turnDegrees, int vpos)
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

void StarMapView::OpenCardsAt(QPoint point)
{
    if (starmap.StPlaying || !starmap.OpenCardsAt(point))
        return;
    BlackOut();
    starmap.ShowStarMap();
    Present();
}
