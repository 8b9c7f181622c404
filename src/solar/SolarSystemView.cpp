#include "solar/SolarSystemView.h"

#include "platform/PictureExport.h"
#include "resources/CommandIds.h"
#include "time/SimClock.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstring>

namespace
{
// One notch of a mouse wheel: 15 degrees, in the eighths of a degree that Qt reports.
constexpr int kWheelNotch = 120;

struct CentreItem
{
    const char* name;
    const char* text;
    const char* hint;
};
// The bodies that can stand at the centre, in the order of the centre's numbers.
constexpr CentreItem kCentres[12] = {
    {"centreSun", "&Sun", "Heliocentric System"},
    {"centreMercury", "&Mercury", "Mercury in the center"},
    {"centreVenus", "&Venus", "Venus in the center"},
    {"centreEarth", "&Earth", "Geocentric System"},
    {"centreMars", "M&ars", "Mars in the center"},
    {"centreJupiter", "&Jupiter", "Jupiter in the center"},
    {"centreSaturn", "Sa&turn", "Saturn in the center"},
    {"centreUranus", "&Uranus", "Uranus in the center"},
    {"centreNeptune", "&Neptune", "Neptune in the center"},
    {"centrePluto", "&Pluto", "Pluto in the center"},
    {"centreHalley", "&Halley", "Comet Halley in the center"},
    {"centreEncke", "&Encke", "Comet Encke in the center"},
};
} // namespace

SolarSystemView::SolarSystemView(Setup& v, SimClock& c, QWidget* parent)
    : model::ClockView(parent), model::ViewHost(
                                    this, new QScrollBar(Qt::Vertical, this),
                                    Frame{[this](model::Pane pane, const char* text)
                                          { emit PaneChanged(pane, QString::fromLatin1(text)); },
                                          [this](int id, bool checked)
                                          {
                                              const int k = id - cmd::kFirstCenter;
                                              if (k >= 0 && k < static_cast<int>(centre.size()))
                                                  centre[static_cast<size_t>(k)]->setChecked(
                                                      checked);
                                          },
                                          [] {}, [this] { emit LeaveRequested(); }}),
      solar(*this, v, c), values(v), clock(c)
{
    setObjectName(QStringLiteral("solarSystemView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    SetBkgndColor(0);
    VScrollBar()->hide();
    CreateActions();
    // The run commands follow the clock's mode, direction and date bound.
    connect(&clock, &SimClock::Changed, this, &model::View::UpdateActions);
}

SolarSystemView::~SolarSystemView() = default;

QString SolarSystemView::Caption() const
{
    return QStringLiteral("Velmoria - [Solar System]");
}

const char* SolarSystemView::Music() const
{
    return "Sound\\SolarSystem.wav";
}

const char* SolarSystemView::Hint() const
{
    return "Viewing Solar System model";
}

QString SolarSystemView::ToolbarCaption() const
{
    return QStringLiteral("Solar System Toolbar");
}

template <class F> void SolarSystemView::Connect(QAction* action, F handler)
{
    connect(action, &QAction::triggered, this,
            [this, handler]
            {
                handler();
                UpdateActions();
            });
}

void SolarSystemView::CreateActions()
{
    using model::Command;
    using model::MakeAction;
    const auto make = [this](const Command& c) { return MakeAction(this, c); };
    for (size_t k = 0; k < centre.size(); ++k)
    {
        centre[k] = make({kCentres[k].name, kCentres[k].text, {}, kCentres[k].hint, 0, true});
        Connect(centre[k],
                [this, k] { solar.ChangeCenter(cmd::kFirstCenter + static_cast<int>(k)); });
    }
    centre[0]->setChecked(true);
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
    zoomIn = make({"zoomIn", "&Zoom In\tHome", {Qt::Key_Home}, "Zooming In of View", 403});
    zoomOut = make({"zoomOut", "Zoo&m Out\tEnd", {Qt::Key_End}, "Zooming Out of View", 404});
    timeForward = make({"timeForward",
                        "&Time Forward\tInsert",
                        {Qt::Key_Insert},
                        "Time direction : forward",
                        405});
    timeBack =
        make({"timeBack", "Time &Back\tDelete", {Qt::Key_Delete}, "Time direction : back", 406});
    go = make({"go",
               "&Go\tEnter",
               {Qt::Key_Return, Qt::Key_Enter},
               "Beginning / Continue animation",
               407});
    stop = make({"stop", "&Stop\tPause", {Qt::Key_Pause}, "Stopping animation", 408});
    setup =
        make({"solarSetup", "So&lar System Setup", {}, "Setup Solar System Model's objects", 373});

    const QString caption = QStringLiteral("Solar System");
    // The default file: the view's name, the clock's date and time.
    const auto fileName = [this, caption]
    { return platform::PictureFileName(caption, clock.CurrentDate(), clock.CurrentTime()); };
    Connect(savePicture, [this, fileName] { platform::SavePicture(this, Picture(), fileName()); });
    Connect(copyPicture, [this] { platform::CopyPicture(Picture()); });
    Connect(printPicture,
            [this, caption, fileName] {
                platform::PrintPicture(this, Picture(), clock.PictureTitle(caption, values),
                                       fileName());
            });
    Connect(zoomIn, [this] { solar.CmZoomIn(); });
    Connect(zoomOut, [this] { solar.CmZoomOut(); });
    Connect(timeForward, [this] { clock.SetTimeDirection(true); });
    Connect(timeBack, [this] { clock.SetTimeDirection(false); });
    Connect(go, [this] { Go(); });
    Connect(stop, [this] { Stop(); });
    Connect(setup,
            [this]
            {
                const Setup before = values;
                solar.CmSSSetup();
                if (std::memcmp(&before, &values, sizeof before) != 0)
                    emit ConfigChanged();
            });
}

QAction* SolarSystemView::Action(const char* name) const
{
    return findChild<QAction*>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

model::MenuBar SolarSystemView::Menus(const model::SharedActions& shared)
{
    using model::MenuEntry;
    using model::Separator;
    MenuEntry centres{nullptr, QStringLiteral("&Center of System"), {}};
    for (QAction* a : centre)
        centres.entries.push_back({a});
    return {
        {QStringLiteral("S&olar System"),
         {centres,
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
        {QStringLiteral("&Setup"),
         {{setup}, {shared.timeUpdate}, Separator(), {shared.showToolbar}, {shared.sound}}},
        {QStringLiteral("&Help"),
         {{shared.helpContents}, {shared.usingHelp}, Separator(), {shared.about}}},
    };
}

model::ToolbarButtons SolarSystemView::Toolbar(const model::SharedActions& shared)
{
    return {zoomOut, zoomIn,        nullptr, timeBack,          timeForward, nullptr,
            go,      stop,          nullptr, shared.timeUpdate, nullptr,     setup,
            nullptr, shared.normal, nullptr, shared.ret};
}

void SolarSystemView::UpdateActions()
{
    const bool stepping = clock.Stepping();
    zoomIn->setEnabled(solar.CanZoomIn());
    zoomOut->setEnabled(solar.CanZoomOut());
    timeForward->setEnabled(stepping && !clock.Forward());
    timeBack->setEnabled(stepping && clock.Forward());
    go->setEnabled(!solar.Playing);
    stop->setEnabled(solar.Playing);
    for (size_t k = 0; k < centre.size(); ++k)
        centre[k]->setChecked(k == solar.SystemCenter);
}

bool SolarSystemView::Enter()
{
    solar.Playing = true;
    solar.SystemCenter = 0;
    if (!solar.ReadSolData())
        return false;
    InvalidateErase();
    solar.Open();
    SetPane(model::Pane::Coord, "Center : Sun");
    UpdateActions();
    return true;
}

void SolarSystemView::Leave()
{
    solar.Close();
}

bool SolarSystemView::Playing() const
{
    return solar.Playing;
}

void SolarSystemView::Go()
{
    solar.CmGo();
}

void SolarSystemView::Stop()
{
    solar.CmStop();
}

void SolarSystemView::ShowInstant(uint64_t S, std::optional<int32_t>)
{
    solar.UpdateSolAngles(S);
    solar.ShowSolSyst();
    Present();
}

void SolarSystemView::Normal()
{
    solar.Normal();
}

void SolarSystemView::Redraw()
{
    BlackOut();
    solar.ShowSolSyst();
    Present();
}

QImage SolarSystemView::Picture() const
{
    return canvas.Image().copy(GetClientRect());
}

void SolarSystemView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
}

void SolarSystemView::resizeEvent(QResizeEvent*)
{
    canvas.Resize(std::max(width(), 1), std::max(height(), 1), BkgndColor());
    solar.SetCentreFromClient();
    BlackOut();
    // A running view is redrawn by its next tick; a stopped one gets no tick, so it is drawn
    // once now (when its sprites exist: not while it is being set up or torn down).
    if (!solar.Playing && solar.HasSprites())
        solar.ShowSolSyst();
    update();
}

void SolarSystemView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        OpenCardsAt(event->position().toPoint());
    Present();
}

void SolarSystemView::OpenCardsAt(QPoint point)
{
    if (solar.Playing || !solar.OpenCardsAt(point))
        return;
    BlackOut();
    solar.ShowSolSyst();
    Present();
}

void SolarSystemView::wheelEvent(QWheelEvent* event)
{
    wheelRest += event->angleDelta().y();
    for (; wheelRest >= kWheelNotch; wheelRest -= kWheelNotch)
        if (zoomIn->isEnabled())
            zoomIn->trigger();
    for (; wheelRest <= -kWheelNotch; wheelRest += kWheelNotch)
        if (zoomOut->isEnabled())
            zoomOut->trigger();
    event->accept();
}
