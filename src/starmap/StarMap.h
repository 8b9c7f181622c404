// The Star Map view: the star and deep-sky catalogues, the globe's rotation and tilt, its
// layers (grid, stars, constellation lines, deep-sky objects, Sun and Moon, planets, names),
// the search, the options and the observer's location, and the objects' cards.
#pragma once

#include "model/Config.h"
#include "model/ViewHost.h"
#include "platform/Bitmaps.h"
#include "sky/Ephemeris.h"
#include "starmap/SkyBodies.h"
#include "starmap/SkyObjects.h"
#include "starmap/StarRecord.h"

#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class SimClock;

// A planet on the sky globe: its geocentric place for the last angles, and its mark.
struct SkyPlanet
{
    bool Known;      // its elements were read
    float RA;        // right ascension, degrees (equatorial J2000, as the catalogue)
    float Dec;       // declination, radians
    float Magnitude; // visual magnitude
    double Distance; // from the Earth, AU
    bool Flag;       // on the visible side in the last pass; X, Y valid
    bool Drawn;      // its mark is on the window (visible and bright enough)
    uint16_t X, Y;   // screen position of the last pass
};

// Scroll codes of the review globe's vertical scroll bar.
enum ScrollCode
{
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_ENDSCROLL = 8
};

class StarMap
{
public:
    StarMap(model::ViewHost& host, Setup& values, SimClock& clock);
    ~StarMap();

    // Reads "Data\Stars.dat" and "Data\NGCMess.dat". A catalogue that cannot be opened or read
    // is told and the window leaves the view; false then.
    bool ReadStarData();
    bool ReadNGCMessData();
    // Reads the planets' elements from "Data\Solobj.dat". A missing or damaged file leaves the
    // sky without planets and says nothing: the Star Map opens all the same.
    void ReadPlanetData();
    // The proper names of the stars brighter than magnitude 1.5 and the figures' centres,
    // from the open star catalogue `f` and the table read from it.
    void ReadStarNames(std::FILE* f);
    // The view as it opens: the real sky of the stored place, the globe half the client
    // height across, no marks, sprites loaded, search reset.
    void Open();
    // The view as it closes: stopped, arrow cursor, sprites released, scroll bar hidden.
    void Close();

    // The rotation angles t, tSol[0], tSol[1] for the local clock instant S: the sky of the
    // observer's place at that date and time. `utcOffset` is the clock reading's own offset
    // from UT when it has one (the computer's clock); otherwise the time zone is asked.
    void UpdateStarAngles(uint64_t S, std::optional<int32_t> utcOffset = std::nullopt);
    // The UT instant (seconds from 1901-01-01 00:00 UT) of the local clock instant S: the clock
    // less the computer's UTC offset at that local date and time, or the clock itself when the
    // location's "Greenwich mean time" option is set.
    int64_t SkyUt(uint64_t S, std::optional<int32_t> utcOffset = std::nullopt) const;
    // The clock turned round: the globe continues from the frame on screen.
    void RebaseStarAngles();
    // The Julian date of the last angles and the places of the Sun, the Moon and the planets
    // at it (equatorial J2000, the frame of the catalogue).
    void UpdateSkyBodies(int64_t ut);
    // lat, latCos, latSin from the stored observer latitude.
    void SetLatitudeFromSetup();
    // ust (the observer's meridian, from the stored longitude) and the Sun's and Moon's
    // calibrated offsets ustSol.
    void SetSkyOffsets();
    // The sky of a changed observer location at clock instant S.
    void SetSkyFromLocation(uint64_t S);

    // One frame: the layers the options show.
    void ShowStarMap();
    void DrawGlob();
    // The mark of star `s` at its stored position, sized by magnitude, unless it is fainter
    // than the limiting magnitude.
    void DrawStarMark(const Stars& s);
    void DrawGrid();
    void DrawConst();
    void DrawSolObj();
    void DrawNGCMess();
    // The planets Mercury to Neptune: a small disc of each one's colour on the visible side,
    // smaller for one fainter than the stars' limiting magnitude.
    void DrawPlanets();
    // The names layer: proper names of the bright stars, constellation names at their
    // figures' centres, the Sun, the Moon and the planets. Each label is ORed beside its
    // object, never over it, and its rectangle kept, so that EraseNames blacks out exactly what
    // was drawn.
    void DrawNames();
    // N, E, S and W at the rim of the real sky: its orientation, drawn with or without names.
    void DrawCompass();
    void EraseNames();
    // Blacks out the Sun's, the Moon's and the planets' marks of the last frame and forgets
    // them: done before the layers, which then draw over the holes.
    void EraseBodyMarks();
    // The Moon's 9 x 9 phase disc about (XSol[1], YSol[1]) for the Moon at angle H: the lit
    // part toward the bright limb, the dark part dim grey.
    void DrawMoonDisc(double H);
    // Forgets every mark on the globe, so that the next frame on a clean window erases nothing.
    void ClearGlobeFlags();
    // Forgets the marks of the Sun and Moon and of the deep-sky objects when their layer is
    // off, so that a right click finds no mark that is not on the window.
    void ForgetHiddenLayers();

    // XCenter, YCenter := the middle of the client area.
    void SetCentreFromClient();
    // After the client area changed size: the globe centred again, its radius scaled with the
    // client's height, so that it keeps its size in the window and its rim and compass
    // points stay in view when the window shrinks.
    void FollowClient();
    // The lowest client area (pixels) in which the globe at its opening radius, a quarter of
    // the height, shows its compass points N and S whole.
    static int MinimumClientHeight();
    void CmStZoomIn();
    void CmStZoomOut();
    bool CanZoomIn() const;
    bool CanZoomOut() const;
    // The frame after a zoom: drawn over the old one while running, whole on black when
    // stopped.
    void ShowZoomedStarMap();
    void CmStGo();
    void CmStStop();
    // The real sky (true) or the review globe (false): check marks, scroll bar and pane.
    void SetGlobeSystem(bool realSky);
    // Back to normal conditions: the stored place's tilt and meridian, the review globe level,
    // the globe half the client height across.
    void Normal();
    // The review globe's scroll bar moved: the new tilt; VPos is the bar's new position. The
    // caller draws.
    void Scroll(int scrollCode, int thumbPos);

    // The Search menu.
    void CmFind();
    void CmFindNext();
    bool FindStar(uint16_t Index);
    bool FindConst(uint16_t Index);
    bool FindNGCMessObj();
    void FindSolObj();
    // The planet `k` (index of skybodies::kSkyPlanets): its card where it stands, or the
    // below-the-horizon message.
    void FindPlanet(int k);
    // The star search's sequence after the stars: the first planet after index `k` whose name
    // begins with the search text, found as FindPlanet finds it; false when none is left.
    bool FindPlanetAfter(int k);
    // Pluto is too faint for the globe: tells so, with its magnitude and constellation. False
    // when its elements or the Earth's are not known.
    bool ReportPluto();
    // Help's constellation index.
    void CmConstelIndex();
    // The Setup menu: options and the observer location.
    void CmSMSetup();
    void CmLocation(uint64_t S);

    // The cards of each object under a right click on the stopped view; false when none was hit.
    bool OpenCardsAt(QPoint point);
    void SmStarCard(QPoint point, int index);
    void SmNGCMess(QPoint point, int index);
    void SmSunCard(QPoint point);
    void SmMoonCard(QPoint point);
    void SmPlanetCard(QPoint point, int k);

    // Creates and deletes the globe's sprite surfaces (entry and tear-down).
    void CreateStarMapSprites();
    void DeleteStarMapSprites();
    bool HasSprites() const { return Stardc != nullptr; }

    // ---- state (names as designed) ----
    Stars Star[kStarCount]{};
    uint16_t StarCount = 0; // stars read from the catalogue; the views use only these
    float XCenter = 0, YCenter = 0;
    uint16_t r = 0;
    float latCos = 1, latSin = 0;
    double t = 0;
    float lat = 0, ust = 0;
    int VPos = 180;
    bool FlagLat = false;
    float latOld = 0;
    uint16_t rOld = 0;
    double tOld = 0;
    double tSol[2]{};
    double Dec[2]{};
    uint16_t XSol[2]{};
    uint16_t YSol[2]{};
    float ustSol[2]{};
    bool FlagSol[2]{};
    NgcMessObj NgcMess[kNgcMessCount]{};
    uint8_t NgcMessCount = 0; // objects read from the catalogue
    bool GlobeSystem = true;
    bool StPlaying = false;

    uint8_t SearchItem = 0;
    char SearchString[255]{};
    uint16_t LastIndex = 0;
    bool Search = false, NoMore = false;

    std::unique_ptr<platform::MemoryDC> Stardc;
    std::unique_ptr<platform::MemoryDC> Soldc[2];
    std::unique_ptr<platform::MemoryDC> NgcMessdc;

    // The Sun, the Moon and the planets at the last angles.
    double SkyJulianDate = sky::kJulianDateJ2000;
    sky::MoonPlace MoonPlace{};
    skybodies::PlanetElements PlanetElements{};
    SkyPlanet Planet[skybodies::kSkyPlanetCount]{};

    // The names layer: the bright named stars (catalogue index and name), the figures'
    // centres, each label's picture (made when first drawn) and the rectangles on the window.
    struct StarLabel
    {
        uint16_t index;
        std::string name;
    };
    std::vector<StarLabel> StarNames;
    std::array<skybodies::FigureCentre, skybodies::kFigureCount> FigureCentres{};
    std::vector<std::unique_ptr<platform::MemoryDC>> LabelSprites;
    std::vector<QRect> LabelRects;

    // Turns the review globe about its axis by `degrees` (positive moves the stars in front
    // to the left), for the clock's later instants too. The caller draws.
    void TurnBy(double degrees);

private:
    bool LeaveStarMap();
    // The pictures of every label, made on first use.
    void MakeLabelSprites();
    // Label `k` with its left edge at x (or its centre, when `centred`) and its middle row at
    // y, ORed onto the sky, its rectangle kept.
    void PutLabel(int k, int x, int y, bool centred);
    // The globe radius of normal conditions: a quarter of the client height.
    void ResetRadius();

    model::ViewHost& host;
    platform::Canvas& canvas;
    Setup& Values;
    SimClock& clock;
};
