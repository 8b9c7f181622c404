// The Solar System view of the main window: reading the elements, the bodies' angles from the
// clock, the drawing passes, the view's commands and its options.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "platform/Bitmaps.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "solar/Orbit.h"
#include "solar/SSSetupDlg.h"
#include "solar/SolarReader.h"
#include "starmap/SmallCard.h"

#include <cmath>
#include <cstdio>

namespace
{
using platform::Canvas;
using platform::Rop;
using solar::BodyRole;

constexpr platform::Rgb kOrbitGrey = platform::RGB(75, 75, 75);
constexpr int kSunFlag = 0;
constexpr int kCometFlag = 10;
constexpr int kOrbitsFlag = 11;
constexpr int kTrailsFlag = 12;

// Names of the bodies at the centre, by centre command 601..612.
const char* const CenterName[] = {"Sun",    "Mercury", "Venus",   "Earth", "Mars",    "Jupiter",
                                  "Saturn", "Uranus",  "Neptune", "Pluto", "Halleys", "Encke"};

// A floating pixel truncated toward zero; a value no window can show gives a place far
// outside.
int TruncPixel(double v)
{
    if (!(std::fabs(v) < 1e9))
        return -1000000;
    return static_cast<int>(v);
}

// Blacks out the rectangle of `sprite`'s size centred on (x, y), halves by integer division.
void EraseSprite(Canvas& canvas, int x, int y, const Canvas* sprite)
{
    if (!sprite)
        return;
    canvas.PatBlt(x - sprite->Width() / 2, y - sprite->Height() / 2, sprite->Width(),
                  sprite->Height(), Rop::Blackness);
}

// Draws `sprite` centred on (x, y): through its mask (AND the mask, then OR the sprite) or, with
// no mask, as a plain copy.
void DrawSprite(Canvas& canvas, int x, int y, const Canvas* sprite, const Canvas* mask)
{
    if (!sprite)
        return;
    const int left = x - sprite->Width() / 2;
    const int top = y - sprite->Height() / 2;
    if (mask)
    {
        canvas.BitBlt(left, top, sprite->Width(), sprite->Height(), *mask, 0, 0, Rop::SrcAnd);
        canvas.BitBlt(left, top, sprite->Width(), sprite->Height(), *sprite, 0, 0, Rop::SrcPaint);
    }
    else
        canvas.BitBlt(left, top, sprite->Width(), sprite->Height(), *sprite, 0, 0, Rop::SrcCopy);
}

// The Sun centred on the floating (xs, ys): the subtraction of the half size is done before
// truncating.
void DrawSun(VelmoriaWnd& w, bool masked)
{
    if (!w.bmSol || !w.Solardc)
        return;
    const int left = TruncPixel(w.XSun - w.bmSol->Width() / 2);
    const int top = TruncPixel(w.YSun - w.bmSol->Height() / 2);
    const int cx = w.bmSol->Width(), cy = w.bmSol->Height();
    if (masked && w.MSolardc)
    {
        w.canvas.BitBlt(left, top, cx, cy, *w.MSolardc, 0, 0, Rop::SrcAnd);
        w.canvas.BitBlt(left, top, cx, cy, *w.Solardc, 0, 0, Rop::SrcPaint);
    }
    else
        w.canvas.BitBlt(left, top, cx, cy, *w.Solardc, 0, 0, Rop::SrcCopy);
}

// One body of a drawing pass: its previous sprite erased unless trails are kept, then, if the
// options show it, its new point from the origin (XSun, YSun) and its sprite there.
void StepBody(VelmoriaWnd& w, int k)
{
    SolObjects& body = w.SolObj[k];
    const BodyRole role = solar::RoleOf(body, k);
    if (role == BodyRole::None)
        return;
    const bool planet = role == BodyRole::Planet;
    const Canvas* size = planet ? w.bmPl[k] : w.bmCom;
    const auto& flags = w.Values.SSValues;
    if (!flags[kTrailsFlag])
        EraseSprite(w.canvas, body.X, body.Y, size);
    if (!(planet ? flags[k + 1] : flags[kCometFlag]))
        return;
    double x = 0, y = 0;
    solar::BodyPoint(body, body.tAng, w.Scale, w.XSun, w.YSun, x, y);
    body.X = solar::ScreenCoord(x);
    body.Y = solar::ScreenCoord(y);
    if (planet)
        DrawSprite(w.canvas, body.X, body.Y, w.PlBitmap[k], w.MPlanetdc[k]);
    else
        DrawSprite(w.canvas, body.X, body.Y, w.Cometdc, w.MCometdc);
}
} // namespace

// ---- the elements file ----

bool VelmoriaWnd::ReadSolData()
{
    solobj = new SolarObjects{};
    const solar::SolarReadResult result = solar::ReadSolarFile(solar::kSolarFile, SolObj, *solobj);
    delete solobj;
    solobj = nullptr;
    switch (result)
    {
    case solar::SolarReadResult::Ok:
        return true;
    case solar::SolarReadResult::OpenFailed:
        platform::ErrorBox(this, platform::FileMessage("Unable to open file", solar::kSolarFile));
        platform::ErrorBox(this, "Unable to show Solar System");
        SetBckGndPicture();
        DestroySolarSystem(false);
        RestoreMain();
        return false;
    case solar::SolarReadResult::ReadFailed:
        platform::WarningBox(this,
                             platform::FileMessage("Unable to read from file", solar::kSolarFile));
        platform::ErrorBox(this, "Unable to show Solar System");
        DestroySolarSystem(false);
        SetBckGndPicture();
        RestoreMain();
        return false;
    }
    return false;
}

// ---- angles ----

void VelmoriaWnd::UpdateSolAngles(uint64_t T)
{
    for (SolObjects& body : SolObj)
        body.tAng = solar::BodyPhase(body.Period, T) + body.ust;
}

void VelmoriaWnd::RebaseSolAngles(uint64_t T)
{
    for (SolObjects& body : SolObj)
        body.ust = body.tAng - solar::BodyPhase(body.Period, T);
}

// ---- drawing ----

void VelmoriaWnd::ShowSolSyst()
{
    if (SystemCenter != 0)
        DrawObj2(SystemCenter - 1);
    else
    {
        if (Values.SSValues[kOrbitsFlag])
            DrawOrbits();
        DrawObj();
    }
}

void VelmoriaWnd::DrawObj()
{
    XSun = XCenter;
    YSun = YCenter;
    if (Values.SSValues[kSunFlag])
        DrawSun(*this, false);
    for (int k = 0; k < kSolarSlots; ++k)
        StepBody(*this, k);
}

void VelmoriaWnd::DrawObj2(int c)
{
    if (c < 0 || c >= kSolarSlots)
        return;
    if (!Values.SSValues[kTrailsFlag] && bmSol)
        canvas.PatBlt(TruncPixel(XSun - bmSol->Width() / 2), TruncPixel(YSun - bmSol->Height() / 2),
                      bmSol->Width(), bmSol->Height(), Rop::Blackness);
    double x = 0, y = 0;
    solar::BodyPoint(SolObj[c], SolObj[c].tAng, Scale, XCenter, YCenter, x, y);
    XSun = solar::ToSingle(x);
    YSun = solar::ToSingle(y);
    if (Values.SSValues[kSunFlag])
        DrawSun(*this, true);
    for (int k = 0; k < kSolarSlots; ++k)
        if (k != c)
            StepBody(*this, k);
    SolObjects& centre = SolObj[c];
    centre.X = static_cast<uint16_t>(static_cast<int>(XCenter));
    centre.Y = static_cast<uint16_t>(static_cast<int>(YCenter));
    switch (solar::RoleOf(centre, c))
    {
    case BodyRole::Planet:
        DrawSprite(canvas, centre.X, centre.Y, PlBitmap[c], nullptr);
        break;
    case BodyRole::Comet:
        DrawSprite(canvas, centre.X, centre.Y, Cometdc, nullptr);
        break;
    case BodyRole::None:
        break;
    }
}

void VelmoriaWnd::DrawOrbits()
{
    canvas.SetPen(kOrbitGrey);
    uint16_t xs[solar::kOutlinePoints], ys[solar::kOutlinePoints];
    for (int k = 0; k < kSolarSlots; ++k)
    {
        const SolObjects& body = SolObj[k];
        const BodyRole role = solar::RoleOf(body, k);
        const bool shown = (role == BodyRole::Planet && Values.SSValues[k + 1]) ||
                           (role == BodyRole::Comet && Values.SSValues[kCometFlag]);
        if (!shown)
            continue;
        solar::OrbitOutline(body, Scale, XCenter, YCenter, xs, ys);
        // Points past the left or top edge are stored modulo 65536; read back as negative
        // they keep the outline the ellipse it is instead of a line across the window.
        canvas.MoveTo(solar::SignedCoord(xs[0]), solar::SignedCoord(ys[0]));
        for (int n = 1; n < solar::kOutlinePoints; ++n)
            canvas.LineTo(solar::SignedCoord(xs[n]), solar::SignedCoord(ys[n]));
    }
}

// ---- sprites ----

void VelmoriaWnd::CreateSolarSprites()
{
    DeleteSolarSprites();
    Solardc = new platform::MemoryDC(platform::LoadBitmapResource(1001));
    Cometdc = new platform::MemoryDC(platform::LoadBitmapResource(1011));
    MSolardc = new platform::MemoryDC(platform::LoadBitmapResource(1101));
    MCometdc = new platform::MemoryDC(platform::LoadBitmapResource(1111));
    bmSol = new platform::Bitmap(platform::LoadBitmapResource(1001));
    bmCom = new platform::Bitmap(platform::LoadBitmapResource(1011));
    for (int i = 0; i < 9; ++i)
    {
        PlanetDib[i] = new platform::Dib(platform::LoadBitmapResource(1002 + i));
        MPlanetdc[i] = new platform::MemoryDC(platform::LoadBitmapResource(1102 + i));
        bmPl[i] = new platform::Bitmap(platform::LoadBitmapResource(1002 + i));
    }
    Palette = new platform::Palette(*PlanetDib[0]);
    for (int i = 0; i < 9; ++i)
        PlBitmap[i] = new platform::Bitmap(*PlanetDib[i], Palette);
}

void VelmoriaWnd::DeleteSolarSprites()
{
    auto drop = [](auto*& p)
    {
        delete p;
        p = nullptr;
    };
    drop(Solardc);
    drop(Cometdc);
    drop(MSolardc);
    drop(MCometdc);
    for (int i = 0; i < 9; ++i)
    {
        drop(PlanetDib[i]);
        drop(MPlanetdc[i]);
        drop(bmPl[i]);
        drop(PlBitmap[i]);
    }
    drop(bmSol);
    drop(bmCom);
    drop(Palette);
}

// ---- commands ----

void VelmoriaWnd::CmZoomIn()
{
    if (Subject != 2)
        return;
    Scale = solar::ZoomInScale(Scale);
    BlackOut();
    ShowSolSyst();
}

void VelmoriaWnd::CmZoomOut()
{
    if (Subject != 2)
        return;
    Scale = solar::ZoomOutScale(Scale);
    BlackOut();
    ShowSolSyst();
}

void VelmoriaWnd::ChangeCenter(int id)
{
    if (Subject != 2 || id < 601 || id > 612)
        return;
    SystemCenter = static_cast<uint8_t>(id - 601);
    ShowSystemCenter();
    BlackOut();
    if (!Playing)
        ShowSolSyst();
}

void VelmoriaWnd::ShowSystemCenter()
{
    const int centre = SystemCenter < 12 ? SystemCenter : 0;
    hmenu = GetMenu();
    for (int item = 601; item <= 612; ++item)
        CheckMenuItem(hmenu, item, item == 601 + centre);
    char text[32];
    std::snprintf(text, sizeof text, "Center : %s", CenterName[centre]);
    if (sbCoord)
        sbCoord->SetText(text);
}

void VelmoriaWnd::CmTimeForward()
{
    if (Subject == 2)
        SetTimeDirection(true);
}

void VelmoriaWnd::CmTimeBack()
{
    if (Subject == 2)
        SetTimeDirection(false);
}

void VelmoriaWnd::CmGo()
{
    if (Subject == 2)
        StartAnimation(Playing);
}

void VelmoriaWnd::CmStop()
{
    if (Subject == 2)
        StopAnimation(Playing);
}

void VelmoriaWnd::SmSolObjCard(QPoint point, int k)
{
    if (k < 0 || k >= kSolarSlots)
        return;
    const SolObjects& body = SolObj[k];
    const BodyRole role = solar::RoleOf(body, k);
    // A slot with no body (or a planet record where no planet sprite exists) has no card.
    if (role == BodyRole::None)
        return;
    MarkObject(canvas, point);
    Present();
    const float dist = solar::SunDistance(body);
    if (role == BodyRole::Planet)
    {
        PlanetSmDlg card(this, &point, body.Name, dist);
        card.Execute();
    }
    else
    {
        CometSmDlg card(this, &point, body.Name, dist);
        card.Execute();
    }
}

void VelmoriaWnd::CmSSSetup()
{
    if (Subject != 2)
        return;
    SetHint("Changing options for Solar System");
    const bool wasPlaying = Playing;
    CmStop();
    SSSetupDlg dlg(this, Values.SSValues, SystemCenter == 0);
    dlg.Execute();
    BlackOut();
    if (wasPlaying)
        CmGo();
    else
        ShowSolSyst();
    SetHint("Viewing Solar System model");
}
