// The small object cards that both views open: a modal card beside a right-clicked object with
// its data, closed by a left click anywhere on it; the planet's and the comet's cards of the
// Solar System model. The sky's own cards build on it in starmap/.
#pragma once

#include "platform/Dialog.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <cstdint>

// The 32 x 32 marker picture "SkyLabel" that a view paints at a click while its card is open,
// with its top-left corner kMarkerOffset pixels up and left of the click: transparent where it
// is black, so that over any picture it looks as it did ORed onto the black sky.
QImage LoadMarkerPicture();
constexpr int kMarkerOffset = 15;

// Where a card of w x h pixels (its client size plus 6) opens for a click at `click` in a
// window whose client area is `clientWidth` wide and ends at row `clientBottom`: 20 pixels to
// the right of the click, or to its left when it would pass the right edge; level with the
// click, or raised to end at the bottom edge when it would pass it. Window coordinates.
QPoint PlaceCard(QPoint click, int w, int h, int clientWidth, int clientBottom);

// What the cards share: placement beside the click, the title picture centred in the title
// strip (drawn by the strip after its frame), closing on a left click, and the picture
// commands Save Picture (Ctrl+S), Copy (Ctrl+C) and Print (Ctrl+P) of every card.
class SmallCardDlg : public platform::Dialog
{
    Q_OBJECT
public:
    // `point`: the click in the parent's client coordinates; `titleId`: the 120 x 22 title
    // picture; `frameId`: the id of the title strip.
    SmallCardDlg(QWidget* parent, QPoint* point, int resId, int titleId, int frameId);

    // Loads the title picture, fills the values and places the card beside the click.
    void SetupWindow() override;
    // The text of value control `id` as the card shows it.
    QString Value(int id) const;
    // Where SetupWindow put the card, in the parent's client coordinates.
    QPoint Placed() const { return placed; }

    QPoint* Point;
    QImage Bitmap;
    QGroupBox* frame;

protected:
    // Fills the value controls from the card's data.
    virtual void Fill() {}
    // Adds a row: the fixed `label` and, in the column beside it, a value control with id `id`.
    QLabel* AddRow(const char* label, int id);
    void mousePressEvent(QMouseEvent* event) override;

private:
    int titleId;
    int row = 0;
    QPoint placed;
};

// A planet or a comet of the Solar System model: its stored name and its distance from the
// Sun in millions of kilometres.
class SolarBodySmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    void Fill() override;

    const char* ObjName;
    float ObjDist;
    QLabel* Name;
    QLabel* Dist;

protected:
    SolarBodySmDlg(QWidget* parent, QPoint* point, const char* name, float dist, int resId,
                   int picture, int strip, const char* title, const char* nameLabel);
};

class PlanetSmDlg : public SolarBodySmDlg
{
    Q_OBJECT
public:
    PlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float dist, int resId = 24);
};

class CometSmDlg : public SolarBodySmDlg
{
    Q_OBJECT
public:
    CometSmDlg(QWidget* parent, QPoint* point, const char* name, float dist, int resId = 27);
};
