#include "app/VelmoriaWnd.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <cstdio>

#include "app/AboutDlg.h"
#include "app/VelmoriaApp.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "platform/Sound.h"
#include "solar/Orbit.h"

namespace
{
constexpr platform::Rgb kGrey = platform::RGB(192, 192, 192);
constexpr platform::Rgb kBlack = 0;
constexpr double kDegToRad = 0.017453292519943295;
constexpr const char* kBackgroundFile = "Bitmap\\BackGnd.bmp";

// A right click hits an object whose stored position lies in the 17 x 17 square around it.
bool Hit(QPoint p, uint16_t x, uint16_t y)
{
    return p.x() - 8 <= x && x <= p.x() + 8 && p.y() - 8 <= y && y <= p.y() + 8;
}
} // namespace

VelmoriaWnd::VelmoriaWnd(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VelmoriaWnd"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    vscroll = new QScrollBar(Qt::Vertical, this);
    vscroll->setObjectName(QStringLiteral("vscroll"));
    vscroll->hide();
    vscroll->setRange(0, 360);
    vscroll->setValue(VPos);
    connect(vscroll, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action)
        {
        case QAbstractSlider::SliderSingleStepSub: EvVScroll(SB_LINEUP, 0); break;
        case QAbstractSlider::SliderSingleStepAdd: EvVScroll(SB_LINEDOWN, 0); break;
        case QAbstractSlider::SliderPageStepSub: EvVScroll(SB_PAGEUP, 0); break;
        case QAbstractSlider::SliderPageStepAdd: EvVScroll(SB_PAGEDOWN, 0); break;
        case QAbstractSlider::SliderMove:
            EvVScroll(SB_THUMBPOSITION, vscroll->sliderPosition());
            break;
        default: break;
        }
        // The window sets the box itself.
        vscroll->setSliderPosition(VPos);
    });
    SetBkgndColor(kGrey);
    canvas = platform::Canvas(1, 1, kGrey);
    ReadCFG();
    BGDib = nullptr;
    BGBitmap = nullptr;
    BGPalette = nullptr;
}

VelmoriaWnd::~VelmoriaWnd()
{
    if (!shutDown)
    {
        // Destroyed without the frame's close (tests, a start that went no further): the
        // same steps, but a failure is only written out, since a message box's event loop
        // must not run from a destructor.
        shutDown = true;
        DestroyMode(true);
        StoreConfig(kConfigFile, Values,
                    [](const std::string& text, const char*, unsigned) {
                        std::fprintf(stderr, "%s\n", text.c_str());
                    });
        platform::StopSound();
    }
    timers.KillAll();
}

void VelmoriaWnd::ShutDown()
{
    if (shutDown)
        return;
    shutDown = true;
    DestroyMode(true);
    StoreCFG();
    platform::StopSound();
    timers.KillAll();
}

void VelmoriaWnd::DestroyMode(bool exit)
{
    switch (Subject)
    {
    case 1: DestroyMain(); break;
    case 2: DestroySolarSystem(exit); break;
    case 3: DestroyStarMap(exit); break;
    case 4: DestroyDataBase(); break;
    default: break;
    }
}

void VelmoriaWnd::SetupWindow()
{
    Sound = true;
    platform::PlaySoundLoop("Sound\\Main.wav");
    SetBckGndPicture();
}

// ---- window services ----

QRect VelmoriaWnd::GetClientRect() const
{
    const int w = width() - (vscroll->isVisible() ? vscroll->width() : 0);
    return QRect(0, 0, std::max(w, 0), height());
}

void VelmoriaWnd::BlackOut()
{
    const QRect rc = GetClientRect();
    canvas.FillRect(rc.left(), rc.top(), rc.left() + rc.width(), rc.top() + rc.height(), kBlack);
    Present();
}

void VelmoriaWnd::InvalidateErase()
{
    canvas.Clear(bkgndColor);
    update();
}

void VelmoriaWnd::Present()
{
    if (canvas.TakeDirty())
        update();
}

void VelmoriaWnd::ShowScrollBar(bool show)
{
    if (vscroll->isVisibleTo(this) == show)
        return;
    vscroll->setVisible(show);
    // The scroll bar takes its width from the client area, as a resize would.
    EvSize();
}

void VelmoriaWnd::SetCursorResource(int id)
{
    if (id == 0)
        unsetCursor();
    else
        setCursor(platform::LoadCursorResource(id));
}

void VelmoriaWnd::SetHint(const char* text)
{
    if (sb)
        sb->SetText(text);
}

void VelmoriaWnd::ShowModeFrame(const char* caption, int menuId)
{
    if (frame)
    {
        frame->SetCaption(caption);
        frame->AssignMenu(menuId);
    }
    if (Sound)
        platform::PlaySoundLoop(ModeSound(Subject));
    else
    {
        // Every menu resource carries the sound item checked.
        hmenu = GetMenu();
        CheckMenuItem(hmenu, 378, false);
    }
}

void VelmoriaWnd::SetCentreFromClient()
{
    const QRect rc = GetClientRect();
    XCenter = (rc.left() + rc.left() + rc.width()) * 0.5f;
    YCenter = (rc.top() + rc.top() + rc.height()) * 0.5f;
}

void VelmoriaWnd::ClearGlobeFlags()
{
    for (Stars& s : Star)
    {
        s.Flag = false;
        s.FConst = false;
    }
    for (NgcMessObj& o : NgcMess)
        o.Flag = false;
    FlagSol[0] = FlagSol[1] = false;
}

void VelmoriaWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawImage(0, 0, canvas.Image());
}

void VelmoriaWnd::resizeEvent(QResizeEvent*)
{
    canvas.Resize(width(), height(), bkgndColor);
    const int sw = vscroll->sizeHint().width();
    vscroll->setGeometry(width() - sw, 0, sw, height());
    EvSize();
    update();
}

void VelmoriaWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        EvRButtonDown(event->position().toPoint());
    Present();
}

void VelmoriaWnd::timerEvent(QTimerEvent* event)
{
    const unsigned id = timers.Lookup(event->timerId());
    if (id == 0)
    {
        QWidget::timerEvent(event);
        return;
    }
    EvTimer(id);
    Present();
}

// ---- commands ----

void VelmoriaWnd::DispatchCommand(int id)
{
    switch (id)
    {
    case 301: CmSolarSystem(); break;
    case 302: CmStarMap(); break;
    case 303: CmDBSolar(); break;
    case 305:
    case 400: CmExit(id); break;
    case 350: CmContentsHelp(); break;
    case 352: CmUsingHelp(); break;
    case 353: CmConstelIndex(); break;
    case 354: CmAbout(); break;
    case 373: CmSSSetup(); break;
    case 374: CmSMSetup(); break;
    case 375: CmTimeUpdate(); break;
    case 376: CmLocation(); break;
    case 378: CmSound(); break;
    case 403: CmZoomIn(); break;
    case 404: CmZoomOut(); break;
    case 405: CmTimeForward(); break;
    case 406: CmTimeBack(); break;
    case 407: CmGo(); break;
    case 408: CmStop(); break;
    case 409: CmNormal(); break;
    case 501:
    case 502: ChangeSystem(id); break;
    case 503: CmStZoomIn(); break;
    case 504: CmStZoomOut(); break;
    case 505: CmStTimeFwd(); break;
    case 506: CmStTimeBack(); break;
    case 507: CmStGo(); break;
    case 508: CmStStop(); break;
    case 509: CmFind(); break;
    case 510: CmFindNext(); break;
    case 701: ShowSunData(); break;
    case 810: ShowMoonData(); break;
    case 814: CmComparison(); break;
    case 811: CmSolObjView(); break;
    case 812: CmGalaxyView(); break;
    case 813: CmNebulaView(); break;
    default:
        if (id >= 601 && id <= 612)
            ChangeCenter(id);
        else if (id >= 801 && id <= 809)
            ShowPlanetData(id);
        break;
    }
    Present();
}

bool VelmoriaWnd::ButtonEnabler(int id) const
{
    if (Subject == 2)
    {
        switch (id)
        {
        case 403: return Scale < 4.0;
        case 404: return Scale > 0.04;
        case 405: return TimeUpdateMode != kRealTime && !TimeForward;
        case 406: return TimeUpdateMode != kRealTime && TimeForward;
        case 407: return !Playing;
        case 408: return Playing;
        default: return true;
        }
    }
    if (Subject == 3)
    {
        const int yc = static_cast<int>(YCenter);
        switch (id)
        {
        case 376: return GlobeSystem;
        case 503: return r < yc / 2 + 1200;
        case 504: return r > yc / 6;
        case 505: return TimeUpdateMode != kRealTime && !TimeForward;
        case 506: return TimeUpdateMode != kRealTime && TimeForward;
        case 507: return !StPlaying;
        case 508: return StPlaying;
        case 510: return Search && !NoMore;
        default: return true;
        }
    }
    return true;
}

void VelmoriaWnd::CmSolarSystem()
{
    if (Subject != 1)
        return;
    DestroyMain();
    Playing = true;
    PreviousSubject = Subject;
    Subject = 2;
    SystemCenter = 0;
    TimeUpdateMode = kRealTime;
    TimeForward = true;
    TimeRate = 1;
    SetupSpeedBar();
    if (!ReadSolData())
        return;
    SetBkgndColor(kBlack);
    InvalidateErase();
    ShowModeFrame("Velmoria - [Solar System]", 202);
    SetCentreFromClient();
    Scale = 1.0f;
    timeStep = 0;
    CreateSolarSprites();
    UpdatePalette(true);
    for (SolObjects& body : SolObj)
    {
        body.X = body.Y = 0;
        body.tAng = body.ust = 0;
    }
    SetupStatusBar();
    SetHint("Viewing Solar System model");
    if (sbCoord)
        sbCoord->SetText("Center : Sun");
    SetTimer(kTimerRealTime, 1000);
    // The first frame now, not a second later with the first tick, which draws the same.
    ShowRealTimeFrame();
}

void VelmoriaWnd::CmStarMap()
{
    if (Subject != 1)
        return;
    DestroyMain();
    GlobeSystem = true;
    StPlaying = true;
    Search = false;
    NoMore = false;
    PreviousSubject = Subject;
    Subject = 3;
    TimeForward = true;
    TimeUpdateMode = kRealTime;
    TimeRate = 1;
    SetupSpeedBar();
    if (!ReadStarData())
        return;
    if (!ReadNGCMessData())
        return;
    SetBkgndColor(kBlack);
    InvalidateErase();
    ShowModeFrame("Velmoria - [Star Map]", 203);
    SetCentreFromClient();
    r = static_cast<uint16_t>(static_cast<int>(YCenter) / 2);
    SetLatitudeFromSetup();
    SetSkyOffsets();
    timeStep = 0;
    ClearGlobeFlags();
    FlagLat = false;
    CreateStarMapSprites();
    SetupStatusBar();
    SetHint("Viewing Star Map");
    if (sbCoord)
        sbCoord->SetText("Really Sky Globe");
    SetTimer(kTimerRealTime, 1000);
    // The first frame now, not a second later with the first tick, which draws the same.
    ShowRealTimeFrame();
}

void VelmoriaWnd::CmDBSolar()
{
    if (Subject != 1)
        return;
    DestroyMain();
    PreviousSubject = Subject;
    Subject = 4;
    SetupSpeedBar();
    SetBckGndPicture();
    InvalidateErase();
    ShowModeFrame("Velmoria - [Astronomical Database]", 204);
    SetHint("Viewing Astronomical Database");
}

void VelmoriaWnd::CmExit(int id)
{
    if (id == 305)
    {
        if (Subject != 1)
            return;
        // Closing the frame shuts the window down and ends the message loop.
        if (frame)
            frame->close();
        return;
    }
    if (Subject == 1)
        return;
    SetBkgndColor(kGrey);
    DestroyMode(false);
    // The grey erase comes after the tear-down: hiding the review globe's scroll bar resizes
    // the client area, and a resize in a view fills it with black.
    InvalidateErase();
    SetBckGndPicture();
    RestoreMain();
}

void VelmoriaWnd::CmSound()
{
    hmenu = GetMenu();
    if (GetMenuState(hmenu, 378) == MF_CHECKED)
    {
        platform::StopSound();
        CheckMenuItem(hmenu, 378, false);
        Sound = false;
    }
    else
    {
        platform::PlaySoundLoop(ModeSound(Subject));
        CheckMenuItem(hmenu, 378, true);
        Sound = true;
    }
}

void VelmoriaWnd::CmContentsHelp()
{
    platform::WinHelp(this, "Velmoria.hlp", platform::HELP_FINDER, 0);
    InvalidateErase();
}

void VelmoriaWnd::CmUsingHelp()
{
    platform::WinHelp(this, "Winhlp32.hlp", platform::HELP_HELPONHELP, 0);
    InvalidateErase();
}

void VelmoriaWnd::CmAbout()
{
    SetHint("About 'Velmoria' program");
    AboutDlg dlg(this);
    dlg.Execute();
    InvalidateErase();
    switch (Subject)
    {
    case 1: SetHint("Choose subject for viewing"); break;
    case 2: SetHint("Viewing Solar System model"); break;
    case 3: SetHint("Viewing Star Map"); break;
    case 4: SetHint("Viewing Solar System Data Base"); break;
    default: break;
    }
}

// ---- events ----

void VelmoriaWnd::EvSize()
{
    if (Subject == 2 || Subject == 3)
    {
        SetCentreFromClient();
        BlackOut();
        // A running view is redrawn by its next tick; a stopped one gets no tick, so it is
        // drawn once now (when its sprites exist: not while it is being set up or torn down).
        if (Subject == 2 && !Playing && Solardc)
            ShowSolSyst();
        else if (Subject == 3 && !StPlaying && Stardc)
        {
            ClearGlobeFlags();
            ShowStarMap();
        }
    }
    else if (Subject == 1 || Subject == 4)
        InvalidateErase();
}

void VelmoriaWnd::EvVScroll(int scrollCode, int thumbPos)
{
    bool moved = true;
    switch (scrollCode)
    {
    case SB_LINEUP:
        if (VPos <= 0)
        {
            lat = 180;
            VPos = 0;
        }
        else
        {
            lat += 10;
            VPos -= 10;
        }
        break;
    case SB_LINEDOWN:
        if (VPos >= 360)
        {
            lat = -180;
            VPos = 360;
        }
        else
        {
            lat -= 10;
            VPos += 10;
        }
        break;
    case SB_PAGEUP:
        if (VPos < 30)
        {
            lat = 180;
            VPos = 0;
        }
        else
        {
            lat += 30;
            VPos -= 30;
        }
        break;
    case SB_PAGEDOWN:
        if (VPos > 330)
        {
            lat = -180;
            VPos = 360;
        }
        else
        {
            lat -= 30;
            VPos += 30;
        }
        break;
    case SB_THUMBPOSITION:
        lat = static_cast<float>(180 - thumbPos);
        VPos = thumbPos;
        break;
    default: moved = false; break;
    }
    if (moved)
        vscroll->setValue(VPos);
    latCos = static_cast<float>(std::cos(lat * kDegToRad));
    latSin = static_cast<float>(std::sin(lat * kDegToRad));
    if (Subject == 3)
        ShowStarMap();
    Present();
}

void VelmoriaWnd::EvRButtonDown(QPoint point)
{
    bool hit = false;
    if (Subject == 2 && !Playing)
    {
        // A slot without a planet or comet has no card and no place on the screen (its
        // position stays at the top-left corner): it is never hit.
        for (int i = 0; i < kSolarSlots; ++i)
            if (solar::RoleOf(SolObj[i], i) != solar::BodyRole::None &&
                Hit(point, SolObj[i].X, SolObj[i].Y))
            {
                hit = true;
                SmSolObjCard(point, i);
            }
    }
    else if (Subject == 3 && !StPlaying)
    {
        if (FlagSol[0] && Hit(point, XSol[0], YSol[0]))
        {
            hit = true;
            SmSunCard(point);
        }
        if (FlagSol[1] && Hit(point, XSol[1], YSol[1]))
        {
            hit = true;
            SmMoonCard(point);
        }
        for (int i = 0; i < NgcMessCount; ++i)
            if (NgcMess[i].Flag && Hit(point, NgcMess[i].X, NgcMess[i].Y))
            {
                hit = true;
                SmNGCMess(point, i);
            }
        for (int i = 0; i < StarCount; ++i)
            if (Star[i].Flag && Hit(point, Star[i].X, Star[i].Y))
            {
                hit = true;
                SmStarCard(point, i);
            }
    }
    if (hit)
    {
        BlackOut();
        if (Subject == 3)
            ShowStarMap();
        else
            ShowSolSyst();
    }
}

void VelmoriaWnd::EvPaletteChanged(QWidget* changer)
{
    if ((Subject == 1 || Subject == 2) && changer != this)
        UpdatePalette(false);
}

bool VelmoriaWnd::EvQueryNewPalette()
{
    if (Subject == 1 || Subject == 2)
        return UpdatePalette(true);
    return false;
}

bool VelmoriaWnd::UpdatePalette(bool alwaysRepaint)
{
    const platform::Palette* pal = nullptr;
    if (Subject == 1)
        pal = BGPalette;
    else if (Subject == 2)
        pal = Palette;
    if (!pal)
        return false;
    if (alwaysRepaint || pal->Realize() > 0)
        update();
    return true;
}

// ---- tear-down and background ----

void VelmoriaWnd::DestroyMain()
{
    KillTimer(kTimerBackground);
    delete BGDib;
    BGDib = nullptr;
    delete BGPalette;
    BGPalette = nullptr;
    delete BGBitmap;
    BGBitmap = nullptr;
    InvalidateErase();
}

void VelmoriaWnd::DestroyDataBase()
{
    DestroyMain();
}

void VelmoriaWnd::DestroySolarSystem(bool exit)
{
    CmStop();
    SetCursorResource(0);
    KillTimer(TimeUpdateMode == kRealTime ? kTimerRealTime : kTimerSolar);
    DeleteSolarSprites();
    if (!exit)
        for (TextGadget* pane : {sbDate, sbTime, sbMode, sbCoord})
            if (pane)
                pane->SetText("");
}

void VelmoriaWnd::DestroyStarMap(bool exit)
{
    CmStStop();
    SetCursorResource(0);
    KillTimer(TimeUpdateMode == kRealTime ? kTimerRealTime : kTimerStarMap);
    DeleteStarMapSprites();
    // After the sprites: the resize this makes does not draw a globe that is going away.
    ShowScrollBar(false);
    if (!exit)
        for (TextGadget* pane : {sbDate, sbTime, sbMode, sbCoord})
            if (pane)
                pane->SetText("");
}

void VelmoriaWnd::SetBckGndPicture()
{
    std::FILE* f = platform::OpenFile(kBackgroundFile, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kBackgroundFile));
        return;
    }
    std::fclose(f);
    delete BGDib;
    delete BGPalette;
    delete BGBitmap;
    BGDib = platform::ReadDib(kBackgroundFile);
    BGPalette = BGDib ? new platform::Palette(*BGDib) : nullptr;
    BGBitmap = BGDib ? new platform::Bitmap(*BGDib, BGPalette) : nullptr;
    UpdatePalette(true);
    SetTimer(kTimerBackground, 1);
}

void VelmoriaWnd::ShowBckGndPicture()
{
    if (!BGBitmap)
        return;
    const QRect rc = GetClientRect();
    const int left = rc.width() / 2 - BGBitmap->Width() / 2;
    const int top = rc.height() / 2 - BGBitmap->Height() / 2;
    // The copy runs on every tick of a fast timer: touch the window only when the picture
    // there is not already whole. The canvas's cache key changes with every write to it, so
    // while it is the key of the last check and the place is the same, nothing can have
    // drawn over the picture and even the comparison is skipped.
    const QImage& src = BGBitmap->Image();
    const QImage& dst = canvas.Image();
    const QPoint place(left, top);
    if (dst.cacheKey() == bgCheckedKey && place == bgCheckedAt && src.cacheKey() == bgSourceKey)
        return;
    const QRect visible =
        QRect(left, top, src.width(), src.height()).intersected(QRect(QPoint(0, 0), dst.size()));
    bool same = true;
    for (int y = visible.top(); same && y <= visible.bottom(); ++y)
    {
        const auto* s =
            reinterpret_cast<const QRgb*>(src.constScanLine(y - top)) + (visible.left() - left);
        const auto* d = reinterpret_cast<const QRgb*>(dst.constScanLine(y)) + visible.left();
        same = std::equal(s, s + visible.width(), d);
    }
    if (!same)
        canvas.BitBlt(left, top, BGBitmap->Width(), BGBitmap->Height(), *BGBitmap, 0, 0,
                      platform::Rop::SrcCopy);
    bgCheckedKey = canvas.Image().cacheKey();
    bgCheckedAt = place;
    bgSourceKey = src.cacheKey();
}
