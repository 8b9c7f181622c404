#include "starmap/StarMapView.h"

#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/PictureExport.h"
#include "sky/StarMotion.h"
#include "time/SimClock.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace
{
// One notch of a mouse wheel: 15 degrees, in the eighths of a degree that Qt reports.
// The Review Globe's turn for one press of Left or Right, degrees, and its tilt for one step
// and one page of its scroll bar.
constexpr double kArrowTurnDegrees = 10.0;
constexpr int kTiltStep = 10;
constexpr int kTiltPage = 30;
constexpr std::pair<int, int> kTiltOfAction[] = {{QAbstractSlider::SliderSingleStepSub, -kTiltStep},
                                                 {QAbstractSlider::SliderSingleStepAdd, kTiltStep},
                                                 {QAbstractSlider::SliderPageStepSub, -kTiltPage},
                                                 {QAbstractSlider::SliderPageStepAdd, kTiltPage}};
// The cursor of the stopped globe, which says that a right click opens cards.
constexpr int kCardsCursor = 103;

// Opens `path` and reads it with `read`; the failure is told as the program always has.
template <class Read> bool ReadFile(QWidget* parent, const char* path, Read read)
{
    std::FILE* f = platform::OpenFile(path, "rb");
    if (!f)
    {
        platform::ErrorBox(parent, platform::FileMessage("Unable to open file", path));
        return false;
    }
    const bool ok = read(f).ok;
    std::fclose(f);
    if (!ok)
        platform::WarningBox(parent, platform::FileMessage("Unable to read from file", path));
    return ok;
}
} // namespace

StarMapView::StarMapView(Setup& v, SimClock& c, QWidget* parent)
    : model::ClockView(parent), values(v), clock(c), tiltBar(new QScrollBar(Qt::Vertical, this))
{
    setObjectName(QStringLiteral("starMapView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    tiltBar->setObjectName(QStringLiteral("vscroll"));
    tiltBar->hide();
    tiltBar->setRange(0, 360);
    tiltBar->setSingleStep(kTiltStep);
    tiltBar->setPageStep(kTiltPage);
    tiltBar->setValue(starmap.TiltPosition());
    connect(tiltBar, &QScrollBar::actionTriggered, this, &StarMapView::Scrolled);
    CreateActions();
    // The run commands follow the clock's mode, direction and date bound.
    connect(&clock, &SimClock::Changed, this, &model::View::UpdateActions);
}

StarMapView::~StarMapView() = default;

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
    const auto make = [this](const Command& c) { return model::MakeAction(this, c); };
    realSky = make({"realSkyGlobe", "Real &Sky Globe ", {}, "Show real sky globe", 501, true});
    review = make({"reviewGlobe", "&Review Globe", {}, "Free review of star globe", 502, true});
    // A picture is saved or printed by default to a file named by the view, the clock's date
    // and time.
    pictures = model::MakePictureActions(
        this, [this] { return grab(ClientRect()).toImage(); },
        [this] { return clock.PictureTitle(QStringLiteral("Star Map"), values); },
        [this]
        {
            return platform::PictureFileName(QStringLiteral("Star Map"), clock.CurrentDate(),
                                             clock.CurrentTime());
        });
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
    ConnectActions();
}

void StarMapView::ConnectActions()
{
    Connect(realSky, [this] { ChangeSystem(true); });
    Connect(review, [this] { ChangeSystem(false); });
    Connect(zoomIn, [this] { Zoom(true); });
    Connect(zoomOut, [this] { Zoom(false); });
    Connect(timeForward, [this] { clock.SetTimeDirection(true); });
    Connect(timeBack, [this] { clock.SetTimeDirection(false); });
    Connect(go, [this] { Go(); });
    Connect(stop, [this] { Stop(); });
    Connect(find, [this] { Find(); });
    Connect(findNext, [this] { FindNext(); });
    Connect(constellationIndex, [this] { platform::ShowHelpTopic(this, 9016); });
    Connect(setup, [this] { ChangeOptions(); });
    Connect(location, [this] { ChooseLocation(); });
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
          {pictures.save},
          {pictures.copy},
          {pictures.print},
          Separator(),
          {shared.ret}}},
        model::ActionMenu(zoomIn, zoomOut, timeForward, timeBack, go, stop, shared.normal),
        {QStringLiteral("&Search"), {{find}, {findNext}}},
        {QStringLiteral("&Setup"),
         {{setup},
          {shared.timeUpdate},
          {location},
          {shared.almanac},
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
    location->setEnabled(starmap.RealSky());
    zoomIn->setEnabled(starmap.CanZoomIn());
    zoomOut->setEnabled(starmap.CanZoomOut());
    timeForward->setEnabled(stepping && !clock.Forward());
    timeBack->setEnabled(stepping && clock.Forward());
    go->setEnabled(!playing);
    stop->setEnabled(playing);
    findNext->setEnabled(search.active && search.more);
    realSky->setChecked(starmap.RealSky());
    review->setChecked(!starmap.RealSky());
}

// ---- entry and exit ----

bool StarMapView::ReadCatalogues()
{
    catalogue = SkyCatalogue{};
    const bool read = ReadFile(this, kStarsFile,
                               [this](std::FILE* f) { return ReadStarCatalogue(f, catalogue); }) &&
                      ReadFile(this, kNgcMessFile,
                               [this](std::FILE* f) { return ReadDeepSkyCatalogue(f, catalogue); });
    if (!read)
    {
        platform::ErrorBox(this, "Unable to show Star Map");
        return false;
    }
    // A missing or damaged file of proper motions leaves the stars at their catalogue places,
    // and one of elements leaves Pluto unknown to Find; neither is reported.
    std::FILE* motions = platform::OpenFile(sky::kStarMotionFile, "rb");
    std::FILE* elements = platform::OpenFile(skybodies::kSolarElementsFile, "rb");
    ReadStarMotionsOf(motions, catalogue);
    catalogue.planetElements = skybodies::ReadPlanetElements(elements);
    for (std::FILE* f : {motions, elements})
        if (f)
            std::fclose(f);
    TurnToDate(starmap.Snapshot(), catalogue, ofDate);
    return true;
}

bool StarMapView::Enter()
{
    if (!ReadCatalogues())
        return false;
    search = {};
    cardMarker.reset();
    sunPicture = platform::LoadBitmapResource("Sun");
    deepSkyPicture = platform::LoadBitmapResource("NGCMess");
    markerPicture = platform::LoadBitmapResource("SkyLabel");
    tiltBar->hide();
    const QRect client = ClientRect();
    starmap.Open(client.width(), client.height(), values.LocValues);
    tiltBar->setValue(starmap.TiltPosition());
    entered = true;
    playing = true;
    unsetCursor();
    emit PaneChanged(model::Pane::Coord, QStringLiteral("Real Sky Globe"));
    SkyChanged();
    UpdateActions();
    return true;
}

void StarMapView::Leave()
{
    Stop();
    unsetCursor();
    entered = false;
    cardMarker.reset();
    highlight.clear();
    tiltBar->hide();
    update();
}

// ---- the clock ----

void StarMapView::Go()
{
    if (clock.StartAnimation(playing, this))
        unsetCursor();
}

void StarMapView::Stop()
{
    clock.StopAnimation(playing);
    setCursor(platform::LoadCursorResource(kCardsCursor));
}

void StarMapView::ShowInstant(uint64_t S, std::optional<int32_t> utcOffset)
{
    starmap.ShowInstant(SkyUt(S, utcOffset, values.LocValues.GMT != 0));
    TurnToDate(starmap.Snapshot(), catalogue, ofDate);
    SkyChanged();
}

void StarMapView::Normal()
{
    starmap.Normal(values.LocValues);
    tiltBar->setValue(starmap.TiltPosition());
    SkyChanged();
}

void StarMapView::SkyChanged()
{
    placesStale = true;
    highlight.clear();
    update();
}

void StarMapView::ChangeSystem(bool realSkyGlobe)
{
    starmap.ShowRealSky(realSkyGlobe);
    tiltBar->setVisible(!realSkyGlobe);
    const QRect client = ClientRect();
    starmap.FollowClient(client.width(), client.height());
    emit PaneChanged(model::Pane::Coord, realSkyGlobe ? QStringLiteral("Real Sky Globe")
                                                      : QStringLiteral("Review Globe"));
    SkyChanged();
    // Normal conditions then show the present moment at once.
    emit NormalConditionsAsked();
}

void StarMapView::Zoom(bool in)
{
    if (in)
        starmap.ZoomIn();
    else
        starmap.ZoomOut();
    SkyChanged();
}

// ---- events ----

QRect StarMapView::ClientRect() const
{
    QRect client = rect();
    if (!tiltBar->isHidden())
        client.setWidth(std::max(width() - tiltBar->sizeHint().width(), 0));
    return client;
}

void StarMapView::resizeEvent(QResizeEvent*)
{
    const int barWidth = tiltBar->sizeHint().width();
    tiltBar->setGeometry(width() - barWidth, 0, barWidth, height());
    const QRect client = ClientRect();
    starmap.FollowClient(client.width(), client.height());
    SkyChanged();
}

void StarMapView::Scrolled(int action)
{
    const auto step = std::ranges::find(kTiltOfAction, action, &std::pair<int, int>::first);
    if (action == QAbstractSlider::SliderMove)
        starmap.TiltTo(tiltBar->sliderPosition());
    else if (step != std::end(kTiltOfAction))
        starmap.TiltBy(step->second);
    else
        return;
    // The view sets the box itself.
    tiltBar->setSliderPosition(starmap.TiltPosition());
    SkyChanged();
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
        dragPosition = starmap.TiltPosition();
    }
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
    const double degreesPerPixel = 180.0 / (std::numbers::pi * std::max(starmap.Radius(), 1.0));
    const QPoint at = event->position().toPoint();
    const double turn = -(at.x() - dragLast.x()) * degreesPerPixel;
    const int position =
        dragPosition + static_cast<int>(std::lround((at.y() - dragFrom.y()) * degreesPerPixel));
    dragLast = at;
    TurnReviewGlobe(turn, position);
}

void StarMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragging = false;
}

void StarMapView::keyPressEvent(QKeyEvent* event)
{
    switch (InReviewGlobe() ? event->key() : Qt::Key_unknown)
    {
    case Qt::Key_Left:
        TurnReviewGlobe(kArrowTurnDegrees, starmap.TiltPosition());
        break;
    case Qt::Key_Right:
        TurnReviewGlobe(-kArrowTurnDegrees, starmap.TiltPosition());
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

void StarMapView::TurnReviewGlobe(double turnDegrees, int position)
{
    if (!InReviewGlobe())
        return;
    starmap.TurnBy(turnDegrees);
    starmap.TiltTo(position);
    tiltBar->setValue(starmap.TiltPosition());
    SkyChanged();
}

const skyframe::Places& StarMapView::Frame()
{
    const skyframe::Layers layers = skyframe::LayersOf(values);
    if (placesStale || !(layers == placedLayers))
    {
        places = skyframe::PlaceAll(starmap.View(layers.transparent), catalogue, ofDate,
                                    starmap.Bodies(), layers);
        placedLayers = layers;
        placesStale = false;
    }
    return places;
}
