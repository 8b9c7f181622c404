#include "solar/SolarSystem.h"

#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "resources/CommandIds.h"
#include "solar/Orbit.h"
#include "solar/SSSetupDlg.h"
#include "solar/SolarReader.h"
#include "model/SmallCard.h"
#include "time/LocalZone.h"
#include "time/SimClock.h"
#include "time/SkyTime.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
using platform::Canvas;
using platform::Rop;
using solar::BodyRole;

constexpr platform::Rgb kOrbitGrey = platform::RGB(75, 75, 75);
constexpr platform::Rgb kNameGrey = platform::RGB(200, 200, 200);
// Pixels between a sprite's right edge and its name.
constexpr int kNameGap = 2;
constexpr int kSunFlag = 0;
constexpr int kCometFlag = 10;
constexpr int kOrbitsFlag = 11;
constexpr int kTrailsFlag = 12;

// Names of the bodies at the centre, by centre command 601..612.
const char* const CenterName[] = {"Sun",    "Mercury", "Venus",   "Earth", "Mars",   "Jupiter",
                                  "Saturn", "Uranus",  "Neptune", "Pluto", "Halley", "Encke"};

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

// The names' small font: 10 pixels, sans serif.
QFont NameFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(10);
    return font;
}

template <class T> std::unique_ptr<T> LoadSprite(int id)
{
    return std::make_unique<T>(platform::LoadBitmapResource(id));
}
} // namespace

SolarSystem::SolarSystem(model::ViewHost& h, Setup& values, SimClock& c)
    : host(h), canvas(h.Canvas()), Values(values), clock(c)
{
}

SolarSystem::~SolarSystem() = default;

// ---- the elements file ----

bool SolarSystem::ReadSolData()
{
    SolarObjects record{};
    const solar::SolarReadResult result = solar::ReadSolarFile(solar::kSolarFile, SolObj, record);
    switch (result)
    {
    case solar::SolarReadResult::Ok:
        return true;
    case solar::SolarReadResult::OpenFailed:
        platform::ErrorBox(host.Window(),
                           platform::FileMessage("Unable to open file", solar::kSolarFile));
        break;
    case solar::SolarReadResult::ReadFailed:
        platform::WarningBox(host.Window(),
                             platform::FileMessage("Unable to read from file", solar::kSolarFile));
        break;
    }
    platform::ErrorBox(host.Window(), "Unable to show Solar System");
    host.LeaveView();
    return false;
}

void SolarSystem::Open()
{
    SetCentreFromClient();
    Scale = 1.0f;
    CreateSolarSprites();
    ForgetDrawnPlaces();
}

// Nothing of the view is on the (blacked out) picture any more: no old sprite or name to erase.
void SolarSystem::ForgetDrawnPlaces()
{
    for (SolObjects& body : SolObj)
        body.X = body.Y = 0;
    for (QRect& box : NameBox)
        box = QRect();
    SunNameBox = QRect();
}

void SolarSystem::Close()
{
    CmStop();
    host.SetCursorResource(0);
    DeleteSolarSprites();
}

// ---- places ----

void SolarSystem::UpdateSolAngles(uint64_t T)
{
    // The clock shows the computer's local time; the orbits run in Universal Time.
    const int64_t ut = skytime::UtFromLocal(T, skytime::ComputerUtcOffsetAtLocal(T));
    solar::PlaceBodiesAt(SolObj, sky::JulianDateFromInstant(ut));
}

// ---- drawing ----

void SolarSystem::ShowSolSyst()
{
    // The names go first, before the orbits and sprites they may overlap are drawn again.
    EraseNames();
    if (SystemCenter != 0)
        DrawObj2(SystemCenter - 1);
    else
    {
        if (Values.SSValues[kOrbitsFlag])
            DrawOrbits();
        DrawObj();
    }
    if (Values.Names)
        DrawNames();
}

// The Sun centred on the floating (XSun, YSun): the subtraction of the half size is done before
// truncating.
void SolarSystem::DrawSun(bool masked)
{
    if (!bmSol || !Solardc)
        return;
    const int left = TruncPixel(XSun - bmSol->Width() / 2);
    const int top = TruncPixel(YSun - bmSol->Height() / 2);
    const int cx = bmSol->Width(), cy = bmSol->Height();
    if (masked && MSolardc)
    {
        canvas.BitBlt(left, top, cx, cy, *MSolardc, 0, 0, Rop::SrcAnd);
        canvas.BitBlt(left, top, cx, cy, *Solardc, 0, 0, Rop::SrcPaint);
    }
    else
        canvas.BitBlt(left, top, cx, cy, *Solardc, 0, 0, Rop::SrcCopy);
}

// One body of a drawing pass: its previous sprite erased unless trails are kept, then, if the
// options show it, its new point from the origin (XSun, YSun) and its sprite there.
void SolarSystem::StepBody(int k)
{
    SolObjects& body = SolObj[k];
    const BodyRole role = solar::RoleOf(body, k);
    if (role == BodyRole::None)
        return;
    const bool planet = role == BodyRole::Planet;
    const Canvas* size = planet ? PlBitmap[k].get() : bmCom.get();
    const auto& flags = Values.SSValues;
    if (!flags[kTrailsFlag])
        EraseSprite(canvas, body.X, body.Y, size);
    if (!(planet ? flags[k + 1] : flags[kCometFlag]))
        return;
    double x = 0, y = 0;
    solar::BodyPoint(body, Scale, XSun, YSun, x, y);
    body.X = solar::ScreenCoord(x);
    body.Y = solar::ScreenCoord(y);
    if (planet)
        DrawSprite(canvas, body.X, body.Y, PlBitmap[k].get(), MPlanetdc[k].get());
    else
        DrawSprite(canvas, body.X, body.Y, Cometdc.get(), MCometdc.get());
}

void SolarSystem::DrawObj()
{
    XSun = XCenter;
    YSun = YCenter;
    if (Values.SSValues[kSunFlag])
        DrawSun(false);
    for (int k = 0; k < kSolarSlots; ++k)
        StepBody(k);
}

void SolarSystem::DrawObj2(int c)
{
    if (c < 0 || c >= kSolarSlots)
        return;
    if (!Values.SSValues[kTrailsFlag] && bmSol)
        canvas.PatBlt(TruncPixel(XSun - bmSol->Width() / 2), TruncPixel(YSun - bmSol->Height() / 2),
                      bmSol->Width(), bmSol->Height(), Rop::Blackness);
    // Seen from the centre body the Sun stands opposite the body's heliocentric direction.
    const sky::Vec3& p = SolObj[c].Place.Position;
    double x = 0, y = 0;
    solar::ScreenPoint({-p.x, -p.y, -p.z}, Scale, XCenter, YCenter, x, y);
    XSun = solar::ToSingle(x);
    YSun = solar::ToSingle(y);
    if (Values.SSValues[kSunFlag])
        DrawSun(true);
    for (int k = 0; k < kSolarSlots; ++k)
        if (k != c)
            StepBody(k);
    SolObjects& centre = SolObj[c];
    centre.X = static_cast<uint16_t>(static_cast<int>(XCenter));
    centre.Y = static_cast<uint16_t>(static_cast<int>(YCenter));
    switch (solar::RoleOf(centre, c))
    {
    case BodyRole::Planet:
        DrawSprite(canvas, centre.X, centre.Y, PlBitmap[c].get(), nullptr);
        break;
    case BodyRole::Comet:
        DrawSprite(canvas, centre.X, centre.Y, Cometdc.get(), nullptr);
        break;
    case BodyRole::None:
        break;
    }
}

void SolarSystem::DrawOrbits()
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
        OutlineCache& outline = Outlines[k];
        if (!outline.Known ||
            std::memcmp(&outline.Elements, &body.Elements, sizeof body.Elements) != 0)
        {
            outline.Elements = body.Elements;
            solar::OrbitOutlinePoints(body.Elements, outline.Points);
            outline.Known = true;
        }
        solar::OutlineOnScreen(outline.Points, Scale, XCenter, YCenter, xs, ys);
        // Points past the left or top edge are stored modulo 65536; read back as negative
        // they keep the outline the ellipse it is instead of a line across the window.
        canvas.MoveTo(solar::SignedCoord(xs[0]), solar::SignedCoord(ys[0]));
        for (int n = 1; n < solar::kOutlinePoints; ++n)
            canvas.LineTo(solar::SignedCoord(xs[n]), solar::SignedCoord(ys[n]));
    }
}

// ---- names ----

void SolarSystem::EraseNames()
{
    const auto erase = [this](QRect& box)
    {
        if (!box.isNull())
            canvas.PatBlt(box.left(), box.top(), box.width(), box.height(), Rop::Blackness);
        box = QRect();
    };
    for (QRect& box : NameBox)
        erase(box);
    erase(SunNameBox);
}

// Each name beside the body drawn in this pass, right of its sprite and centred on its row.
void SolarSystem::DrawNames()
{
    const QFont font = NameFont();
    const QFontMetrics metrics(font);
    canvas.SetFont(font);
    canvas.SetTextColor(kNameGrey);
    canvas.SetBkOpaque(false);
    canvas.SetTextAlign(platform::TA_LEFT | platform::TA_TOP);
    const auto draw = [&](int x, int y, int halfWidth, const char* name)
    {
        const QString text = QString::fromLatin1(name);
        const int left = x + halfWidth + kNameGap;
        const int top = y - metrics.height() / 2;
        canvas.TextOut(left, top, text);
        // A pixel more on either side: antialiased glyphs may reach past their advance.
        return QRect(left - 1, top, metrics.horizontalAdvance(text) + 2, metrics.height());
    };
    const auto& flags = Values.SSValues;
    if (flags[kSunFlag] && bmSol)
        SunNameBox = draw(TruncPixel(XSun), TruncPixel(YSun), bmSol->Width() / 2, "Sun");
    const int centre = SystemCenter != 0 ? SystemCenter - 1 : -1;
    for (int k = 0; k < kSolarSlots; ++k)
    {
        const SolObjects& body = SolObj[k];
        const BodyRole role = solar::RoleOf(body, k);
        if (role == BodyRole::None)
            continue;
        const bool planet = role == BodyRole::Planet;
        if (k != centre && !(planet ? flags[k + 1] : flags[kCometFlag]))
            continue;
        const Canvas* sprite = planet ? PlBitmap[k].get() : bmCom.get();
        if (!sprite)
            continue;
        NameBox[k] = draw(solar::SignedCoord(body.X), solar::SignedCoord(body.Y),
                          sprite->Width() / 2, body.Name);
    }
}

// ---- sprites ----

void SolarSystem::CreateSolarSprites()
{
    Solardc = LoadSprite<platform::MemoryDC>(1001);
    Cometdc = LoadSprite<platform::MemoryDC>(1011);
    MSolardc = LoadSprite<platform::MemoryDC>(1101);
    MCometdc = LoadSprite<platform::MemoryDC>(1111);
    bmSol = LoadSprite<platform::Bitmap>(1001);
    bmCom = LoadSprite<platform::Bitmap>(1011);
    for (int i = 0; i < 9; ++i)
    {
        PlBitmap[i] = LoadSprite<platform::Bitmap>(1002 + i);
        MPlanetdc[i] = LoadSprite<platform::MemoryDC>(1102 + i);
    }
}

void SolarSystem::DeleteSolarSprites()
{
    Solardc.reset();
    Cometdc.reset();
    MSolardc.reset();
    MCometdc.reset();
    bmSol.reset();
    bmCom.reset();
    for (int i = 0; i < 9; ++i)
    {
        PlBitmap[i].reset();
        MPlanetdc[i].reset();
    }
}

// ---- commands ----

void SolarSystem::SetCentreFromClient()
{
    const QRect rc = host.GetClientRect();
    XCenter = (rc.left() + rc.left() + rc.width()) * 0.5f;
    YCenter = (rc.top() + rc.top() + rc.height()) * 0.5f;
}

void SolarSystem::CmZoomIn()
{
    Scale = solar::ZoomInScale(Scale);
    host.BlackOut();
    ShowSolSyst();
}

void SolarSystem::CmZoomOut()
{
    Scale = solar::ZoomOutScale(Scale);
    host.BlackOut();
    ShowSolSyst();
}

bool SolarSystem::CanZoomIn() const
{
    return Scale < solar::kMaxZoomScale;
}

bool SolarSystem::CanZoomOut() const
{
    return Scale > solar::kMinZoomScale;
}

void SolarSystem::ChangeCenter(int id)
{
    if (id < cmd::kFirstCenter || id > cmd::kLastCenter)
        return;
    SystemCenter = static_cast<uint8_t>(id - cmd::kFirstCenter);
    ShowSystemCenter();
    host.BlackOut();
    if (!Playing)
        ShowSolSyst();
}

void SolarSystem::ShowSystemCenter()
{
    const int centre = SystemCenter < 12 ? SystemCenter : 0;
    for (int item = cmd::kFirstCenter; item <= cmd::kLastCenter; ++item)
        host.CheckCommand(item, item == cmd::kFirstCenter + centre);
    char text[32];
    std::snprintf(text, sizeof text, "Center : %s", CenterName[centre]);
    host.SetPane(model::Pane::Coord, text);
}

void SolarSystem::CmGo()
{
    if (clock.StartAnimation(Playing, host.Window()))
        host.SetCursorResource(0);
}

void SolarSystem::CmStop()
{
    clock.StopAnimation(Playing);
    // The stopped model's cursor says that a right click opens cards.
    host.SetCursorResource(103);
}

void SolarSystem::Normal()
{
    Scale = 1.0f;
    SystemCenter = 0;
    ShowSystemCenter();
    ForgetDrawnPlaces();
}

bool SolarSystem::OpenCardsAt(QPoint point)
{
    bool hit = false;
    // A slot without a planet or comet has no card and no place on the screen (its position
    // stays at the top-left corner): it is never hit.
    for (int i = 0; i < kSolarSlots; ++i)
        if (solar::RoleOf(SolObj[i], i) != BodyRole::None &&
            HitsMark(point, SolObj[i].X, SolObj[i].Y))
        {
            hit = true;
            SmSolObjCard(point, i);
        }
    return hit;
}

void SolarSystem::SmSolObjCard(QPoint point, int k)
{
    if (k < 0 || k >= kSolarSlots)
        return;
    const SolObjects& body = SolObj[k];
    const BodyRole role = solar::RoleOf(body, k);
    // A slot with no body (or a planet record where no planet sprite exists) has no card.
    if (role == BodyRole::None)
        return;
    MarkObject(canvas, point);
    host.Present();
    const float dist = solar::SunDistance(body);
    if (role == BodyRole::Planet)
    {
        PlanetSmDlg card(host.Window(), &point, body.Name, dist);
        card.Execute();
    }
    else
    {
        CometSmDlg card(host.Window(), &point, body.Name, dist);
        card.Execute();
    }
}

void SolarSystem::CmSSSetup()
{
    host.SetHint("Changing options for Solar System");
    const bool wasPlaying = Playing;
    CmStop();
    SSSetupDlg dlg(host.Window(), Values.SSValues, SystemCenter == 0, &Values.Names);
    dlg.Execute();
    host.BlackOut();
    if (wasPlaying)
        CmGo();
    else
        ShowSolSyst();
    host.SetHint("Viewing Solar System model");
}
