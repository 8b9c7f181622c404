// The Solar System view: the bodies read from the elements file, their true places at the
// clock's instant, the drawing passes with their sprites and names, the zoom and the centre of
// the system, the bodies' cards and the view's options.
#pragma once

#include "model/Config.h"
#include "model/ViewHost.h"
#include "platform/Bitmaps.h"
#include "solar/Orbit.h"
#include "solar/SolarBody.h"

#include <QPoint>
#include <QRect>
#include <cstdint>
#include <memory>

class SimClock;

class SolarSystem
{
public:
    SolarSystem(model::ViewHost& host, Setup& values, SimClock& clock);
    ~SolarSystem();

    // Reads "Data\Solobj.dat" into SolObj. A file that cannot be opened or read is told and the
    // window leaves the view; false then.
    bool ReadSolData();
    // The view as it opens: centred in the client area, scale 1, sprites loaded, nothing drawn
    // yet.
    void Open();
    // The view as it closes: stopped, arrow cursor, sprites released.
    void Close();

    // Every body's true place at the clock instant T (local seconds from 1901-01-01 00:00,
    // taken to UT with the computer's time zone): real-time and stepping ticks, Time Update.
    // A pure function of T: the same T gives the same places whichever way the clock ran.
    void UpdateSolAngles(uint64_t T);

    // One drawing pass: the orbits when shown, the Sun and the bodies, about the centre body,
    // and their names when the Names layer is on.
    void ShowSolSyst();
    void DrawObj();
    void DrawObj2(int c);
    void DrawOrbits();

    // XCenter, YCenter := the middle of the client area.
    void SetCentreFromClient();
    void CmZoomIn();
    void CmZoomOut();
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    // Centre command 601..612: the Sun, a planet or a comet at the centre.
    void ChangeCenter(int id);
    // The check mark of the centre items and the "Center : ..." pane follow SystemCenter.
    void ShowSystemCenter();
    void CmGo();
    void CmStop();
    // The options dialog; the view is drawn again when it closes.
    void CmSSSetup();
    // Back to normal conditions: scale 1, the Sun at the centre, nothing drawn yet.
    void Normal();
    // The card of each body under a right click on the stopped view; false when none was hit.
    bool OpenCardsAt(QPoint point);
    void SmSolObjCard(QPoint point, int k);

    // The picture was blacked out: no sprite or name of the view is left on it to erase.
    void ForgetDrawnPlaces();

    // Creates and deletes the view's sprites (entry and tear-down).
    void CreateSolarSprites();
    void DeleteSolarSprites();
    bool HasSprites() const { return Solardc != nullptr; }

    // ---- state (names as designed) ----
    SolObjects SolObj[kSolarSlots]{};
    uint8_t SystemCenter = 0;
    float XCenter = 0, YCenter = 0;
    float XSun = 0, YSun = 0;
    float Scale = 1.0f;
    bool Playing = false;
    // The boxes the names were last drawn in, by slot, and the Sun's: erased on the next pass.
    QRect NameBox[kSolarSlots];
    QRect SunNameBox;

    std::unique_ptr<platform::Bitmap> bmSol;
    std::unique_ptr<platform::Bitmap> bmCom;
    std::unique_ptr<platform::Bitmap> PlBitmap[9];
    std::unique_ptr<platform::MemoryDC> Solardc;
    std::unique_ptr<platform::MemoryDC> Cometdc;
    std::unique_ptr<platform::MemoryDC> MSolardc;
    std::unique_ptr<platform::MemoryDC> MCometdc;
    std::unique_ptr<platform::MemoryDC> MPlanetdc[9];

private:
    void DrawSun(bool masked);
    void StepBody(int k);
    void EraseNames();
    void DrawNames();

    // Each slot's orbit outline in AU, kept while its elements stay the same: the outline's
    // points cost a rotation each, the drawing pass only scales them.
    struct OutlineCache
    {
        sky::OrbitalElements Elements{};
        sky::Vec3 Points[solar::kOutlinePoints]{};
        bool Known = false;
    };
    OutlineCache Outlines[kSolarSlots];

    model::ViewHost& host;
    platform::Canvas& canvas;
    Setup& Values;
    SimClock& clock;
};
