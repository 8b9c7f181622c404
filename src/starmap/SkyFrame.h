// Where one frame of the Star Map puts every object of its catalogues and every body, kept
// beside the catalogue for the right click and the search: each object's point on the globe,
// whether it is on the visible side, and whether the frame draws its mark. Pure; no Qt.
#pragma once

#include "model/Config.h"
#include "starmap/Globe.h"
#include "starmap/SkyCatalogue.h"
#include "starmap/StarMap.h"

#include <array>
#include <vector>

namespace skyframe
{
// What the options show.
struct Layers
{
    bool lines;       // constellation lines
    bool grid;        // coordinate grid
    bool deepSky;     // NGC and Messier objects
    bool sunAndMoon;  // the Sun and the Moon
    bool transparent; // both halves of the sphere
    bool planets;     // Mercury to Neptune
    bool names;       // the names layer
    float limit;      // limiting magnitude of the stars and the deep-sky objects

    bool operator==(const Layers&) const = default;
};
Layers LayersOf(const Setup& values);

// One object in a frame.
struct Place
{
    globe::ScreenPoint at;
    bool visible; // on the visible side of the globe
    bool drawn;   // its mark is in the frame

    // The pixel of its point, where its mark is anchored.
    int X() const { return globe::Pixel(at.x); }
    int Y() const { return globe::Pixel(at.y); }
};

struct Places
{
    std::vector<Place> stars;   // by catalogue index; drawn when visible and bright enough
    std::vector<Place> deepSky; // by catalogue index; drawn when its layer is on too
    Place sun{};                // drawn when visible and its layer is on
    Place moon{};
    std::array<Place, skybodies::kSkyPlanetCount> planets{}; // drawn when known, visible and on
};

// Every object of `catalogue`, at its directions of date `ofDate`, and every body of `bodies`
// placed by `view` with the options `layers`.
Places PlaceAll(const globe::View& view, const SkyCatalogue& catalogue,
                const CatalogueOfDate& ofDate, const SkyBodies& bodies, const Layers& layers);

// What a right click can open: the kind of object and its index (catalogue, or planet).
enum class Kind
{
    Sun,
    Moon,
    Planet,
    DeepSky,
    Star
};
struct Hit
{
    Kind kind;
    int index;
};

// The objects whose pixel lies in the 17 x 17 square around the click (x, y): the Sun, the
// Moon and the planets whose marks are drawn, then the drawn deep-sky objects, then the stars
// on the visible side (faint ones too), in that order.
std::vector<Hit> HitsAt(const Places& places, int x, int y);
} // namespace skyframe
