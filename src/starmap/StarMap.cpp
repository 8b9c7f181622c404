// The Star Map view of the main window: catalogues, rotation, the globe's layers (grid,
// stars, constellation lines, deep-sky objects, Sun and Moon) and the view's commands. The
// geometry lives in Globe, ConstBlocks and StarReader; this file draws on the window's canvas.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "starmap/ConstBlocks.h"
#include "starmap/Globe.h"
#include "starmap/StarReader.h"

#include <cmath>

namespace
{
constexpr const char* kStarsFile = "Data\\Stars.dat";
constexpr const char* kNgcMessFile = "Data\\NGCMess.dat";
constexpr platform::Rgb kBlack = 0;
constexpr platform::Rgb kConstGreen = platform::RGB(0, 128, 0);

globe::View ViewOf(const VelmoriaWnd& w)
{
    return globe::View{w.XCenter, w.YCenter, w.r, w.lat, w.latCos, w.latSin};
}

// A line between two stored globe points. Stored coordinates are unsigned 16-bit; they are
// drawn as signed so that an end just off the top or left of a zoomed globe stays there
// instead of sending the line 65536 pixels away across the window.
void DrawLine(platform::Canvas& canvas, uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1)
{
    canvas.MoveTo(globe::DrawCoord(x0), globe::DrawCoord(y0));
    canvas.LineTo(globe::DrawCoord(x1), globe::DrawCoord(y1));
}

platform::MemoryDC* LoadSprite(const char* name)
{
    const QImage image = platform::LoadBitmapResource(name);
    return image.isNull() ? nullptr : new platform::MemoryDC(image);
}
// A catalogue that cannot be read keeps the Star Map from opening: the view is torn down and
// the main screen comes back. Always false, the readers' result.
bool LeaveStarMap(VelmoriaWnd& w)
{
    platform::ErrorBox(&w, "Unable to show Star Map");
    w.DestroyStarMap(false);
    w.SetBckGndPicture();
    RestoreMain();
    return false;
}
} // namespace

// ---- catalogues ----

bool VelmoriaWnd::ReadStarData()
{
    std::FILE* f = platform::OpenFile(kStarsFile, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kStarsFile));
    }
    else
    {
        star = new StarDB;
        const starreader::ReadResult read = starreader::ReadStars(f, star, Star, kStarCount);
        StarCount = static_cast<uint16_t>(read.stored);
        std::fclose(f);
        delete star;
        star = nullptr;
        if (read.ok)
            return true;
        platform::WarningBox(this, platform::FileMessage("Unable to read from file", kStarsFile));
    }
    return LeaveStarMap(*this);
}

bool VelmoriaWnd::ReadNGCMessData()
{
    std::FILE* f = platform::OpenFile(kNgcMessFile, "rb");
    if (!f)
    {
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", kNgcMessFile));
    }
    else
    {
        NGCM = new NGCMessDB;
        const starreader::ReadResult read =
            starreader::ReadNgcMess(f, NGCM, NgcMess, kNgcMessCount);
        NgcMessCount = static_cast<uint8_t>(read.stored);
        std::fclose(f);
        delete NGCM;
        NGCM = nullptr;
        if (read.ok)
            return true;
        platform::WarningBox(this, platform::FileMessage("Unable to read from file", kNgcMessFile));
    }
    return LeaveStarMap(*this);
}

// ---- angles ----

void VelmoriaWnd::SetLatitudeFromSetup()
{
    const globe::Tilt tilt = globe::TiltFromLocation(Values.LocValues);
    lat = tilt.lat;
    latCos = tilt.latCos;
    latSin = tilt.latSin;
}

void VelmoriaWnd::SetSkyOffsets()
{
    ust = globe::MeridianOffset(globe::EastLongitude(Values.LocValues));
    ustSol[0] = globe::kSunOffset;
    ustSol[1] = globe::kMoonOffset;
}

void VelmoriaWnd::SetSkyFromLocation()
{
    SetLatitudeFromSetup();
    SetSkyOffsets();
    UpdateStarAngles(ClockInstant(CurDate, CurTime));
}

int64_t VelmoriaWnd::SkyUt(uint64_t S, std::optional<int32_t> utcOffset) const
{
    if (Values.LocValues.GMT)
        return skytime::UtFromLocal(S, 0);
    // Asked at every instant: a clock stepped across a change of daylight saving, or across
    // years, must take the offset of the date it shows.
    return skytime::UtFromLocal(S, utcOffset ? *utcOffset : platform::UtcOffsetAtLocal(S));
}

void VelmoriaWnd::UpdateStarAngles(uint64_t S, std::optional<int32_t> utcOffset)
{
    const int64_t ut = SkyUt(S, utcOffset);
    t = globe::StarRotation(ut, ust);
    tSol[0] = globe::RotationAngle(ut, globe::kSunRate, ustSol[0]);
    tSol[1] = globe::RotationAngle(ut, globe::kMoonRate, ustSol[1]);
}

void VelmoriaWnd::RebaseStarAngles()
{
    // The angles are those of the clock's instant and the observer's place alone, so the frame
    // on screen is already the sky of the instant it was drawn for, and the reversed clock's
    // next instant continues from it by one step. Nothing is carried across the reversal: the
    // offsets stay those of the place, whatever the clock did before.
    SetSkyOffsets();
}

// ---- stars ----

void VelmoriaWnd::DrawStarMark(const Stars& s)
{
    if (!(s.Magnitude <= Values.SMValues.SelectMagn) || !Stardc)
        return;
    const globe::StarMark mark = globe::StarMarkFor(s.Magnitude);
    canvas.BitBlt(globe::DrawCoord(s.X) + mark.dx, globe::DrawCoord(s.Y), mark.width, 1, *Stardc, 0,
                  0, platform::Rop::SrcCopy);
}

void VelmoriaWnd::DrawGlob()
{
    const globe::View view = ViewOf(*this);
    const bool transparent = Values.SMValues.Check[4] != 0;
    for (int i = 0; i < StarCount; ++i)
    {
        Stars& s = Star[i];
        if (s.Flag)
            canvas.PatBlt(globe::DrawCoord(s.X) - 1, globe::DrawCoord(s.Y), 4, 1,
                          platform::Rop::Blackness);
        const double H = t + s.RA;
        const double sinDec = std::sin(static_cast<double>(s.Dec));
        const globe::ScreenPoint p = globe::Project(view, H, std::cos(s.Dec), sinDec);
        s.X = globe::StoreCoord(p.x);
        s.Y = globe::StoreCoord(p.y);
        // Flag records which side of the sphere the star is on, not whether a mark was drawn:
        // lines, the hit test and the search use it for faint stars too.
        s.Flag = transparent || globe::IsVisible(view, sinDec, H, p.y);
        if (s.Flag)
            DrawStarMark(s);
    }
}

// ---- grid ----

void VelmoriaWnd::DrawGrid()
{
    auto draw = [this](const globe::GridAngles& angles, bool erase)
    {
        for (const globe::GridLine& line : globe::ComputeGrid(angles))
        {
            canvas.SetPen(erase ? kBlack : line.color);
            bool penDown = false;
            for (int j = 0; j < line.count; ++j)
            {
                const globe::GridPoint& pt = line.points[j];
                const int x = globe::DrawCoord(pt.x);
                const int y = globe::DrawCoord(pt.y);
                // A segment is drawn when its far end is visible: from a hidden point to a
                // visible one, but never from a visible point to a hidden one.
                if (pt.visible && penDown)
                    canvas.LineTo(x, y);
                else
                {
                    canvas.MoveTo(x, y);
                    penDown = penDown || pt.visible;
                }
            }
        }
    };
    const globe::Tilt old = globe::MakeTilt(latOld);
    if (FlagLat)
        draw(globe::GridAngles{XCenter, YCenter, rOld, latOld, old.latCos, old.latSin, tOld}, true);
    FlagLat = true;
    latOld = lat;
    rOld = r;
    tOld = t;
    draw(globe::GridAngles{XCenter, YCenter, r, lat, latCos, latSin, t}, false);
}

// ---- constellations ----

void VelmoriaWnd::DrawConst()
{
    const std::vector<constblocks::Link> links = constblocks::FindLinks(Star, StarCount);
    canvas.SetPen(kBlack);
    for (const constblocks::Link& link : links)
    {
        const Stars& a = Star[link.from];
        const Stars& b = Star[link.to];
        if (a.FConst && b.FConst)
            DrawLine(canvas, a.XConst, a.YConst, b.XConst, b.YConst);
    }
    canvas.SetPen(kConstGreen);
    for (const constblocks::Link& link : links)
    {
        const Stars& a = Star[link.from];
        const Stars& b = Star[link.to];
        if (a.Flag && b.Flag)
            DrawLine(canvas, a.X, a.Y, b.X, b.Y);
    }
    for (int i = 0; i < StarCount; ++i)
    {
        Stars& s = Star[i];
        if (s.Flag)
        {
            DrawStarMark(s);
            s.FConst = true;
            s.XConst = s.X;
            s.YConst = s.Y;
        }
        else
            s.FConst = false;
    }
}

void VelmoriaWnd::CmConstelIndex()
{
    if (Subject != 3)
        return;
    platform::WinHelp(this, "Velmoria.hlp", platform::HELP_CONTEXT, 9016);
    InvalidateErase();
}

// ---- Sun, Moon and deep-sky objects ----

void VelmoriaWnd::DrawSolObj()
{
    const globe::View view = ViewOf(*this);
    const bool transparent = Values.SMValues.Check[4] != 0;
    Dec[0] = globe::SolDeclination(tSol[0], globe::kSunInclination);
    Dec[1] = globe::SolDeclination(tSol[1], globe::kMoonInclination);
    for (int k = 0; k < 2; ++k)
    {
        if (FlagSol[k])
            canvas.PatBlt(globe::DrawCoord(XSol[k]) - 2, globe::DrawCoord(YSol[k]) - 2, 5, 5,
                          platform::Rop::Blackness);
        // The body's right ascension is -tSol.
        const double H = t - tSol[k];
        const double sinDec = std::sin(Dec[k]);
        const globe::ScreenPoint p = globe::Project(view, H, std::cos(Dec[k]), sinDec);
        XSol[k] = globe::StoreCoord(p.x);
        YSol[k] = globe::StoreCoord(p.y);
        FlagSol[k] = transparent || globe::IsVisible(view, sinDec, H, p.y);
        if (FlagSol[k] && Soldc[k])
            canvas.BitBlt(globe::DrawCoord(XSol[k]) - 2, globe::DrawCoord(YSol[k]) - 2, 5, 5,
                          *Soldc[k], 0, 0, platform::Rop::SrcCopy);
    }
}

void VelmoriaWnd::DrawNGCMess()
{
    const globe::View view = ViewOf(*this);
    const bool transparent = Values.SMValues.Check[4] != 0;
    for (int i = 0; i < NgcMessCount; ++i)
    {
        NgcMessObj& o = NgcMess[i];
        // A fainter object is not touched at all: it keeps its last mark, position and Flag.
        if (o.Magnitude > Values.SMValues.SelectMagn)
            continue;
        if (o.Flag)
            canvas.PatBlt(globe::DrawCoord(o.X) - 2, globe::DrawCoord(o.Y) - 2, 5, 4,
                          platform::Rop::Blackness);
        const double H = t + o.RA;
        const double sinDec = std::sin(static_cast<double>(o.Dec));
        const globe::ScreenPoint p = globe::Project(view, H, std::cos(o.Dec), sinDec);
        o.X = globe::StoreCoord(p.x);
        o.Y = globe::StoreCoord(p.y);
        o.Flag = transparent || globe::IsVisible(view, sinDec, H, p.y);
        if (o.Flag && NgcMessdc)
            canvas.BitBlt(globe::DrawCoord(o.X) - 2, globe::DrawCoord(o.Y) - 2, 5, 4, *NgcMessdc, 0,
                          0, platform::Rop::SrcCopy);
    }
}

// ---- frame and commands ----

void VelmoriaWnd::ShowStarMap()
{
    const auto& check = Values.SMValues.Check;
    if (check[1])
        DrawGrid();
    DrawGlob();
    if (check[0])
        DrawConst();
    if (check[2])
        DrawNGCMess();
    if (check[3])
        DrawSolObj();
}

void VelmoriaWnd::ChangeSystem(int id)
{
    if (Subject != 3)
        return;
    hmenu = GetMenu();
    if (id == 502)
    {
        GlobeSystem = false;
        CheckMenuItem(hmenu, 501, false);
        CheckMenuItem(hmenu, 502, true);
        ShowScrollBar(true);
        CmNormal();
        if (sbCoord)
            sbCoord->SetText("Review Globe");
    }
    else
    {
        GlobeSystem = true;
        CheckMenuItem(hmenu, 502, false);
        CheckMenuItem(hmenu, 501, true);
        ShowScrollBar(false);
        CmNormal();
        if (sbCoord)
            sbCoord->SetText("Really Sky Globe");
    }
    InvalidateErase();
    // The window is clean: the next frame must erase nothing, and it comes now.
    ClearGlobeFlags();
    ShowRealTimeFrame();
}

void VelmoriaWnd::CmStZoomIn()
{
    if (Subject != 3)
        return;
    if (static_cast<int>(YCenter * 0.5f + 1200) > r)
        r += 20;
    ShowZoomedStarMap();
}

void VelmoriaWnd::CmStZoomOut()
{
    if (Subject != 3)
        return;
    // In a very small window the radius can be below one step: stop at 0 rather than wrap
    // to a radius of 65000 pixels.
    if (static_cast<int>(YCenter) / 6 < r)
        r = r > 20 ? static_cast<uint16_t>(r - 20) : 0;
    ShowZoomedStarMap();
}

void VelmoriaWnd::ShowZoomedStarMap()
{
    // Erasing the marks of the old radius cuts holes into the grid and the lines that stay;
    // a running globe mends them with its next frames, a stopped one is drawn whole on black.
    if (StPlaying)
    {
        ShowStarMap();
        return;
    }
    BlackOut();
    ClearGlobeFlags();
    ShowStarMap();
}

void VelmoriaWnd::CmStTimeFwd()
{
    if (Subject == 3)
        SetTimeDirection(true);
}

void VelmoriaWnd::CmStTimeBack()
{
    if (Subject == 3)
        SetTimeDirection(false);
}

void VelmoriaWnd::CmStGo()
{
    if (Subject == 3)
        StartAnimation(StPlaying);
}

void VelmoriaWnd::CmStStop()
{
    if (Subject == 3)
        StopAnimation(StPlaying);
}

void VelmoriaWnd::CreateStarMapSprites()
{
    DeleteStarMapSprites();
    Stardc = LoadSprite("Star");
    Soldc[0] = LoadSprite("Sun");
    Soldc[1] = LoadSprite("Moon");
    NgcMessdc = LoadSprite("NGCMess");
}

void VelmoriaWnd::DeleteStarMapSprites()
{
    delete Stardc;
    Stardc = nullptr;
    delete Soldc[0];
    Soldc[0] = nullptr;
    delete Soldc[1];
    Soldc[1] = nullptr;
    delete NgcMessdc;
    NgcMessdc = nullptr;
}
