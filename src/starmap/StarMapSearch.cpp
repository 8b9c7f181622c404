// The Star Map's Search menu: a star by name (and the next one with F7), a constellation by
// its abbreviation, a deep-sky object by its Messier or NGC number, the Sun and the Moon. A
// found object above the horizon gets its card at its place on the globe; a constellation is
// drawn in red; anything below the horizon is reported.
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "starmap/ConstBlocks.h"
#include "starmap/FindDlg.h"
#include "starmap/Globe.h"
#include "starmap/Search.h"
#include "starmap/StarMap.h"

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace
{
constexpr platform::Rgb kHighlightRed = platform::RGB(255, 0, 0);

QPoint ScreenPoint(uint16_t x, uint16_t y)
{
    return QPoint(globe::DrawCoord(x), globe::DrawCoord(y));
}

// Where deep-sky object `o` stands on the globe now, and whether it is on the visible side.
// The deep-sky pass leaves an object fainter than the limiting magnitude (or the whole layer,
// when it is off) where it was last drawn, so the search places the object itself, exactly as
// that pass would.
bool LocateNgcMess(const StarMap& w, const Setup& values, const NgcMessObj& o, QPoint& at)
{
    const globe::View view{w.XCenter, w.YCenter, w.r, w.lat, w.latCos, w.latSin};
    const globe::GlobePlace p =
        globe::PlaceOnGlobe(view, w.t + o.RA, o.Dec, values.SMValues.Check[4] != 0);
    at = ScreenPoint(p.x, p.y);
    return p.visible;
}
} // namespace

void StarMap::CmFind()
{
    {
        FindDlg dlg(host.Window(), SearchString, &SearchItem);
        dlg.Execute();
    }
    if (SearchItem == 0)
    {
        Search = false;
        return;
    }
    Search = true;
    NoMore = false;
    if (SearchItem != 1)
        NoMore = true;
    CmStStop();
    ShowStarMap();
    // With their layer hidden the Sun and the Moon are placed for the search as well, so that a
    // card opens where they are now and not where they were when the layer was last drawn.
    if (SearchItem == 4 && !Values.SMValues.Check[3])
        DrawSolObj();
    host.Present();
    switch (SearchItem)
    {
    case 1:
        if (!FindStar(0) && !FindPlanetAfter(-1))
        {
            platform::InfoBox(host.Window(), "The Star was not found");
            NoMore = true;
        }
        break;
    case 2:
        if (!FindConst(1))
            platform::InfoBox(host.Window(), "The Constellation was not found");
        // The red lines stay until the next frame.
        host.Present();
        return;
    case 3:
        // An unreadable catalogue ends the search without a word.
        if (!FindNGCMessObj())
            return;
        break;
    default:
        FindSolObj();
        break;
    }
    host.BlackOut();
    ForgetHiddenLayers();
    ShowStarMap();
}

void StarMap::CmFindNext()
{
    // Find Next is enabled only while a star search has more to find.
    if (SearchItem != 1 || !Search || NoMore)
        return;
    CmStStop();
    ShowStarMap();
    host.Present();
    // The stars' matches first, then the planets' (LastIndex past the stars).
    const bool found = LastIndex < StarCount
                           ? FindStar(static_cast<uint16_t>(LastIndex + 1)) || FindPlanetAfter(-1)
                           : FindPlanetAfter(LastIndex - StarCount);
    if (!found)
    {
        platform::InfoBox(host.Window(), "No more stars with search name");
        NoMore = true;
    }
    if (NoMore)
        Search = false;
    host.BlackOut();
    ShowStarMap();
}

bool StarMap::FindStar(uint16_t Index)
{
    std::FILE* f = platform::OpenFile(kStarsFile, "rb");
    if (!f)
        return false;
    search::UpperCase(SearchString);
    // Only the stars the view holds have a place on the globe.
    const int i = search::FindStarRecord(f, Index, StarCount, SearchString);
    std::fclose(f);
    if (i < 0)
        return false;
    if (Star[i].Flag)
        SmStarCard(ScreenPoint(Star[i].X, Star[i].Y), i);
    else
        platform::InfoBox(host.Window(), "The Star is below the horizon");
    LastIndex = static_cast<uint16_t>(i);
    return true;
}

bool StarMap::FindConst(uint16_t Index)
{
    std::FILE* f = platform::OpenFile(kStarsFile, "rb");
    if (!f)
        return false;
    search::UpperCase(SearchString);
    const int c = search::ConstellationOf(SearchString, Index);
    if (c == search::kWrongLength)
    {
        std::fclose(f);
        platform::MessageBox(host.Window(), "The name of Constellation must content 3 symbols !!!",
                             platform::kCaptionInfo, platform::MB_ICONSTOP);
        return true;
    }
    if (c == search::kNoConstellation)
    {
        std::fclose(f);
        return false;
    }
    const int b = search::FirstRecordOf(f, c, StarCount);
    std::fclose(f);
    if (b >= 0)
    {
        const constblocks::Block block = constblocks::BlockAt(Star, StarCount, b);
        std::vector<constblocks::Link> links;
        constblocks::AppendBlockLinks(Star, block, links);
        // A figure mostly below the horizon is reported as below it rather than shown by a stray
        // line or two at the rim.
        int above = 0;
        for (int s = block.first; s < block.end; ++s)
            above += Star[s].Flag ? 1 : 0;
        if (2 * above < block.end - block.first)
            links.clear();
        canvas.SetPen(kHighlightRed);
        bool drawn = false;
        for (const constblocks::Link& link : links)
        {
            const Stars& from = Star[link.from];
            const Stars& to = Star[link.to];
            if (from.Flag && to.Flag)
            {
                canvas.MoveTo(globe::DrawCoord(from.X), globe::DrawCoord(from.Y));
                canvas.LineTo(globe::DrawCoord(to.X), globe::DrawCoord(to.Y));
                drawn = true;
            }
        }
        for (int s = block.first; s < block.end; ++s)
            if (drawn && Star[s].Flag)
                DrawStarMark(Star[s]);
        host.Present();
        if (!drawn)
            platform::InfoBox(host.Window(), "The Constellation is below the horizon");
    }
    LastIndex = static_cast<uint16_t>(2 * c - 1);
    return true;
}

bool StarMap::FindNGCMessObj()
{
    std::FILE* f = platform::OpenFile(kNgcMessFile, "rb");
    if (!f)
        return false;
    search::UpperCase(SearchString);
    const search::ObjectQuery query = search::ParseObjectQuery(SearchString);
    const bool messier = query.kind == search::ObjectQuery::Kind::Messier;
    bool found = false;
    NGCMessDB record;
    for (int i = 0; i < NgcMessCount && std::fread(&record, sizeof record, 1, f) == 1; ++i)
    {
        if (!search::ObjectMatches(query, record))
            continue;
        found = true;
        QPoint at;
        if (LocateNgcMess(*this, Values, NgcMess[i], at))
            SmNGCMess(at, i);
        else
            platform::InfoBox(host.Window(), messier ? "The Messier Object is below the horizon"
                                                     : "The NGC Object is below the horizon");
    }
    std::fclose(f);
    if (!found)
        platform::InfoBox(host.Window(), "The Object was not found");
    return true;
}

void StarMap::FindSolObj()
{
    search::UpperCase(SearchString);
    const int k = search::SolObjectOf(SearchString);
    if (k == search::kNoSolObject)
    {
        const std::string key = search::SearchKey(SearchString);
        const int planet = skybodies::SkyPlanetOf(key.c_str());
        if (planet >= 0 && Planet[planet].Known)
            FindPlanet(planet);
        else if (key == "PLUTO" && ReportPluto())
            return;
        else
            platform::InfoBox(host.Window(), "The Object was not found");
        return;
    }
    if (!FlagSol[k])
    {
        platform::InfoBox(host.Window(), k == 0 ? "The Sun is below the horizon"
                                                : "The Moon is below the horizon");
        return;
    }
    const QPoint at = ScreenPoint(XSol[k], YSol[k]);
    if (k == 0)
        SmSunCard(at);
    else
        SmMoonCard(at);
}

bool StarMap::FindPlanetAfter(int k)
{
    const std::string key = search::SearchKey(SearchString);
    for (int i = k + 1; i < skybodies::kSkyPlanetCount; ++i)
        if (Planet[i].Known && !key.empty() &&
            search::SearchKey(skybodies::kSkyPlanets[static_cast<size_t>(i)].name).rfind(key, 0) ==
                0)
        {
            FindPlanet(i);
            LastIndex = static_cast<uint16_t>(StarCount + i);
            return true;
        }
    return false;
}

void StarMap::FindPlanet(int k)
{
    // Placed as the planets' pass would place it, also when its layer is off or it is fainter
    // than the limiting magnitude, so that the card opens where it stands now.
    const SkyPlanet& p = Planet[k];
    const globe::View view{XCenter, YCenter, r, lat, latCos, latSin};
    const globe::GlobePlace at =
        globe::PlaceOnGlobe(view, t + p.RA, p.Dec, Values.SMValues.Check[4] != 0);
    if (at.visible)
        SmPlanetCard(ScreenPoint(at.x, at.y), k);
    else
        platform::InfoBox(host.Window(), "The Planet is below the horizon");
}

void StarMap::ForgetHiddenLayers()
{
    const auto& check = Values.SMValues.Check;
    if (!check[2])
        for (NgcMessObj& o : NgcMess)
            o.Flag = false;
    if (!check[3])
        FlagSol[0] = FlagSol[1] = false;
    if (!Values.Planets)
        for (SkyPlanet& p : Planet)
            p.Flag = p.Drawn = false;
}

bool StarMap::ReportPluto()
{
    const size_t pluto = static_cast<size_t>(sky::Planet::Pluto);
    const size_t earth = static_cast<size_t>(sky::Planet::Earth);
    if (!PlanetElements.usable[pluto] || !PlanetElements.usable[earth])
        return false;
    const sky::PlanetPlace place = sky::PlanetPlaceAt(
        PlanetElements.elements[pluto], PlanetElements.elements[earth], SkyJulianDate);
    const double magnitude = sky::VisualMagnitude(sky::Planet::Pluto, place);
    const char* constellation = skybodies::ConstellationNear(
        Star, StarCount, static_cast<float>(place.RightAscension * 15.0),
        static_cast<float>(place.Declination * sky::kDegToRad));
    // Far below every limit the globe can show: a mark would claim it can be seen.
    char text[160];
    std::snprintf(text, sizeof text,
                  "Pluto is too faint to be drawn on the sky (magnitude %.1f).\nIt stands in %s.",
                  magnitude, constellation ? constellation : "an unknown constellation");
    platform::InfoBox(host.Window(), text);
    return true;
}
