// The generated star and deep-sky catalogues, checked against published positions (Yale Bright
// Star Catalogue, 5th ed.; SEDS Messier catalogue) and the well-known shapes of the figures.
#include "model/NumFormat.h"
#include "starmap/ConstName.h"
#include "starmap/StarRecord.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace
{

template <typename Record> std::vector<Record> ReadRecords(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    std::vector<Record> records(bytes.size() / sizeof(Record));
    if (!records.empty())
        std::memcpy(records.data(), bytes.data(), records.size() * sizeof(Record));
    return records;
}

std::vector<StarDB> ReadStars()
{
    return ReadRecords<StarDB>(VELMORIA_RUNTIME_DIR "/Data/Stars.dat");
}

std::vector<NGCMessDB> ReadDeepSky()
{
    return ReadRecords<NGCMessDB>(VELMORIA_RUNTIME_DIR "/Data/NGCMess.dat");
}

// The last object of the catalogue with NGC number `ngc`, or null.
const NGCMessDB* FindNgc(const std::vector<NGCMessDB>& objects, int ngc)
{
    const NGCMessDB* found = nullptr;
    for (const NGCMessDB& o : objects)
        if (static_cast<int>(o.NGC) == ngc)
            found = &o;
    return found;
}

size_t FileSize(const char* path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return in ? static_cast<size_t>(in.tellg()) : 0;
}

// Terminated within the field and only NULs after the text: what makes the file reproducible.
bool IsPadded(const char* field, size_t width)
{
    const size_t length = strnlen(field, width);
    if (length == width)
        return false;
    for (size_t i = length; i < width; ++i)
    {
        if (field[i] != 0)
            return false;
    }
    return true;
}

int FindStar(const std::vector<StarDB>& stars, const char* name)
{
    for (size_t i = 0; i < stars.size(); ++i)
    {
        if (std::strcmp(stars[i].StarName, name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

// First record of the block that holds record i.
size_t BlockStart(const std::vector<StarDB>& stars, size_t i)
{
    while (i > 0 && stars[i - 1].NumConst == stars[i].NumConst)
        --i;
    return i;
}

// Every figure segment as an unordered pair of record numbers.
std::set<std::pair<int, int>> Segments(const std::vector<StarDB>& stars)
{
    std::set<std::pair<int, int>> segments;
    for (size_t i = 0; i < stars.size(); ++i)
    {
        const size_t start = BlockStart(stars, i);
        if (stars[i].NLink1 == 0)
            continue;
        for (const uint8_t link : {stars[i].NLink1, stars[i].NLink2})
        {
            if (link == 0)
                continue;
            const int partner = static_cast<int>(start) + link - 1;
            segments.insert(std::minmax(static_cast<int>(i), partner));
        }
    }
    return segments;
}

bool HasSegment(const std::vector<StarDB>& stars, const std::set<std::pair<int, int>>& segments,
                const char* a, const char* b)
{
    const int i = FindStar(stars, a);
    const int j = FindStar(stars, b);
    return i >= 0 && j >= 0 && segments.count(std::minmax(i, j)) == 1;
}

} // namespace

TEST(StarCatalogue, HoldsExactly690WholeRecords)
{
    EXPECT_EQ(FileSize(VELMORIA_RUNTIME_DIR "/Data/Stars.dat"), 690u * sizeof(StarDB));
}

TEST(StarCatalogue, KeepsEachConstellationInOneAscendingBlock)
{
    const auto stars = ReadStars();
    ASSERT_EQ(stars.size(), 690u);
    std::set<int> finished;
    for (size_t i = 0; i < stars.size(); ++i)
    {
        const int c = stars[i].NumConst;
        ASSERT_GE(c, 1) << "record " << i;
        ASSERT_LE(c, kConstellationCount) << "record " << i;
        if (i > 0 && stars[i - 1].NumConst != c)
        {
            EXPECT_LT(stars[i - 1].NumConst, c) << "record " << i << " is out of order";
            finished.insert(stars[i - 1].NumConst);
        }
        EXPECT_EQ(finished.count(c), 0u) << "constellation " << c << " split at record " << i;
    }
}

TEST(StarCatalogue, LinksStayInsideTheirBlockAndEachLineIsGivenOnce)
{
    const auto stars = ReadStars();
    ASSERT_EQ(stars.size(), 690u);
    std::set<std::pair<int, int>> seen;
    std::set<int> constellationsWithLines;
    for (size_t i = 0; i < stars.size(); ++i)
    {
        const size_t start = BlockStart(stars, i);
        size_t end = i;
        while (end < stars.size() && stars[end].NumConst == stars[i].NumConst)
            ++end;
        // A second link without a first is never drawn: that would be a lost line.
        const int link1 = stars[i].NLink1, link2 = stars[i].NLink2;
        if (link1 == 0)
        {
            EXPECT_EQ(link2, 0) << "record " << i;
        }
        for (const uint8_t link : {stars[i].NLink1, stars[i].NLink2})
        {
            if (link == 0)
                continue;
            const size_t partner = start + link - 1;
            EXPECT_LT(partner, end) << "record " << i << " links outside its block";
            EXPECT_NE(partner, i) << "record " << i << " links to itself";
            EXPECT_TRUE(seen.insert(std::minmax<int>(i, partner)).second)
                << "record " << i << " repeats a line";
            constellationsWithLines.insert(stars[i].NumConst);
        }
    }
    std::set<int> constellationsWithStars;
    for (const StarDB& s : stars)
        constellationsWithStars.insert(s.NumConst);
    EXPECT_EQ(constellationsWithLines, constellationsWithStars);
}

TEST(StarCatalogue, PlacesBrightStarsWhereTheBrightStarCatalogueDoes)
{
    struct Expected
    {
        const char* name;
        double raHours;
        double decDeg;
        double magnitude;
        int constellation;
        const char* design;
    };
    // Yale Bright Star Catalogue (J2000) and Hipparcos magnitudes.
    const Expected table[] = {
        {"Sirius", 6.7525, -16.716, -1.46, 40, "Alp"},
        {"Polaris", 2.5303, 89.264, 1.98, 1, "Alp"},
        {"Canopus", 6.3992, -52.696, -0.74, 63, "Alp"},
        {"Arcturus", 14.2610, 19.182, -0.05, 77, "Alp"},
        {"Vega", 18.6156, 38.784, 0.03, 10, "Alp"},
        {"Betelgeuse", 5.9195, 7.407, 0.50, 11, "Alp"},
        {"Acrux", 12.4433, -63.099, 0.77, 4, "Alp1"},
        {"Mizar", 13.3988, 54.925, 2.23, 2, "Zet"},
        {"Unukalhai", 15.7378, 6.426, 2.65, 80, "Alp"}, // Serpens Caput
        {"Alya", 18.9369, 4.204, 4.62, 79, "Tet1"},     // Serpens Cauda
    };
    const auto stars = ReadStars();
    for (const Expected& e : table)
    {
        SCOPED_TRACE(e.name);
        const int i = FindStar(stars, e.name);
        ASSERT_GE(i, 0);
        // Packed fields are copied out before the checks take them by reference.
        const StarDB& s = stars[static_cast<size_t>(i)];
        const float ra = s.RA, dec = s.Dec, magnitude = s.Magnitude;
        const int constellation = s.NumConst;
        EXPECT_NEAR(ra, e.raHours, 0.005);
        EXPECT_NEAR(dec, e.decDeg, 0.02);
        // Hipparcos-based V differs from Johnson V by up to about 0.1 for the brightest stars.
        EXPECT_NEAR(magnitude, e.magnitude, 0.15);
        EXPECT_EQ(constellation, e.constellation);
        EXPECT_STREQ(s.Design, e.design);
    }
    const int sirius = FindStar(stars, "Sirius");
    ASSERT_GE(sirius, 0);
    EXPECT_STREQ(ConstName[2 * (stars[static_cast<size_t>(sirius)].NumConst - 1) + 1], "CMA");
}

TEST(StarCatalogue, DescribesSizeAndColourFromTheSpectrum)
{
    struct Expected
    {
        const char* name;
        const char* spectrum;
        unsigned size;  // 1 dwarf, 2 giant, 3 supergiant, 4 main sequence, 5 superhot
        unsigned color; // 1 Red, 2 Orange, 3 Yellow, 4 Yellow-white, 5 White, 6 Blue-white,
                        // 7 Blue, 8 Yellow-orange
    };
    const Expected table[] = {
        {"Sirius", "A1", 4, 5},   {"Betelgeuse", "M1", 3, 1}, {"Rigel", "B8", 3, 6},
        {"Arcturus", "K1", 2, 8}, {"Aldebaran", "K5", 2, 2},  {"Polaris", "F8", 3, 4},
        {"Regor", "WC", 5, 7},    {"Capella", "G3", 2, 3},    {"Spica", "B1", 4, 6},
    };
    const auto stars = ReadStars();
    for (const Expected& e : table)
    {
        SCOPED_TRACE(e.name);
        const int i = FindStar(stars, e.name);
        ASSERT_GE(i, 0);
        const StarDB& s = stars[static_cast<size_t>(i)];
        const unsigned size = s.Propert.size, color = s.Propert.color, unused = s.Propert.unused;
        EXPECT_STREQ(s.SpectType, e.spectrum);
        EXPECT_EQ(size, e.size);
        EXPECT_EQ(color, e.color);
        EXPECT_EQ(unused, 0u);
    }
}

TEST(StarCatalogue, DrawsTheFamiliarAsterisms)
{
    const auto stars = ReadStars();
    const auto segments = Segments(stars);
    const std::pair<const char*, const char*> lines[] = {
        // The Big Dipper
        {"Dubhe", "Merak"},
        {"Merak", "Phecda"},
        {"Phecda", "Megrez"},
        {"Megrez", "Dubhe"},
        {"Megrez", "Alioth"},
        {"Alioth", "Mizar"},
        {"Mizar", "Alkaid"},
        // Orion's belt and shoulders
        {"Alnitak", "Alnilam"},
        {"Alnilam", "Mintaka"},
        {"Betelgeuse", "Bellatrix"},
        // The Southern Cross
        {"Acrux", "Gacrux"},
        {"Mimosa", "Imai"},
    };
    for (const auto& [a, b] : lines)
        EXPECT_TRUE(HasSegment(stars, segments, a, b)) << a << " - " << b;
    EXPECT_FALSE(HasSegment(stars, segments, "Sirius", "Canopus"));
}

TEST(StarCatalogue, TextFieldsAreTerminatedPaddedAndNamesUnique)
{
    const auto stars = ReadStars();
    ASSERT_EQ(stars.size(), 690u);
    std::set<std::string> names;
    for (size_t i = 0; i < stars.size(); ++i)
    {
        const StarDB& s = stars[i];
        EXPECT_TRUE(IsPadded(s.StarName, sizeof s.StarName)) << "record " << i;
        EXPECT_TRUE(IsPadded(s.Design, sizeof s.Design)) << "record " << i;
        EXPECT_TRUE(IsPadded(s.SpectType, sizeof s.SpectType)) << "record " << i;
        EXPECT_GT(std::strlen(s.StarName), 0u) << "record " << i;
        EXPECT_GT(std::strlen(s.Design), 0u) << "record " << i;
        if (std::strncmp(s.StarName, "N/A", 3) != 0)
        {
            EXPECT_TRUE(names.insert(s.StarName).second) << s.StarName << " given twice";
        }
    }
}

TEST(DeepSkyCatalogue, HoldsThirtyThreeObjectsOfAllSevenTypes)
{
    EXPECT_EQ(FileSize(VELMORIA_RUNTIME_DIR "/Data/NGCMess.dat"), 33u * sizeof(NGCMessDB));
    const auto objects = ReadDeepSky();
    ASSERT_EQ(objects.size(), 33u);
    std::set<int> types;
    std::set<int> ngc;
    for (size_t i = 0; i < objects.size(); ++i)
    {
        const NGCMessDB& o = objects[i];
        const int number = o.NGC, constellation = o.NumConst, messier = o.Messier;
        types.insert(o.Type);
        EXPECT_TRUE(ngc.insert(number).second) << "NGC " << number << " twice";
        EXPECT_GT(number, 0) << "record " << i;
        EXPECT_GE(constellation, 1) << "record " << i;
        EXPECT_LE(constellation, kConstellationCount) << "record " << i;
        EXPECT_TRUE(IsPadded(o.Size, sizeof o.Size)) << "record " << i;
        EXPECT_TRUE(IsPadded(o.Comments, sizeof o.Comments)) << "record " << i;
        // The Pleiades (M45) and the asterisms M24 and M40 have no NGC number.
        EXPECT_NE(messier, 45);
        EXPECT_NE(messier, 40);
        EXPECT_NE(messier, 24);
    }
    EXPECT_EQ(types, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST(DeepSkyCatalogue, CommentsReadOnTheCardWithSingleBlanks)
{
    // The card turns '_' into a blank and ',' into ", ": a comma before an underscore would
    // show two blanks.
    std::set<std::string> shown;
    for (const NGCMessDB& o : ReadDeepSky())
    {
        const std::string text = AdjustString(o.Comments);
        EXPECT_EQ(text.find("  "), std::string::npos) << text;
        shown.insert(text);
    }
    EXPECT_EQ(shown.count("IBm, Barnard's Galaxy"), 1u);
    EXPECT_EQ(shown.count("Crab Nebula, SN 1054"), 1u);
}

TEST(DeepSkyCatalogue, PlacesShowpiecesWhereTheMessierCatalogueDoes)
{
    struct Expected
    {
        int messier;
        int ngc;
        int type;
        double raHours;
        double decDeg;
        int constellation;
    };
    // SEDS Messier catalogue and NGC/IC project positions, J2000.
    const Expected table[] = {
        {31, 224, 0, 0.7123, 41.269, 43},   // Andromeda Galaxy
        {87, 4486, 1, 12.5137, 12.391, 49}, // Virgo A
        {57, 6720, 3, 18.8931, 33.029, 10}, // Ring Nebula
        {42, 1976, 4, 5.5881, -5.391, 11},  // Orion Nebula
        {44, 2632, 5, 8.6700, 19.983, 19},  // Praesepe
        {13, 6205, 6, 16.6949, 36.460, 76}, // Hercules cluster
        {0, 5139, 6, 13.4465, -47.479, 78}, // Omega Centauri
    };
    const auto objects = ReadDeepSky();
    for (const Expected& e : table)
    {
        SCOPED_TRACE("NGC " + std::to_string(e.ngc));
        const NGCMessDB* found = FindNgc(objects, e.ngc);
        ASSERT_NE(found, nullptr);
        const int messier = found->Messier, type = found->Type, constellation = found->NumConst;
        const float ra = found->RA, dec = found->Dec;
        EXPECT_EQ(messier, e.messier);
        EXPECT_EQ(type, e.type);
        EXPECT_NEAR(ra, e.raHours, 0.01);
        EXPECT_NEAR(dec, e.decDeg, 0.1);
        EXPECT_EQ(constellation, e.constellation);
    }
}

TEST(StarCatalogue, NamesAndTypesFollowTheIauListAndTheBrightStarCatalogue)
{
    struct Expected
    {
        int constellation;
        const char* design;
        const char* name;     // "N/A" where the star keeps no name
        const char* spectrum; // nullptr: not checked here
    };
    // IAU Catalog of Star Names (Working Group on Star Names); Yale Bright Star Catalogue, 5th ed.
    const Expected table[] = {
        {47, "Kap", "Girtab", nullptr},  // Kappa Sco, traditional
        {47, "Iot1", "N/A", nullptr},    // Iota1 Sco: Girtab is Kappa Sco
        {24, "Alp", "Schedar", nullptr}, // Alpha Cas
        {27, "Del", "Labrum", nullptr},  // Delta Crt, whose name the star list cuts to "Labr"
        {2, "Chi", "Taiyangshou", nullptr}, {48, "43", "Beemim", nullptr}, // Upsilon3 Eri
        {52, "Iot", "Ukdah", nullptr},                                     // Iota Hya
        {77, "Eps", "Izar", "K0"},                                         // HR 5506, K0 II-III
    };
    const auto stars = ReadStars();
    for (const Expected& e : table)
    {
        SCOPED_TRACE(e.name);
        const StarDB* found = nullptr;
        for (const StarDB& s : stars)
        {
            if (s.NumConst == e.constellation && std::strcmp(s.Design, e.design) == 0)
                found = &s;
        }
        ASSERT_NE(found, nullptr) << e.design;
        EXPECT_STREQ(found->StarName, e.name);
        if (e.spectrum)
        {
            EXPECT_STREQ(found->SpectType, e.spectrum);
        }
    }
    // The old spellings, the name moved away from Kappa Sco and the cut name are gone.
    for (const char* gone : {"Shedar", "Mula", "Labr"})
        EXPECT_EQ(FindStar(stars, gone), -1) << gone;
    // A K0 giant: the card says "giant" and "Yellow - orange".
    const int izar = FindStar(stars, "Izar");
    ASSERT_GE(izar, 0);
    const unsigned size = stars[static_cast<size_t>(izar)].Propert.size,
                   color = stars[static_cast<size_t>(izar)].Propert.color;
    EXPECT_EQ(size, 2u);
    EXPECT_EQ(color, 8u);
}

TEST(StarCatalogue, MarksExactlyTheNamesTheIauCatalogueLacksAsTraditional)
{
    // The names of the catalogue that the IAU Catalog of Star Names does not hold.
    const std::set<std::string> traditional = {"Minkar",          "Algenubi",    "Al Jabhah",
                                               "Prima Giedi",     "Navi",        "Tyl",
                                               "Labrum",          "Garnet Star", "Gorgonea Tertia",
                                               "Gorgonea Quarta", "Girtab",      "Rana",
                                               "Rijl al Awwa",    "Regor",       "Asellus Primus",
                                               "Asellus Tertius", "Muhlifain",   "Sinistra"};
    std::set<std::string> marked;
    for (const StarDB& s : ReadStars())
    {
        if (s.Propert.traditionalName)
            marked.insert(s.StarName);
        EXPECT_EQ(s.Propert.unused, 0u) << s.StarName;
    }
    EXPECT_EQ(marked, traditional);
}

TEST(DeepSkyCatalogue, MagnitudesAndSizesFollowTheirNamedCatalogues)
{
    struct Expected
    {
        int ngc;
        double magnitude;
        const char* size; // nullptr: not checked here
    };
    // Harris (2010 edition) for Omega Centauri; the SEDS Messier catalogue for M20 with its
    // cluster; the others as stellarium-data 0.22.2's deep-sky catalogue gives them.
    const Expected table[] = {
        {5139, 3.7, nullptr}, // Omega Centauri
        {104, 4.09, "31'"},   // 47 Tucanae, round
        {3587, 9.9, nullptr}, // M97
        {6514, 6.3, nullptr}, // M20
        {6853, 7.4, nullptr}, // M27
        {3031, 6.9, nullptr}, // M81
        {4594, 8.0, nullptr}, // M104
        {6121, 5.4, nullptr}, // M4
    };
    const auto objects = ReadDeepSky();
    for (const Expected& e : table)
    {
        SCOPED_TRACE("NGC " + std::to_string(e.ngc));
        const NGCMessDB* found = FindNgc(objects, e.ngc);
        ASSERT_NE(found, nullptr);
        const float magnitude = found->Magnitude;
        EXPECT_NEAR(magnitude, e.magnitude, 0.005);
        if (e.size)
        {
            EXPECT_STREQ(found->Size, e.size);
        }
    }
}
