#include "solar/SolarSystemView.h"

#include "model/SmallCard.h"
#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/Hint.h"
#include "platform/MessageBox.h"
#include "platform/PictureExport.h"
#include "solar/SSSetupDlg.h"
#include "time/SimClock.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace
{
using solar::BodyRole;

// One notch of a mouse wheel: 15 degrees, in the eighths of a degree that Qt reports.
constexpr int kTrailsFlag = 12;
const QColor kOrbitGrey(75, 75, 75);
const QColor kNameGrey(200, 200, 200);
// Pixels between a mark's edge and its name.
constexpr double kNameGap = 2;
// The cursor that says a right click opens cards.
constexpr int kStoppedCursor = 103;

struct CentreItem
{
    const char* name;
    const char* text;
    const char* hint;
};
// The bodies that can stand at the centre: the Sun, then the slots of the table in order.
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

// Sprite `id` with mask `id + 100` as one picture: opaque where the mask is black,
// transparent where it is white, at the sprite's size.
QImage LoadSprite(int id)
{
    QImage sprite = platform::LoadBitmapResource(id).convertToFormat(QImage::Format_ARGB32);
    const QImage mask =
        platform::LoadBitmapResource(id + 100).convertToFormat(QImage::Format_RGB32);
    if (mask.size() == sprite.size())
        for (int y = 0; y < sprite.height(); ++y)
            for (int x = 0; x < sprite.width(); ++x)
                if (qGray(mask.pixel(x, y)) > 127)
                    sprite.setPixel(x, y, qRgba(0, 0, 0, 0));
    return sprite.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The top-left corner of `sprite` drawn for a mark at `at`: a sprite of width w covers the
// columns from the one the mark falls in less w / 2 (rounded down), and likewise the rows.
QPoint SpriteCorner(const solar::Point& at, const QImage& sprite)
{
    return {static_cast<int>(std::floor(at.x)) - sprite.width() / 2,
            static_cast<int>(std::floor(at.y)) - sprite.height() / 2};
}

// Whether a mark at `at` can show any part of itself in `area`: marks far outside are never
// handed to the painter, whose integer pixels they would overflow.
bool NearArea(const solar::Point& at, const QRect& area)
{
    constexpr double kReach = 64;
    return at.x > area.left() - kReach && at.x < area.right() + kReach &&
           at.y > area.top() - kReach && at.y < area.bottom() + kReach;
}

// The names' font: the desktop's, growing with a view taller than the reference height up to
// twice its size.
QFont NameFont(int height)
{
    QFont font = QApplication::font();
    const double grow = std::clamp(height / solar::kReferenceHeight, 1.0, 2.0);
    if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * grow)));
    else
        font.setPointSizeF(font.pointSizeF() * grow);
    return font;
}

void DrawCentred(QPainter& p, const solar::Point& at, const QImage& sprite)
{
    p.drawImage(SpriteCorner(at, sprite), sprite);
}
} // namespace

SolarSystemView::SolarSystemView(Setup& v, SimClock& c, QWidget* parent)
    : model::ClockView(parent), solar(v), values(v), clock(c), sunSprite(LoadSprite(1001)),
      cometSprite(LoadSprite(1011)), marker(LoadMarkerPicture())
{
    setObjectName(QStringLiteral("solarSystemView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    for (size_t k = 0; k < planetSprites.size(); ++k)
        planetSprites[k] = LoadSprite(1002 + static_cast<int>(k));
    CreateActions();
    // The run commands follow the clock's mode, direction and date bound.
    connect(&clock, &SimClock::Changed, this, &model::View::UpdateActions);
}

SolarSystemView::~SolarSystemView() = default;

void SolarSystemView::CreateActions()
{
    // Each command runs, then the view's actions and picture follow the new state.
    const auto make = [this](const model::Command& command, auto handler)
    {
        QAction* action = model::MakeAction(this, command);
        connect(action, &QAction::triggered, this,
                [this, handler]
                {
                    handler();
                    UpdateActions();
                    update();
                });
        return action;
    };
    for (size_t k = 0; k < centre.size(); ++k)
        centre[k] = make({kCentres[k].name, kCentres[k].text, {}, kCentres[k].hint, 0, true},
                         [this, k] { ChangeCenter(static_cast<int>(k)); });
    centre[0]->setChecked(true);
    zoomIn = make({"zoomIn", "&Zoom In\tHome", {Qt::Key_Home}, "Zooming In of View", 403},
                  [this] { solar.ZoomIn(); });
    zoomOut = make({"zoomOut", "Zoo&m Out\tEnd", {Qt::Key_End}, "Zooming Out of View", 404},
                   [this] { solar.ZoomOut(); });
    timeForward = make(
        {"timeForward", "&Time Forward\tInsert", {Qt::Key_Insert}, "Time direction : forward", 405},
        [this] { clock.SetTimeDirection(true); });
    timeBack =
        make({"timeBack", "Time &Back\tDelete", {Qt::Key_Delete}, "Time direction : back", 406},
             [this] { clock.SetTimeDirection(false); });
    go = make({"go",
               "&Go\tEnter",
               {Qt::Key_Return, Qt::Key_Enter},
               "Beginning / Continue animation",
               407},
              [this] { Go(); });
    stop = make({"stop", "&Stop\tPause", {Qt::Key_Pause}, "Stopping animation", 408},
                [this] { Stop(); });
    setup =
        make({"solarSetup", "So&lar System Setup", {}, "Setup Solar System Model's objects", 373},
             [this] { CmSSSetup(); });
    const QString caption = QStringLiteral("Solar System");
    pictures = model::MakePictureActions(
        this, [this] { return grab().toImage(); },
        [this, caption] { return clock.PictureTitle(caption, values); },
        // The default file: the view's name, the clock's date and time.
        [this, caption]
        { return platform::PictureFileName(caption, clock.CurrentDate(), clock.CurrentTime()); });
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
          {pictures.save},
          {pictures.copy},
          {pictures.print},
          Separator(),
          {shared.ret}}},
        model::ActionMenu(zoomIn, zoomOut, timeForward, timeBack, go, stop, shared.normal),
        {QStringLiteral("&Setup"),
         {{setup},
          {shared.timeUpdate},
          {shared.almanac},
          Separator(),
          {shared.showToolbar},
          {shared.sound}}},
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
    go->setEnabled(!playing);
    stop->setEnabled(playing);
    for (size_t k = 0; k < centre.size(); ++k)
        centre[k]->setChecked(static_cast<int>(k) == solar.SystemCenter());
}

// ---- entering and leaving, the clock ----

bool SolarSystemView::Enter()
{
    playing = true;
    switch (solar.ReadSolData())
    {
    case solar::SolarReadResult::Ok:
        solar.Normal();
        ShowSystemCenter();
        UpdateActions();
        return true;
    case solar::SolarReadResult::OpenFailed:
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", solar::kSolarFile));
        break;
    case solar::SolarReadResult::ReadFailed:
        platform::WarningBox(this,
                             platform::FileMessage("Unable to read from file", solar::kSolarFile));
        break;
    }
    platform::ErrorBox(this, "Unable to show Solar System");
    emit LeaveRequested();
    return false;
}

void SolarSystemView::Leave()
{
    Stop();
    unsetCursor();
}

void SolarSystemView::Go()
{
    if (clock.StartAnimation(playing, this))
        unsetCursor();
}

void SolarSystemView::Stop()
{
    clock.StopAnimation(playing);
    setCursor(platform::LoadCursorResource(kStoppedCursor));
}

void SolarSystemView::ShowInstant(uint64_t S, std::optional<int32_t>)
{
    solar.UpdateSolAngles(S);
    if (values.SSValues[kTrailsFlag])
        solar.ExtendTrails(solar.LayoutFrame(width(), height()));
    update();
}

void SolarSystemView::Normal()
{
    solar.Normal();
    ShowSystemCenter();
    update();
}

void SolarSystemView::Redraw()
{
    solar.WipeTrails();
    update();
}

// ---- commands ----

void SolarSystemView::ChangeCenter(int body)
{
    solar.ChangeCenter(body);
    ShowSystemCenter();
}

void SolarSystemView::ShowSystemCenter()
{
    const int body = std::clamp(solar.SystemCenter(), 0, static_cast<int>(centre.size()) - 1);
    emit PaneChanged(model::Pane::Coord,
                     QStringLiteral("Center : ") +
                         QString::fromLatin1(kCentres[body].text).remove(QLatin1Char('&')));
}

void SolarSystemView::CmSSSetup()
{
    platform::SetHint("Changing options for Solar System");
    const bool wasPlaying = playing;
    Stop();
    SolarOptions options{{}, values.Names};
    std::copy(std::begin(values.SSValues), std::end(values.SSValues), options.flags.begin());
    SSSetupDlg dlg(this, options, solar.SystemCenter() == 0);
    if (dlg.Execute() == QDialog::Accepted && dlg.Result() != options)
    {
        std::copy(dlg.Result().flags.begin(), dlg.Result().flags.end(), values.SSValues);
        values.Names = dlg.Result().names;
        emit ConfigChanged();
    }
    solar.WipeTrails();
    if (wasPlaying)
        Go();
    platform::SetHint(Hint());
}

void SolarSystemView::OpenCardsAt(QPoint point)
{
    if (playing)
        return;
    for (int slot : solar::BodiesAt(
             lastFrame, {static_cast<double>(point.x()), static_cast<double>(point.y())}))
        OpenCard(slot, point);
}

void SolarSystemView::OpenCard(int slot, QPoint click)
{
    const SolObjects& body = solar.SolObj(slot);
    const BodyRole role = solar::RoleOf(body, slot);
    if (role == BodyRole::None)
        return;
    cardAt = click;
    update();
    // The card keeps its own copies: nothing of the table is handed to it.
    const std::string name = body.Name;
    const float dist = solar::SunDistance(body);
    if (role == BodyRole::Planet)
    {
        PlanetSmDlg card(this, &click, name.c_str(), dist);
        card.Execute();
    }
    else
    {
        CometSmDlg card(this, &click, name.c_str(), dist);
        card.Execute();
    }
    cardAt.reset();
    update();
}

// ---- painting ----

const QImage& SolarSystemView::SpriteOf(int body) const
{
    if (body == solar::kSunMark)
        return sunSprite;
    if (solar::RoleOf(solar.SolObj(body), body) == BodyRole::Planet)
        return planetSprites[static_cast<size_t>(body)];
    return cometSprite;
}

void SolarSystemView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    lastFrame = solar.LayoutFrame(width(), height());
    PaintTrails(p);
    if (lastFrame.orbits)
        PaintOrbits(p);
    PaintMarks(p);
    PaintNames(p);
    if (cardAt)
        p.drawImage(*cardAt - QPoint(kMarkerOffset, kMarkerOffset), marker);
}

void SolarSystemView::PaintTrails(QPainter& p)
{
    if (!solar.HasTrails())
    {
        p.fillRect(rect(), Qt::black);
        return;
    }
    // Thousands of stamps a frame would cost milliseconds; each is stamped once instead.
    const qreal dpr = devicePixelRatioF();
    const QSize size(qRound(width() * dpr), qRound(height() * dpr));
    if (trailPicture.size() != size || trailPicture.devicePixelRatio() != dpr ||
        trailPictureCuts != solar.TrailCuts())
    {
        trailPicture = QImage(size, QImage::Format_ARGB32_Premultiplied);
        trailPicture.setDevicePixelRatio(dpr);
        trailPicture.fill(Qt::black);
        trailPictureCuts = solar.TrailCuts();
        trailsStamped.fill(0);
    }
    QPainter stamps(&trailPicture);
    const QRect area = rect();
    for (int body = 0; body <= solar::kSunMark; ++body)
    {
        const std::vector<solar::Point>& trail = solar.Trail(body);
        for (size_t n = trailsStamped[static_cast<size_t>(body)]; n < trail.size(); ++n)
            if (NearArea(trail[n], area))
                DrawCentred(stamps, trail[n], SpriteOf(body));
        trailsStamped[static_cast<size_t>(body)] = trail.size();
    }
    stamps.end();
    p.drawImage(QPoint(0, 0), trailPicture);
}

void SolarSystemView::PaintOrbits(QPainter& p) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kOrbitGrey, 1));
    // Only what lies in the view (and a pixel round it) goes to the painter: at a large zoom
    // the outer orbits run tens of thousands of pixels outside.
    const double area[4] = {-1.0, -1.0, width() + 1.0, height() + 1.0};
    QPolygonF polyline;
    for (const solar::Mark& mark : lastFrame.marks)
    {
        if (mark.body == solar::kSunMark)
            continue;
        const solar::OrbitOutline& outline = solar.Outline(mark.body);
        for (const std::vector<solar::Point>& run :
             solar::OutlineRuns(outline.points, outline.elements, lastFrame.projection, area))
        {
            polyline.clear();
            for (const solar::Point& at : run)
                polyline.append(QPointF(at.x, at.y));
            p.drawPolyline(polyline);
        }
    }
    p.restore();
}

void SolarSystemView::PaintMarks(QPainter& p) const
{
    const QRect area = rect();
    for (const solar::Mark& mark : lastFrame.marks)
        if (NearArea(mark.at, area))
            DrawCentred(p, mark.at, SpriteOf(mark.body));
}

void SolarSystemView::PaintNames(QPainter& p)
{
    placer.BeginFrame({0, 0, static_cast<double>(width()), static_cast<double>(height())});
    if (!values.Names)
        return;
    const QFont font = NameFont(height());
    const QFontMetricsF metrics(font, this);
    p.setFont(font);
    p.setPen(kNameGrey);
    // The Sun first, then the planets outward, then the comets; nothing covers the Sun.
    const auto rank = [this](const solar::Mark& m)
    {
        if (m.body == solar::kSunMark)
            return std::pair(0, m.body);
        const bool comet = solar::RoleOf(solar.SolObj(m.body), m.body) == BodyRole::Comet;
        return std::pair(comet ? 2 : 1, m.body);
    };
    // Marks far outside have no name in the view, nor a sprite box that fits in an int.
    std::vector<solar::Mark> order;
    std::copy_if(lastFrame.marks.begin(), lastFrame.marks.end(), std::back_inserter(order),
                 [this](const solar::Mark& m) { return NearArea(m.at, rect()); });
    std::sort(order.begin(), order.end(),
              [&rank](const solar::Mark& a, const solar::Mark& b) { return rank(a) < rank(b); });
    // The sprite's box: no name may cover the Sun's, and each name keeps clear of its own.
    const auto spriteBox = [this](const solar::Mark& mark)
    {
        const QImage& sprite = SpriteOf(mark.body);
        const QPoint corner = SpriteCorner(mark.at, sprite);
        return labels::Box{static_cast<double>(corner.x()), static_cast<double>(corner.y()),
                           static_cast<double>(sprite.width()),
                           static_cast<double>(sprite.height())};
    };
    if (!order.empty() && order[0].body == solar::kSunMark)
        placer.AddObstacle(spriteBox(order[0]));
    for (const solar::Mark& mark : order)
    {
        const QString name = mark.body == solar::kSunMark
                                 ? QStringLiteral("Sun")
                                 : QString::fromLatin1(solar.SolObj(mark.body).Name);
        const labels::Box sprite = spriteBox(mark);
        // A pixel more on either side of the name: antialiased glyphs may reach past their
        // advance.
        const std::optional<labels::Box> box = placer.Place(
            static_cast<uint32_t>(mark.body), sprite.left + sprite.width / 2,
            sprite.top + sprite.height / 2, std::max(sprite.width, sprite.height) / 2 + kNameGap,
            metrics.horizontalAdvance(name) + 2, metrics.height());
        if (box)
            p.drawText(QPointF(box->left + 1, box->top + metrics.ascent()), name);
    }
}

// ---- events ----

void SolarSystemView::resizeEvent(QResizeEvent*)
{
    // The picture scales as a whole: the places of the trails belong to the old size.
    solar.WipeTrails();
    update();
}

void SolarSystemView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        OpenCardsAt(event->position().toPoint());
}
