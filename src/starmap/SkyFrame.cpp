#include "starmap/SkyFrame.h"

#include <cstdlib>
#include <span>

namespace skyframe
{
Layers LayersOf(const Setup& values)
{
    const auto& check = values.SMValues.Check;
    return Layers{
        check[0] != 0, check[1] != 0,       check[2] != 0,     check[3] != 0,
        check[4] != 0, values.Planets != 0, values.Names != 0, values.SMValues.SelectMagn};
}

namespace
{
Place PlaceOf(const globe::View& view, const sky::Vec3& direction, bool shown)
{
    const globe::GlobePlace p = globe::PlaceOnGlobe(view, direction);
    return Place{p.at, p.visible, p.visible && shown};
}

bool Near(const Place& p, int x, int y)
{
    return std::abs(p.X() - x) <= 8 && std::abs(p.Y() - y) <= 8;
}
} // namespace

Places PlaceAll(const globe::View& view, const SkyCatalogue& catalogue,
                const CatalogueOfDate& ofDate, const SkyBodies& bodies, const Layers& layers)
{
    // An object without a direction of date (before the sky's first instant) has no place.
    const auto place = [&](const std::vector<sky::Vec3>& directions, size_t i, bool shown)
    { return i < directions.size() ? PlaceOf(view, directions[i], shown) : Place{}; };
    Places places;
    places.stars.reserve(catalogue.stars.size());
    for (size_t i = 0; i < catalogue.stars.size(); ++i)
        places.stars.push_back(
            place(ofDate.stars, i, catalogue.stars[i].Magnitude <= layers.limit));
    places.deepSky.reserve(catalogue.deepSky.size());
    for (size_t i = 0; i < catalogue.deepSky.size(); ++i)
        places.deepSky.push_back(place(
            ofDate.deepSky, i, layers.deepSky && catalogue.deepSky[i].Magnitude <= layers.limit));
    if (bodies.known)
    {
        places.sun = PlaceOf(view, bodies.sun.direction, layers.sunAndMoon);
        places.moon = PlaceOf(view, bodies.moon.direction, layers.sunAndMoon);
    }
    for (size_t k = 0; k < places.planets.size(); ++k)
    {
        const PlanetOnSky& p = bodies.planets[k];
        places.planets[k] = p.known ? PlaceOf(view, p.direction, layers.planets) : Place{};
    }
    return places;
}

std::vector<Hit> HitsAt(const Places& places, int x, int y)
{
    std::vector<Hit> hits;
    const auto add = [&](std::span<const Place> all, Kind kind, bool Place::*shown)
    {
        for (size_t i = 0; i < all.size(); ++i)
            if (all[i].*shown && Near(all[i], x, y))
                hits.push_back({kind, static_cast<int>(i)});
    };
    add({&places.sun, 1}, Kind::Sun, &Place::drawn);
    add({&places.moon, 1}, Kind::Moon, &Place::drawn);
    add(places.planets, Kind::Planet, &Place::drawn);
    add(places.deepSky, Kind::DeepSky, &Place::drawn);
    add(places.stars, Kind::Star, &Place::visible);
    return hits;
}
} // namespace skyframe
