// The Solar System view: the bodies read from the elements file, their angles from the clock,
// the drawing passes with their sprites, the zoom and the centre of the system, the bodies'
// cards and the view's options.
#pragma once

#include "model/Config.h"
#include "model/ViewHost.h"
#include "platform/Bitmaps.h"
#include "solar/SolarBody.h"

#include <QPoint>
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
    // The view as it opens: centred in the client area, scale 1, sprites loaded, every body
    // at its start.
    void Open();
    // The view as it closes: stopped, arrow cursor, sprites released.
    void Close();

    // Every body's angle for clock instant T (real-time and stepping ticks).
    void UpdateSolAngles(uint64_t T);
    // Re-bases every body's offset so that it keeps its angle at instant T.
    void RebaseSolAngles(uint64_t T);

    // One drawing pass: the orbits when shown, the Sun and the bodies, about the centre body.
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
    // Back to normal conditions: scale 1, the Sun at the centre, every body at its start.
    void Normal();
    // The card of each body under a right click on the stopped view; false when none was hit.
    bool OpenCardsAt(QPoint point);
    void SmSolObjCard(QPoint point, int k);

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

    model::ViewHost& host;
    platform::Canvas& canvas;
    Setup& Values;
    SimClock& clock;
};
