// The sky's small cards: a star, a deep-sky object, the Sun, the Moon and a planet of the sky
// globe, each beside the right-clicked object.
#pragma once

#include "model/SmallCard.h"
#include "sky/Ephemeris.h"
#include "starmap/StarRecord.h"

#include <optional>

class StarSmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    StarSmDlg(QWidget* parent, QPoint* point, const StarDB& star, int resId = 23);
};

class NGCMessSmDlg : public SmallCardDlg
{
    Q_OBJECT
public:
    NGCMessSmDlg(QWidget* parent, QPoint* point, const NGCMessDB& ngcm, int resId = 28);
};

// The Sun or the Moon on the sky globe: `ra` in degrees, `dec` in radians; the properties are a
// fixed text of each card, and so is the Sun's magnitude.
class SkyBodySmDlg : public SmallCardDlg
{
    Q_OBJECT
protected:
    SkyBodySmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId, int picture,
                 int strip, const char* title, const QString& magnitude, const char* properties);
};

class SunSmDlg : public SkyBodySmDlg
{
    Q_OBJECT
public:
    SunSmDlg(QWidget* parent, QPoint* point, float ra, float dec, int resId = 25);
};

// The Moon of the globe's instant: its place with the phase, and Delta T (TT - UT, seconds),
// with which the place was computed from the clock's UT.
struct MoonOfInstant
{
    sky::MoonPlace place;
    double deltaT;
};

// The Moon, with its phase when `moon` is given: its magnitude at that phase (MoonMagnitude),
// the phase's name, the age in days since the new Moon, the illuminated fraction of the disc
// and Delta T. Without them the magnitude is not known and shows "---".
class MoonSmDlg : public SkyBodySmDlg
{
    Q_OBJECT
public:
    MoonSmDlg(QWidget* parent, QPoint* point, float ra, float dec,
              std::optional<MoonOfInstant> moon = std::nullopt, int resId = 26);
};

// A planet on the sky globe: its name, visual magnitude, distance from the Earth (AU) and the
// constellation it stands in.
class SkyPlanetSmDlg : public SmallCardDlg
{
public:
    SkyPlanetSmDlg(QWidget* parent, QPoint* point, const char* name, float magnitude,
                   double distanceAu, const char* constellation, int resId = 24);
};
