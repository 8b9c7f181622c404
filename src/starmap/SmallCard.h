// The small object cards: a modal card beside a right-clicked object with its data, closed by
// a left click anywhere on it. One class per kind of object: a star, a deep-sky object, the
// Sun, the Moon and a planet of the sky globe, a planet and a comet of the Solar System model.
#pragma once

#include "platform/Canvas.h"
#include "platform/Dialog.h"
#include "sky/Ephemeris.h"
#include "starmap/StarRecord.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPoint>
#include <optional>

// A right click at `click` hits an object whose stored position (x, y) lies in the 17 x 17
// square around it.
bool HitsMark(QPoint click, uint16_t x, uint16_t y);

// ORs the 32 x 32 marker picture "SkyLabel" onto `canvas` with its top-left corner at
// (point.x - 15, point.y - 15).
void MarkObject(platform::Canvas& canvas, QPoint point);

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

class StarSmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    StarSmDlg(QWidget* parent, QPoint* point, StarDB* star, int resId = 23);
    void Fill() override;

    StarDB* Star;
    QLabel* Name;
    QLabel* NameKind;
    QLabel* Design;
    QLabel* Magn;
    QLabel* Spectr;
    QLabel* Prop;
    QLabel* RA;
    QLabel* Dec;
    QLabel* Const;
};

class NGCMessSmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    NGCMessSmDlg(QWidget* parent, QPoint* point, NGCMessDB* ngcm, int resId = 28);
    void Fill() override;

    NGCMessDB* NGCM;
    QLabel* NGCName;
    QLabel* MessName;
    QLabel* Size;
    QLabel* Magn;
    QLabel* Type;
    QLabel* Comment;
    QLabel* RA;
    QLabel* Dec;
    QLabel* Const;
};

// The Sun or the Moon on the sky globe: `ra` in degrees, `dec` in radians; the properties are a
// fixed text of each card, and so is the Sun's magnitude.
class SkyBodySmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    void Fill() override;

    float ra;
    float dec;
    QLabel* Magn;
    QLabel* Prop;
    QLabel* RA;
    QLabel* Dec;

protected:
    SkyBodySmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId, int picture,
                 int strip, const char* title, const char* magnitude, const char* properties);

private:
    const char* magnitude;
};

class SunSmDlg : public SkyBodySmDlg
{
    Q_OBJECT
public:
    SunSmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId = 25);
};

// The Moon, with its phase when `phase` is given: its magnitude at that phase (MoonMagnitude),
// the phase's name, the age in days since the new Moon and the illuminated fraction of the disc.
// Without a phase the magnitude is not known and shows "---".
class MoonSmDlg : public SkyBodySmDlg
{
    Q_OBJECT
public:
    MoonSmDlg(QWidget* parent, QPoint* point, float ra, float dec,
              const sky::MoonPlace* phase = nullptr, int resId = 26);
    void Fill() override;

    QLabel* Phase = nullptr;
    QLabel* Age = nullptr;
    QLabel* Lit = nullptr;

private:
    std::optional<sky::MoonPlace> moon;
};

// A planet on the sky globe: its name, visual magnitude, distance from the Earth (AU) and the
// constellation it stands in.
class SkyPlanetSmDlg : public SmallCardDlg
{
public:
    SkyPlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float magnitude,
                   double distanceAu, const char* constellation, int resId = 24);
    void Fill() override;

    QLabel* Name;
    QLabel* Magn;
    QLabel* Dist;
    QLabel* Const;

private:
    const char* name;
    float magnitude;
    double distanceAu;
    const char* constellation;
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
