// The Solar System as a view of the main window: it paints the whole frame of the model (orbits,
// trails, the Sun and the bodies, their names, the marker of an open card) at any size, opens a
// body's card on a right click, zooms with the wheel, and owns the view's commands.
#pragma once

#include "model/ClockView.h"
#include "model/Config.h"
#include "model/LabelPlacer.h"
#include "solar/SolarSystem.h"

#include <QImage>
#include <QPoint>
#include <array>
#include <optional>

class QAction;
class QPainter;
class SimClock;

class SolarSystemView : public model::ClockView
{
    Q_OBJECT
public:
    SolarSystemView(Setup& values, SimClock& clock, QWidget* parent = nullptr);
    ~SolarSystemView() override;

    QString Caption() const override { return QStringLiteral("Velmoria - [Solar System]"); }
    const char* Music() const override { return "Sound\\SolarSystem.wav"; }
    const char* Hint() const override { return "Viewing Solar System model"; }
    model::MenuBar Menus(const model::SharedActions& shared) override;
    model::ToolbarButtons Toolbar(const model::SharedActions& shared) override;
    QString ToolbarCaption() const override { return QStringLiteral("Solar System Toolbar"); }
    bool Enter() override;
    void Leave() override;
    void UpdateActions() override;

    bool Playing() const override { return playing; }
    void Go() override;
    void Stop() override;
    void ShowInstant(uint64_t S, std::optional<int32_t> utcOffset) override;
    void Normal() override;
    void Redraw() override;

    // A right click at `point`: the cards of the bodies it hits on the stopped model, in slot
    // order, each with the marker at the click while it is open.
    void OpenCardsAt(QPoint point);
    // The frame painted last, whose marks the right click hits.
    const solar::Frame& LastFrame() const { return lastFrame; }
    // The boxes of the names painted last, logical pixels.
    const std::vector<labels::Box>& NameBoxes() const { return placer.Placed(); }

    SolarSystem solar;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateActions();
    void ChangeCenter(int body);
    void ShowSystemCenter();
    void CmSSSetup();
    void OpenCard(int slot, QPoint click);

    const QImage& SpriteOf(int body) const;
    void PaintTrails(QPainter& p);
    void PaintOrbits(QPainter& p) const;
    void PaintMarks(QPainter& p) const;
    void PaintNames(QPainter& p);

    Setup& values;
    SimClock& clock;
    bool playing = false;
    // The pictures of the Sun, the nine planets (by slot) and a comet, transparent where their
    // masks are white, and the card's marker.
    QImage sunSprite;
    std::array<QImage, 9> planetSprites;
    QImage cometSprite;
    QImage marker;
    // The trails stamped so far onto black: a frame stamps only the points added since the
    // last, and the picture is made anew when the trails lost points or the view its size.
    QImage trailPicture;
    uint64_t trailPictureCuts = 0;
    std::array<size_t, kSolarSlots + 1> trailsStamped{};
    // Where the card that is open was asked for.
    std::optional<QPoint> cardAt;
    solar::Frame lastFrame;
    labels::Placer placer;

    std::array<QAction*, 12> centre{};
    // Save Picture, Copy Picture and Print: the frame as the view paints it.
    model::PictureActions pictures{};
    QAction* timeForward = nullptr;
    QAction* timeBack = nullptr;
    QAction* go = nullptr;
    QAction* stop = nullptr;
    QAction* setup = nullptr;
};
