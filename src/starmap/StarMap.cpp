// The Star Map view: catalogues, rotation, the globe's layers (grid, stars, constellation
// lines, deep-sky objects, Sun and Moon) and the view's commands. The planets and the names
// are drawn in StarMapSky.cpp. The geometry lives in Globe,
// ConstBlocks and StarReader; this file draws on the window's canvas.
#include "starmap/StarMap.h"
#include "resources/CommandIds.h"
#include "platform/Files.h"
#include "platform/Help.h"
#include "platform/MessageBox.h"
#include "starmap/ConstBlocks.h"
#include "starmap/Globe.h"
#include "starmap/StarReader.h"
#include "time/LocalZone.h"
#include "time/SimClock.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr platform::Rgb kBlack = 0;
constexpr platform::Rgb kConstGreen = platform::RGB(0, 128, 0);

globe::View ViewOf(const StarMap& w)
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

std::unique_ptr<platform::MemoryDC> LoadSprite(const char* name)
{
    const QImage image = platform::LoadBitmapResource(name);
    return image.isNull() ? nullptr : std::make_unique<platform::MemoryDC>(image);
}
} // namespace

StarMap::StarMap(model::ViewHost& h, Setup& values, SimClock& c)
    : host(h), canvas(h.Canvas()), Values(values), clock(c)
{
}

StarMap::~StarMap() = default;

// A catalogue that cannot be read keeps the Star Map from opening: the view is torn down and
// the main screen comes back. Always false, the readers' result.
bool StarMap::LeaveStarMap()
{
    platform::ErrorBox(host.Window(), "Unable to show Star Map");
    host.LeaveView();
    return false;
}

// ---- catalogues ----

bool StarMap::ReadStarData()
{
    std::FILE* f = platform::OpenFile(kStarsFile, "rb");
    if (!f)
    {
        platform::ErrorBox(host.Window(), platform::FileMessage("Unable to open file", kStarsFile));
    }
    else
    {
        StarDB record{};
        const starreader::ReadResult read = starreader::ReadStars(f, &record, Star, kStarCount);
        StarCount = static_cast<uint16_t>(read.stored);
        if (read.ok)
            ReadStarNames(f);
        std::fclose(f);
        if (read.ok)
            return true;
        platform::WarningBox(host.Window(), platform::FileMessage("Unable to read from file", kStarsFile));
    }
    return LeaveStarMap();
}

bool StarMap::ReadNGCMessData()
{
    std::FILE* f = platform::OpenFile(kNgcMessFile, "rb");
    if (!f)
    {
        platform::ErrorBox(host.Window(), platform::FileMessage("Unable to open file", kNgcMessFile));
    }
    else
    {
        NGCMessDB record{};
        const starreader::ReadResult read =
            starreader::ReadNgcMess(f, &record, NgcMess, kNgcMessCount);
        NgcMessCount = static_cast<uint8_t>(read.stored);
        std::fclose(f);
        if (read.ok)
            return true;
        platform::WarningBox(host.Window(), platform::FileMessage("Unable to read from file", kNgcMessFile));
    }
    return LeaveStarMap();
}

void StarMap::Open()
{
    GlobeSystem = true;
    Search = false;
    NoMore = false;
    SetCentreFromClient();
    r = static_cast<uint16_t>(static_cast<int>(YCenter) / 2);
    SetLatitudeFromSetup();
    SetSkyOffsets();
    ClearGlobeFlags();
    FlagLat = false;
    CreateStarMapSprites();
    ReadPlanetData();
}

void StarMap::Close()
{
    CmStStop();
    host.SetCursorResource(0);
    DeleteStarMapSprites();
    // After the sprites: the resize this makes does not draw a globe that is going away.
    host.ShowScrollBar(false);
}

// ---- angles ----

void StarMap::SetLatitudeFromSetup()
{
    const globe::Tilt tilt = globe::TiltFromLocation(Values.LocValues);
    lat = tilt.lat;
    latCos = tilt.latCos;
    latSin = tilt.latSin;
}

void StarMap::SetSkyOffsets()
{
    ust = globe::MeridianOffset(globe::EastLongitude(Values.LocValues));
    ustSol[0] = globe::kSunOffset;
    ustSol[1] = globe::kMoonOffset;
}

void StarMap::SetSkyFromLocation(uint64_t S)
{
    SetLatitudeFromSetup();
    SetSkyOffsets();
    UpdateStarAngles(S);
}

int64_t StarMap::SkyUt(uint64_t S, std::optional<int32_t> utcOffset) const
{
    if (Values.LocValues.GMT)
        return skytime::UtFromLocal(S, 0);
    // Asked at every instant: a clock stepped across a change of daylight saving, or across
    // years, must take the offset of the date it shows.
    return skytime::UtFromLocal(S, utcOffset ? *utcOffset : skytime::ComputerUtcOffsetAtLocal(S));
}

void StarMap::UpdateStarAngles(uint64_t S, std::optional<int32_t> utcOffset)
{
    const int64_t ut = SkyUt(S, utcOffset);
    t = globe::StarRotation(ut, ust);
    UpdateSkyBodies(ut);
}

void StarMap::RebaseStarAngles()
{
    // The angles are those of the clock's instant and the observer's place alone, so the frame
    // on screen is already the sky of the instant it was drawn for, and the reversed clock's
    // next instant continues from it by one step. Nothing is carried across the reversal: the
    // offsets stay those of the place, whatever the clock did before.
    SetSkyOffsets();
}

// ---- stars ----

void StarMap::DrawStarMark(const Stars& s)
{
    if (!(s.Magnitude <= Values.SMValues.SelectMagn) || !Stardc)
        return;
    const globe::StarMark mark = globe::StarMarkFor(s.Magnitude);
    canvas.BitBlt(globe::DrawCoord(s.X) + mark.dx, globe::DrawCoord(s.Y), mark.width, 1, *Stardc, 0,
                  0, platform::Rop::SrcCopy);
}

void StarMap::DrawGlob()
{
    const globe::View view = ViewOf(*this);
    const bool transparent = Values.SMValues.Check[4] != 0;
    for (int i = 0; i < StarCount; ++i)
    {
        Stars& s = Star[i];
        if (s.Flag)
            canvas.PatBlt(globe::DrawCoord(s.X) - 1, globe::DrawCoord(s.Y), 4, 1,
                          platform::Rop::Blackness);
        const globe::GlobePlace p = globe::PlaceOnGlobe(view, t + s.RA, s.Dec, transparent);
        s.X = p.x;
        s.Y = p.y;
        // Flag records which side of the sphere the star is on, not whether a mark was drawn:
        // lines, the hit test and the search use it for faint stars too.
        s.Flag = p.visible;
        if (s.Flag)
            DrawStarMark(s);
    }
}

// ---- grid ----

void StarMap::DrawGrid()
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

void StarMap::DrawConst()
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

void StarMap::CmConstelIndex()
{
    platform::ShowHelpTopic(host.Window(), 9016);
    host.InvalidateErase();
}

// ---- Sun, Moon and deep-sky objects ----

void StarMap::EraseBodyMarks()
{
    constexpr int kHalf[2] = {2, skybodies::kMoonDiscSize / 2};
    for (int k = 0; k < 2; ++k)
        if (FlagSol[k])
        {
            canvas.PatBlt(globe::DrawCoord(XSol[k]) - kHalf[k],
                          globe::DrawCoord(YSol[k]) - kHalf[k], 2 * kHalf[k] + 1, 2 * kHalf[k] + 1,
                          platform::Rop::Blackness);
            FlagSol[k] = false;
        }
    for (SkyPlanet& p : Planet)
        if (p.Drawn)
        {
            canvas.PatBlt(globe::DrawCoord(p.X) - 1, globe::DrawCoord(p.Y) - 1, 4, 4,
                          platform::Rop::Blackness);
            p.Drawn = p.Flag = false;
        }
}

void StarMap::DrawSolObj()
{
    const globe::View view = ViewOf(*this);
    const bool transparent = Values.SMValues.Check[4] != 0;
    // The marks' half sizes: the Sun's 5 x 5 sprite, the Moon's 9 x 9 phase disc.
    constexpr int kHalf[2] = {2, skybodies::kMoonDiscSize / 2};
    for (int k = 0; k < 2; ++k)
    {
        const int size = 2 * kHalf[k] + 1;
        if (FlagSol[k])
            canvas.PatBlt(globe::DrawCoord(XSol[k]) - kHalf[k],
                          globe::DrawCoord(YSol[k]) - kHalf[k], size, size,
                          platform::Rop::Blackness);
        // The body's right ascension is -tSol, as a star's H = t + RA.
        const double H = t - tSol[k];
        const globe::GlobePlace p = globe::PlaceOnGlobe(view, H, Dec[k], transparent);
        XSol[k] = p.x;
        YSol[k] = p.y;
        FlagSol[k] = p.visible;
        if (!FlagSol[k])
            continue;
        if (k == 1)
            DrawMoonDisc(H);
        else if (Soldc[k])
            canvas.BitBlt(globe::DrawCoord(XSol[k]) - 2, globe::DrawCoord(YSol[k]) - 2, 5, 5,
                          *Soldc[k], 0, 0, platform::Rop::SrcCopy);
    }
}

void StarMap::DrawNGCMess()
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
        const globe::GlobePlace p = globe::PlaceOnGlobe(view, t + o.RA, o.Dec, transparent);
        o.X = p.x;
        o.Y = p.y;
        o.Flag = p.visible;
        if (o.Flag && NgcMessdc)
            canvas.BitBlt(globe::DrawCoord(o.X) - 2, globe::DrawCoord(o.Y) - 2, 5, 4, *NgcMessdc, 0,
                          0, platform::Rop::SrcCopy);
    }
}

// ---- frame and commands ----

void StarMap::ShowStarMap()
{
    const auto& check = Values.SMValues.Check;
    // The labels and the marks of the moving bodies go first: every layer below is drawn whole
    // again over the holes they leave.
    EraseNames();
    EraseBodyMarks();
    if (check[1])
        DrawGrid();
    DrawGlob();
    if (check[0])
        DrawConst();
    if (check[2])
        DrawNGCMess();
    if (check[3])
        DrawSolObj();
    if (Values.Planets)
        DrawPlanets();
    if (Values.Names)
        DrawNames();
    DrawCompass();
}

void StarMap::SetGlobeSystem(bool realSky)
{
    GlobeSystem = realSky;
    host.CheckCommand(cmd::kRealSkyGlobe, realSky);
    host.CheckCommand(cmd::kReviewGlobe, !realSky);
    host.ShowScrollBar(!realSky);
}

void StarMap::CmStZoomIn()
{
    if (CanZoomIn())
        r += 20;
    ShowZoomedStarMap();
}

void StarMap::CmStZoomOut()
{
    // In a very small window the radius can be below one step: stop at 0 rather than wrap
    // to a radius of 65000 pixels.
    if (CanZoomOut())
        r = r > 20 ? static_cast<uint16_t>(r - 20) : 0;
    ShowZoomedStarMap();
}

void StarMap::ShowZoomedStarMap()
{
    // Erasing the marks of the old radius cuts holes into the grid and the lines that stay;
    // a running globe mends them with its next frames, a stopped one is drawn whole on black.
    if (StPlaying)
    {
        ShowStarMap();
        return;
    }
    host.BlackOut();
    ClearGlobeFlags();
    ShowStarMap();
}

bool StarMap::CanZoomIn() const
{
    return globe::CanZoomIn(r, YCenter);
}

bool StarMap::CanZoomOut() const
{
    return globe::CanZoomOut(r, YCenter);
}

void StarMap::CmStGo()
{
    if (clock.StartAnimation(StPlaying, host.Window()))
        host.SetCursorResource(0);
}

void StarMap::CmStStop()
{
    clock.StopAnimation(StPlaying);
    // The stopped globe's cursor says that a right click opens cards.
    host.SetCursorResource(103);
}

void StarMap::SetCentreFromClient()
{
    const QRect rc = host.GetClientRect();
    XCenter = (rc.left() + rc.left() + rc.width()) * 0.5f;
    YCenter = (rc.top() + rc.top() + rc.height()) * 0.5f;
}

void StarMap::FollowClient()
{
    const float before = YCenter;
    SetCentreFromClient();
    if (before > 0 && YCenter > 0)
        r = static_cast<uint16_t>(
            std::min(std::lround(r * static_cast<double>(YCenter) / before), 65535L));
}

void StarMap::ClearGlobeFlags()
{
    for (Stars& s : Star)
    {
        s.Flag = false;
        s.FConst = false;
    }
    for (NgcMessObj& o : NgcMess)
        o.Flag = false;
    FlagSol[0] = FlagSol[1] = false;
    for (SkyPlanet& p : Planet)
        p.Flag = p.Drawn = false;
    LabelRects.clear();
}

void StarMap::ResetRadius()
{
    const QRect rc = host.GetClientRect();
    r = static_cast<uint16_t>(static_cast<int>((rc.top() + rc.top() + rc.height()) * 0.25));
}

void StarMap::Normal()
{
    SetLatitudeFromSetup();
    SetSkyOffsets();
    if (!GlobeSystem)
    {
        VPos = 180;
        lat = 0;
    }
    ResetRadius();
    const globe::Tilt tilt = globe::MakeTilt(lat);
    latCos = tilt.latCos;
    latSin = tilt.latSin;
}

void StarMap::Scroll(int scrollCode, int thumbPos)
{
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
    default: break;
    }
    const globe::Tilt tilt = globe::MakeTilt(lat);
    latCos = tilt.latCos;
    latSin = tilt.latSin;
}

void StarMap::CreateStarMapSprites()
{
    Stardc = LoadSprite("Star");
    Soldc[0] = LoadSprite("Sun");
    Soldc[1] = LoadSprite("Moon");
    NgcMessdc = LoadSprite("NGCMess");
}

void StarMap::DeleteStarMapSprites()
{
    Stardc.reset();
    Soldc[0].reset();
    Soldc[1].reset();
    NgcMessdc.reset();
    LabelSprites.clear();
}

void StarMap::TurnBy(double degrees)
{
    // The turn is kept in the offsets, so that the clock's next instant keeps it; the angles of
    // the frame on screen turn with them at once. Every angle stays in (-360, 0].
    const auto reduce = [](double a)
    {
        a = std::fmod(a, 360.0);
        if (a > 0.0)
            a -= 360.0;
        return a <= -360.0 ? a + 360.0 : a;
    };
    // The Sun and the Moon stand at H = t - tSol, with tSol minus their right ascension: they
    // turn with t, as the stars do, and their own angles stay as the sky gave them.
    ust = static_cast<float>(reduce(ust + degrees));
    t = reduce(t + degrees);
}
