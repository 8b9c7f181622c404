// The Star Map as a view of the main window: it paints the whole globe in every frame from the
// catalogues, the clock's instant, the observer and its own options; the scroll bar tilts the
// Review Globe; the mouse and keys zoom, turn and tilt it; a right click opens the cards of what
// it hits; the view's commands (globe, pictures, zoom, run, search, options, location).
#pragma once

#include "model/ClockView.h"
#include "model/Config.h"
#include "model/LabelPlacer.h"
#include "starmap/Search.h"
#include "starmap/SkyCatalogue.h"
#include "starmap/SkyFrame.h"
#include "starmap/StarMap.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <optional>
#include <unordered_map>
#include <vector>

class QAction;
class QPainter;
class QScrollBar;
class SimClock;

class StarMapView : public model::ClockView
{
    Q_OBJECT
public:
    StarMapView(Setup& values, SimClock& clock, QWidget* parent = nullptr);
    ~StarMapView() override;

    QString Caption() const override { return QStringLiteral("Velmoria - [Star Map]"); }
    const char* Music() const override { return "Sound\\StarMap.wav"; }
    const char* Hint() const override { return "Viewing Star Map"; }
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override { return QStringLiteral("Star Map Toolbar"); }
    bool Enter() override;
    void Leave() override;
    void UpdateActions() override;

    bool Playing() const override { return playing; }
    void Go() override;
    void Stop() override;
    void ShowInstant(uint64_t S, std::optional<int32_t> utcOffset) override;
    void Normal() override;
    void Redraw() override { update(); }

    // The lowest client area (logical pixels) in which the globe at its opening radius, a
    // quarter of the height, shows its compass points N and S whole in the desktop's font.
    static int MinimumClientHeight();

    // The globe, the catalogues and the places of the objects in the frame on screen.
    const StarMap& Map() const { return starmap; }
    const SkyCatalogue& Catalogue() const { return catalogue; }
    const skyframe::Places& Frame();
    // A name of the frame on screen and the box it was drawn in.
    struct Name
    {
        QString text;
        labels::Box box;
    };
    const std::vector<Name>& Names() const { return names; }
    // The client area: the view less the Review Globe's scroll bar while it is shown.
    QRect ClientRect() const;
    QScrollBar* TiltBar() const { return tiltBar; }

    // The Review Globe turned about its axis by `turnDegrees` (positive moves the stars in
    // front to the left) and tilted to scroll position `position` (0..360).
    void TurnReviewGlobe(double turnDegrees, int position);
    // A right click at `point`: the cards of what it hits on the stopped globe.
    void OpenCardsAt(QPoint point);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateActions();
    void ConnectActions();
    // Runs a command of the view, then lets its actions follow the new state.
    template <class F> void Connect(QAction* action, F handler);
    bool InReviewGlobe() const { return entered && !starmap.RealSky(); }
    // The globe or the sky changed: the frame is placed and painted afresh, and Find's red
    // lines go.
    void SkyChanged();
    // The Review Globe's scroll bar moved by one of its actions.
    void Scrolled(int action);
    void ChangeSystem(bool realSky);
    bool ReadCatalogues();
    void Zoom(bool in);

    // ---- painting (StarMapPaint.cpp) ----
    void PaintGrid(QPainter& p);
    void PaintLines(QPainter& p, const std::vector<constblocks::Link>& links, QColor color);
    void PaintStars(QPainter& p, const skyframe::Layers& layers);
    void PaintBodies(QPainter& p, const skyframe::Layers& layers);
    void PaintMoon(QPainter& p);
    struct NameWriter;
    void PaintNames(QPainter& p, const skyframe::Layers& layers);
    void PaintObjectNames(NameWriter& write, const skyframe::Layers& layers);
    // The names layer's font: the desktop's, growing with the globe up to twice its size.
    QFont NameFont() const;

    // ---- the cards (StarMapCards.cpp) ----
    // The card of `hit` beside `point`, with the marker at the point while it is open.
    void OpenCard(const skyframe::Hit& hit, QPoint point);

    // ---- the Search menu (StarMapSearch.cpp) ----
    void Find();
    void FindNext();
    bool FindStar(int start);
    bool FindConstellation();
    void FindDeepSky();
    void FindSolarObject();
    void FindPlanet(int k);
    bool FindPlanetAfter(int k);
    bool ReportPluto();
    // The card of a found object at its place, or `below` when it is below the horizon.
    void OpenFound(const skyframe::Place& at, const skyframe::Hit& hit, const char* below);

    // ---- the Setup menu (StarMapSetup.cpp) ----
    void ChangeOptions();
    void ChooseLocation();

    Setup& values;
    SimClock& clock;
    StarMap starmap;
    SkyCatalogue catalogue;
    CatalogueOfDate ofDate; // the catalogue at the clock's instant
    bool entered = false;
    bool playing = false;
    QScrollBar* tiltBar;

    // The frame: the objects' places for the layers they were placed with, the grid's lines,
    // the names and their sides, Find's red lines and the marker of an open card.
    skyframe::Places places;
    bool placesStale = true;
    skyframe::Layers placedLayers{};
    std::vector<globe::GridLine> grid;
    int gridSamples = 0;
    std::vector<Name> names;
    labels::Placer placer;
    std::unordered_map<uint32_t, QSizeF> nameSizes; // of the font in nameSizesFont
    QFont nameSizesFont;
    std::vector<constblocks::Link> highlight;
    std::optional<QPoint> cardMarker;
    QImage sunPicture;
    QImage deepSkyPicture;
    QImage markerPicture;

    search::SearchState search;

    QAction* realSky = nullptr;
    QAction* review = nullptr;
    model::PictureActions pictures{};
    QAction* timeForward = nullptr;
    QAction* timeBack = nullptr;
    QAction* go = nullptr;
    QAction* stop = nullptr;
    QAction* find = nullptr;
    QAction* findNext = nullptr;
    QAction* setup = nullptr;
    QAction* location = nullptr;
    QAction* constellationIndex = nullptr;
    QAction* about = nullptr;
    // A left-button drag on the Review Globe: where it began, and the scroll position then.
    bool dragging = false;
    QPoint dragFrom;
    QPoint dragLast;
    int dragPosition = 180;
};
