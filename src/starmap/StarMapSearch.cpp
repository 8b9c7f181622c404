// The Star Map's Search menu: a star by name (and the next one with F7), a constellation by
// its abbreviation, a deep-sky object by its Messier or NGC number, the Sun, the Moon and the
// planets. A found object above the horizon gets its card at its place on the globe; a
// constellation is drawn in red until the sky next changes; anything below the horizon is
// reported.
#include "platform/MessageBox.h"
#include "starmap/FindDlg.h"
#include "starmap/StarMapView.h"

#include <algorithm>
#include <cstdio>
#include <string>

void StarMapView::Find()
{
    FindDlg dlg(this);
    const search::Query query = dlg.Execute() == QDialog::Accepted ? dlg.Result() : search::Query{};
    search = search::SearchState{query.kind, query.text};
    if (query.kind == search::Kind::None)
        return;
    search.active = true;
    search.more = query.kind == search::Kind::Star;
    Stop();
    highlight.clear();
    update();
    switch (query.kind)
    {
    case search::Kind::Star:
        if (!FindStar(0) && !FindPlanetAfter(-1))
        {
            platform::InfoBox(this, "The Star was not found");
            search.more = false;
        }
        break;
    case search::Kind::Constellation:
        if (!FindConstellation())
            platform::InfoBox(this, "The Constellation was not found");
        break;
    case search::Kind::DeepSky:
        FindDeepSky();
        break;
    default:
        FindSolarObject();
        break;
    }
}

void StarMapView::FindNext()
{
    // Find Next is enabled only while a star search has more to find.
    if (search.kind != search::Kind::Star || !search.active || !search.more)
        return;
    Stop();
    // The stars' matches first, then the planets' (lastIndex past the stars).
    const int stars = catalogue.StarCount();
    const bool found = search.lastIndex < stars
                           ? FindStar(search.lastIndex + 1) || FindPlanetAfter(-1)
                           : FindPlanetAfter(search.lastIndex - stars);
    if (!found)
    {
        platform::InfoBox(this, "No more stars with search name");
        search.more = false;
    }
    if (!search.more)
        search.active = false;
}

bool StarMapView::FindStar(int start)
{
    const int i = search::FindStarRecord(catalogue.starRecords, start, search.text);
    if (i < 0)
        return false;
    OpenFound(Frame().stars[static_cast<size_t>(i)], {skyframe::Kind::Star, i},
              "The Star is below the horizon");
    search.lastIndex = i;
    return true;
}

bool StarMapView::FindConstellation()
{
    const int c = search::ConstellationOf(search.text, 1);
    if (c == search::kWrongLength)
    {
        platform::MessageBox(this, "The name of Constellation must content 3 symbols !!!",
                             platform::kCaptionInfo, platform::MB_ICONSTOP);
        return true;
    }
    const int first =
        c == search::kNoConstellation ? -1 : search::FirstRecordOf(catalogue.starRecords, c);
    if (first < 0)
        return false;
    const skyframe::Places& at = Frame();
    const constblocks::Block block =
        constblocks::BlockAt(catalogue.stars.data(), catalogue.StarCount(), first);
    std::vector<constblocks::Link> links;
    constblocks::AppendBlockLinks(catalogue.stars.data(), block, links);
    // A figure mostly below the horizon is reported as below it rather than shown by a stray
    // line or two at the rim.
    const auto above = std::count_if(at.stars.begin() + block.first, at.stars.begin() + block.end,
                                     [](const skyframe::Place& p) { return p.visible; });
    if (2 * above >= block.end - block.first)
        for (const constblocks::Link& link : links)
            if (at.stars[link.from].visible && at.stars[link.to].visible)
                highlight.push_back(link);
    update();
    if (highlight.empty())
        platform::InfoBox(this, "The Constellation is below the horizon");
    return true;
}

void StarMapView::FindDeepSky()
{
    const search::ObjectQuery query = search::ParseObjectQuery(search.text);
    const bool messier = query.kind == search::ObjectQuery::Kind::Messier;
    bool found = false;
    for (size_t i = 0; i < catalogue.deepSkyRecords.size(); ++i)
    {
        if (!search::ObjectMatches(query, catalogue.deepSkyRecords[i]))
            continue;
        found = true;
        // Placed also when its layer is off or it is too faint to be drawn.
        OpenFound(Frame().deepSky[i], {skyframe::Kind::DeepSky, static_cast<int>(i)},
                  messier ? "The Messier Object is below the horizon"
                          : "The NGC Object is below the horizon");
    }
    if (!found)
        platform::InfoBox(this, "The Object was not found");
}

void StarMapView::FindSolarObject()
{
    const int k = search::SolObjectOf(search.text);
    if (k == search::kNoSolObject)
    {
        const std::string key = search::SearchKey(search.text);
        const int planet = skybodies::SkyPlanetOf(key.c_str());
        if (planet >= 0 && starmap.Bodies().planets[static_cast<size_t>(planet)].known)
            FindPlanet(planet);
        else if (key != "PLUTO" || !ReportPluto())
            platform::InfoBox(this, "The Object was not found");
        return;
    }
    // Placed also when the layer of the Sun and the Moon is off.
    if (k == 0)
        OpenFound(Frame().sun, {skyframe::Kind::Sun, 0}, "The Sun is below the horizon");
    else
        OpenFound(Frame().moon, {skyframe::Kind::Moon, 0}, "The Moon is below the horizon");
}

bool StarMapView::FindPlanetAfter(int k)
{
    const std::string key = search::SearchKey(search.text);
    for (int i = k + 1; i < skybodies::kSkyPlanetCount; ++i)
        if (starmap.Bodies().planets[static_cast<size_t>(i)].known && !key.empty() &&
            search::SearchKey(skybodies::kSkyPlanets[static_cast<size_t>(i)].name).starts_with(key))
        {
            FindPlanet(i);
            search.lastIndex = catalogue.StarCount() + i;
            return true;
        }
    return false;
}

void StarMapView::FindPlanet(int k)
{
    // Placed also when its layer is off or it is fainter than the limiting magnitude.
    const globe::GlobePlace at =
        globe::PlaceOnGlobe(starmap.View(values.SMValues.Check[4] != 0),
                            starmap.Bodies().planets[static_cast<size_t>(k)].direction);
    OpenFound({at.at, at.visible, at.visible}, {skyframe::Kind::Planet, k},
              "The Planet is below the horizon");
}

void StarMapView::OpenFound(const skyframe::Place& at, const skyframe::Hit& hit, const char* below)
{
    if (at.visible)
        OpenCard(hit, QPoint(at.X(), at.Y()));
    else
        platform::InfoBox(this, below);
}

bool StarMapView::ReportPluto()
{
    const skybodies::PlanetElements& e = catalogue.planetElements;
    const size_t pluto = static_cast<size_t>(sky::Planet::Pluto);
    const size_t earth = static_cast<size_t>(sky::Planet::Earth);
    if (!e.usable[pluto] || !e.usable[earth])
        return false;
    const sky::PlanetPlace place =
        sky::PlanetPlaceAt(e.elements[pluto], e.elements[earth], starmap.Bodies().julianDate);
    const double magnitude = sky::VisualMagnitude(sky::Planet::Pluto, place);
    const char* constellation =
        skybodies::ConstellationNear(catalogue.stars.data(), catalogue.StarCount(),
                                     static_cast<float>(place.RightAscension * 15.0),
                                     static_cast<float>(place.Declination * sky::kDegToRad));
    // Far below every limit the globe can show: a mark would claim it can be seen.
    char text[160];
    std::snprintf(text, sizeof text,
                  "Pluto is too faint to be drawn on the sky (magnitude %.1f).\nIt stands in %s.",
                  magnitude, constellation ? constellation : "an unknown constellation");
    platform::InfoBox(this, text);
    return true;
}
