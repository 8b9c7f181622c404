// The one client window of the main frame. It owns the whole state of the program: the
// configuration, the simulated clock, the Solar System model, the sky globe and the database
// record buffers, and it handles every command but Show Toolbar. Its methods live in the
// folder of their subsystem (app, time, solar, starmap, database).
#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <optional>

#include "app/Config.h"
#include "platform/Bitmaps.h"
#include "platform/Canvas.h"
#include "platform/Timers.h"
#include "solar/SolarBody.h"
#include "solar/SolarRecord.h"
#include "starmap/SkyObjects.h"
#include "starmap/StarRecord.h"
#include "time/ClockInstant.h"

class QScrollBar;
struct PlanetDB;

// Timer ids.
constexpr unsigned kTimerStarMap = 1;   // Star Map stepping, every TimeRate ms (at least 30)
constexpr unsigned kTimerRealTime = 2;  // real time, every 1000 ms
constexpr unsigned kTimerSolar = 3;     // Solar System stepping, every TimeRate ms (at least 30)
constexpr unsigned kTimerBackground = 4;  // background picture copy, every 1 ms

// Clock modes; the same numbers are the ids of the mode buttons of the Time Update dialog.
constexpr int kRealTime = 3201;
constexpr int kBySeconds = 3202;
constexpr int kByMinutes = 3203;
constexpr int kByHours = 3204;
constexpr int kByDays = 3205;
constexpr int kByMonths = 3206;
constexpr int kByYears = 3207;

// Scroll codes of the vertical scroll bar.
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

class VelmoriaWnd : public QWidget
{
    Q_OBJECT
public:
    // ---- application shell (src/app) ----
    explicit VelmoriaWnd(QWidget* parent = nullptr);
    ~VelmoriaWnd() override;
    // Starts the main screen's music and background picture.
    void SetupWindow();
    // The end of the program, run once while the frame is whole: tears down the current mode,
    // writes the configuration (its messages shown over the window) and stops the sound.
    void ShutDown();

    // Runs the handler of command `id` (menus, toolbar and accelerators all come here).
    void DispatchCommand(int id);
    // The enabling rule of command `id` in the current mode.
    bool ButtonEnabler(int id) const;

    void CmSolarSystem();
    void CmStarMap();
    void CmDBSolar();
    void CmExit(int id);
    void CmSound();
    void CmContentsHelp();
    void CmUsingHelp();
    void CmAbout();

    void EvSize();
    void EvVScroll(int scrollCode, int thumbPos);
    void EvRButtonDown(QPoint point);
    void EvPaletteChanged(QWidget* changer);
    bool EvQueryNewPalette();

    void DestroyMain();
    // Tears down whatever mode is current (`exit`: at program end, the panes are left as
    // they are).
    void DestroyMode(bool exit);
    void DestroySolarSystem(bool exit);
    void DestroyStarMap(bool exit);
    void DestroyDataBase();
    void SetBckGndPicture();
    bool UpdatePalette(bool alwaysRepaint);
    // Copies the background picture to the middle of the window (timer 4).
    void ShowBckGndPicture();

    void ReadCFG();
    void StoreCFG();

    // ---- drawing surface and window services (src/app) ----
    // The window's persistent picture; painting only shows it.
    platform::Canvas canvas;
    // The client rectangle: the window less the vertical scroll bar while it is shown.
    QRect GetClientRect() const;
    // Fills the client area with black.
    void BlackOut();
    // The window background colour and a repaint with erase (fills the picture with it).
    void SetBkgndColor(platform::Rgb color) { bkgndColor = color; }
    void InvalidateErase();
    void SetTimer(unsigned id, unsigned periodMs) { timers.SetTimer(id, periodMs); }
    void KillTimer(unsigned id) { timers.KillTimer(id); }
    const platform::WindowTimers& Timers() const { return timers; }
    // The vertical scroll bar (range, position, shown or hidden).
    QScrollBar* VScrollBar() const { return vscroll; }
    void ShowScrollBar(bool show);
    // The window's cursor: cursor resource `id`, or the arrow for 0.
    void SetCursorResource(int id);
    // The hint line of the status bar.
    static void SetHint(const char* text);
    // Caption, menu and music of the mode just entered (the sound item unchecked when off).
    void ShowModeFrame(const char* caption, int menuId);
    // XCenter, YCenter := the middle of the client area.
    void SetCentreFromClient();
    // Forgets every mark on the globe, so that the next frame on a clean window erases nothing.
    void ClearGlobeFlags();

    // ---- simulated clock (src/time) ----
    void TimeCalculate();
    uint8_t GetMaxDays(uint8_t mm, uint16_t yy) const;
    void ShowTime(unsigned hh, unsigned mm, unsigned ss);
    void ShowDate(unsigned dd, unsigned mm, unsigned yy);
    void ShowMode();
    void SetupStatusBar();
    void EvTimer(unsigned timerId);
    // The real-time frame of the view on screen while it plays: the clock := the computer's,
    // then the view drawn for it (each tick of timer 2, and at once on entering a view).
    void ShowRealTimeFrame();
    void CmTimeUpdate();
    // The panes and the view's angles from the clock as it stands (in Real Time, the
    // computer's clock), for a stopped view whose clock was just set.
    void ShowClockNow();
    void CmNormal();
    // The run controls both views share: Go (refused with "Out from date bound !!!" after a
    // date bound; in real time the clock catches up with the computer's), Stop (cursor 103)
    // and the choice of direction (which clears the date bound).
    void StartAnimation(bool& playing);
    void StopAnimation(bool& playing);
    void SetTimeDirection(bool forward);
    // Starts the clock timer that fits the mode and view: timer 2 every 1000 ms in Real Time,
    // else timer 1 (Star Map) or 3 (Solar System) every TimeRate ms, at least 30.
    void StartClockTimer();
    // Stops the clock timer that the mode and view run (timer 2, 1 or 3).
    void StopClockTimer();

    // ---- Solar System (src/solar) ----
    bool ReadSolData();
    // Every body's angle for clock instant T (real-time and stepping ticks).
    void UpdateSolAngles(uint64_t T);
    // Re-bases every body's offset so that it keeps its angle at instant T.
    void RebaseSolAngles(uint64_t T);
    void ShowSolSyst();
    void DrawObj();
    void DrawObj2(int c);
    void DrawOrbits();
    void CmZoomIn();
    void CmZoomOut();
    void ChangeCenter(int id);
    // The check mark of the centre items and the "Center : ..." pane follow SystemCenter.
    void ShowSystemCenter();
    void CmTimeForward();
    void CmTimeBack();
    void CmGo();
    void CmStop();
    void SmSolObjCard(QPoint point, int k);
    void CmSSSetup();
    // Creates and deletes the view's sprites and palette (entry and tear-down).
    void CreateSolarSprites();
    void DeleteSolarSprites();

    // ---- Star Map (src/starmap) ----
    bool ReadStarData();
    bool ReadNGCMessData();
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
    // lat, latCos, latSin from the stored observer latitude.
    void SetLatitudeFromSetup();
    // ust (the observer's meridian, from the stored longitude) and the Sun's and Moon's
    // calibrated offsets ustSol.
    void SetSkyOffsets();
    // The sky of a changed observer location: the tilt from the latitude, the meridian from the
    // longitude and the angles for the simulated clock, with its "Greenwich mean time" option.
    // The location dialog calls this when it closes; the caller then draws.
    void SetSkyFromLocation();
    void DrawGlob();
    // The mark of star `s` at its stored position, sized by magnitude, unless it is fainter
    // than the limiting magnitude.
    void DrawStarMark(const Stars& s);
    void DrawGrid();
    void DrawConst();
    void CmConstelIndex();
    void DrawSolObj();
    void DrawNGCMess();
    void ShowStarMap();
    void ChangeSystem(int id);
    void CmStZoomIn();
    void CmStZoomOut();
    // The frame after a zoom: drawn over the old one while running, whole on black when
    // stopped.
    void ShowZoomedStarMap();
    void CmStTimeFwd();
    void CmStTimeBack();
    void CmStGo();
    void CmStStop();
    void SmStarCard(QPoint point, int index);
    void SmNGCMess(QPoint point, int index);
    void SmSunCard(QPoint point);
    void SmMoonCard(QPoint point);
    // Search (src/starmap/StarMapSearch.cpp).
    void CmFind();
    void CmFindNext();
    // The first star from record `Index` on whose name begins with SearchString: its card, or a
    // message when it is below the horizon; LastIndex := its index. False when no star matches
    // or the catalogue cannot be read.
    bool FindStar(uint16_t Index);
    // The constellation whose abbreviation is SearchString, from number `Index` on: its lines in
    // red, or a message when none of them is above the horizon. False when no abbreviation
    // matches or the catalogue cannot be read; true after the message for a text that is not
    // three characters long.
    bool FindConst(uint16_t Index);
    // Every deep-sky object with the Messier or NGC number of SearchString: its card, or a
    // message when it is below the horizon; "The Object is not find" when none has it. False
    // when the catalogue cannot be read.
    bool FindNGCMessObj();
    // The Sun or the Moon named by SearchString: its card, or a message when it is below the
    // horizon; nothing for another name.
    void FindSolObj();
    // The options and the observer location (src/starmap/StarMapSetup.cpp).
    void CmSMSetup();
    void CmLocation();
    // Forgets the marks of the Sun and Moon and of the deep-sky objects when their layer is
    // off, so that a right click finds no mark that is not on the window.
    void ForgetHiddenLayers();
    // Creates and deletes the globe's sprite surfaces (entry and tear-down).
    void CreateStarMapSprites();
    void DeleteStarMapSprites();

    // ---- Astronomical Database (src/database) ----
    // Planet card of command 801..809 (Mercury..Pluto) with its satellites and rings.
    void ShowPlanetData(int id);
    void ShowSunData();
    void ShowMoonData();
    // The nine planets on the comparison charts.
    void CmComparison();
    // The picture viewer over the Solar System objects (811), galaxies (812) and nebulae (813).
    void CmSolObjView();
    void CmGalaxyView();
    void CmNebulaView();
    // Runs the picture viewer over pictures first..last with `hint` in the hint line.
    void ShowViews(int first, int last, const char* hint);

    // ---- state (names as designed) ----
    Setup Values{};
    int VPos = 180;
    Time CurTime{0, 0, 0};
    Date CurDate{1, 1, 2000};
    int TimeUpdateMode = kRealTime;
    uint16_t TimeRate = 1;
    bool TimeForward = true;
    bool TimeOut = false;
    uint64_t timeStep = 0;
    float XCenter = 0, YCenter = 0;
    platform::Dib* BGDib = nullptr;
    platform::Bitmap* BGBitmap = nullptr;
    platform::Palette* BGPalette = nullptr;

    SolObjects SolObj[kSolarSlots]{};
    uint8_t SystemCenter = 0;
    float XSun = 0, YSun = 0;
    float Scale = 1.0f;
    platform::Bitmap* bmSol = nullptr;
    platform::Bitmap* bmCom = nullptr;
    platform::Bitmap* bmPl[9]{};
    platform::Bitmap* PlBitmap[9]{};
    platform::MemoryDC* Solardc = nullptr;
    platform::MemoryDC* Cometdc = nullptr;
    platform::MemoryDC* MSolardc = nullptr;
    platform::MemoryDC* MCometdc = nullptr;
    platform::MemoryDC* MPlanetdc[9]{};
    platform::Dib* PlanetDib[9]{};
    platform::Palette* Palette = nullptr;
    bool Playing = false;

    Stars Star[kStarCount]{};
    uint16_t StarCount = 0;  // stars read from the catalogue; the views use only these
    uint16_t r = 0;
    float latCos = 1, latSin = 0;
    double t = 0;
    float lat = 0, ust = 0;
    platform::MemoryDC* Stardc = nullptr;
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
    platform::MemoryDC* Soldc[2]{};
    NgcMessObj NgcMess[kNgcMessCount]{};
    uint8_t NgcMessCount = 0;  // objects read from the catalogue
    platform::MemoryDC* NgcMessdc = nullptr;
    bool GlobeSystem = true;
    bool StPlaying = false;

    uint8_t SearchItem = 0;
    char SearchString[255]{};
    uint16_t LastIndex = 0;
    bool Search = false, NoMore = false;

    PlanetDB* planet = nullptr;
    SolarObjects* solobj = nullptr;
    StarDB* star = nullptr;
    NGCMessDB* NGCM = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

public:
    // Shows the picture again when something drew on it.
    void Present();

private:

    platform::WindowTimers timers{this};
    // The canvas and picture as the background timer last found them whole, and where.
    qint64 bgCheckedKey = 0;
    qint64 bgSourceKey = 0;
    QPoint bgCheckedAt;
    bool shutDown = false;
    platform::Rgb bkgndColor = platform::RGB(192, 192, 192);
    QScrollBar* vscroll = nullptr;
};
