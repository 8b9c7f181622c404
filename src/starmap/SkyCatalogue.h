// The Star Map's catalogues as read when the view opens: the star and deep-sky records as the
// cards show them, their places as the globe takes them, the constellation lines, the names of
// the bright stars, the centres of the figures and the planets' elements. Read-only while the
// view is on screen. Pure; no Qt.
#pragma once

#include "sky/Ephemeris.h"
#include "sky/Sky.h"
#include "starmap/ConstBlocks.h"
#include "starmap/SkyBodies.h"
#include "starmap/SkyObjects.h"
#include "starmap/StarReader.h"
#include "starmap/StarRecord.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

// A star whose proper name the names layer shows.
struct NamedStar
{
    int index; // into SkyCatalogue::stars
    std::string name;
};

struct SkyCatalogue
{
    std::vector<StarDB> starRecords;            // as read, at most kStarCount
    std::vector<Stars> stars;                   // the same stars as the globe takes them
    std::vector<sky::CatalogueStar> starPlaces; // J2000 with proper motion (none until read)
    std::vector<NGCMessDB> deepSkyRecords;      // at most kNgcMessCount
    std::vector<NgcMessObj> deepSky;
    std::vector<sky::Vec3> deepSkyDirections; // unit vectors, equatorial J2000
    std::vector<constblocks::Link> links;     // the constellation lines in drawing order
    std::vector<NamedStar> names; // proper names brighter than magnitude 1.5, brightest first
    std::array<skybodies::FigureCentre, skybodies::kFigureCount> figureCentres{};
    std::array<sky::Vec3, skybodies::kFigureCount> figureDirections{}; // J2000
    skybodies::PlanetElements planetElements{};

    int StarCount() const { return static_cast<int>(stars.size()); }
    int DeepSkyCount() const { return static_cast<int>(deepSky.size()); }
};

// Reads the stars of `f` (from its start) into `catalogue` with everything derived from them:
// places, lines, names, figure centres. The stars read so far stay also when the result is not
// ok.
starreader::ReadResult ReadStarCatalogue(std::FILE* f, SkyCatalogue& catalogue);
// Reads the deep-sky objects of `f` into `catalogue`.
starreader::ReadResult ReadDeepSkyCatalogue(std::FILE* f, SkyCatalogue& catalogue);
// Reads the stars' proper motions from `f` (null: none), record for record in the order of the
// stars read; a missing, short or damaged file moves no star.
void ReadStarMotionsOf(std::FILE* f, SkyCatalogue& catalogue);

// The catalogue's objects in the true equator and equinox of one instant, as the globe draws
// them: unit vectors by catalogue index; none before the sky's first instant.
struct CatalogueOfDate
{
    std::vector<sky::Vec3> stars; // moved by their proper motions
    std::vector<sky::Vec3> deepSky;
    std::array<sky::Vec3, skybodies::kFigureCount> figures{};
};
void TurnToDate(const sky::SkySnapshot& sky, const SkyCatalogue& catalogue, CatalogueOfDate& out);
