// The proper-motion file that mkdata builds beside the star file, its reader on damaged
// copies, and the stars' motion on the sky. Reference values: the Hipparcos catalogue's
// proper motions of Arcturus and Sirius (van Leeuwen 2007), data/stars.csv for the order.
#include "sky/Sky.h"
#include "sky/StarMotion.h"
#include "starmap/StarRecord.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>

namespace
{
std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kMotionPath = std::string(VELMORIA_RUNTIME_DIR) + "/Data/StarMotion.dat";

// The motions `bytes` give through the reader, for the catalogue's 690 stars.
std::vector<sky::ProperMotion> ReadFromBytes(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::vector<sky::ProperMotion> motions = sky::ReadStarMotions(f, kStarCount);
    std::fclose(f);
    return motions;
}

sky::StarMotionRecord RecordAt(const std::string& bytes, size_t i)
{
    sky::StarMotionRecord r{};
    std::memcpy(&r, bytes.data() + i * sizeof r, sizeof r);
    return r;
}
} // namespace

TEST(StarMotionFile, HoldsOneRecordPerStarInTheStarFilesOrder)
{
    const std::string motions = ReadBytes(kMotionPath);
    const std::string stars = ReadBytes(std::string(VELMORIA_RUNTIME_DIR) + "/Data/Stars.dat");
    ASSERT_EQ(motions.size(), kStarCount * sizeof(sky::StarMotionRecord));
    ASSERT_EQ(stars.size(), kStarCount * sizeof(StarDB));
    // HIP -> J2000 place from the source table.
    std::map<uint32_t, std::pair<double, double>> place;
    std::ifstream csv(std::string(VELMORIA_SOURCE_DIR) + "/data/stars.csv");
    std::string line;
    std::getline(csv, line);
    while (std::getline(csv, line))
    {
        std::stringstream fields(line);
        std::string hip, ra, dec;
        std::getline(fields, hip, ',');
        std::getline(fields, ra, ',');
        std::getline(fields, dec, ',');
        place[static_cast<uint32_t>(std::stoul(hip))] = {std::stod(ra), std::stod(dec)};
    }
    for (size_t i = 0; i < static_cast<size_t>(kStarCount); ++i)
    {
        StarDB star{};
        std::memcpy(&star, stars.data() + i * sizeof star, sizeof star);
        const uint32_t hip = RecordAt(motions, i).Hip;
        ASSERT_TRUE(place.count(hip)) << i;
        EXPECT_NEAR(star.RA, place[hip].first, 1e-5) << "record " << i << " HIP " << hip;
        EXPECT_NEAR(star.Dec, place[hip].second, 1e-4) << "record " << i << " HIP " << hip;
    }
}

TEST(StarMotionFile, CarriesTheHipparcosMotions)
{
    const std::string motions = ReadBytes(kMotionPath);
    const struct
    {
        uint32_t hip;
        double pmRa, pmDec; // mas per year
    } cases[] = {{69673, -1093.39, -2000.06}, {32349, -546.01, -1223.07}};
    for (const auto& c : cases)
    {
        bool found = false;
        for (size_t i = 0; i < static_cast<size_t>(kStarCount); ++i)
            if (RecordAt(motions, i).Hip == c.hip)
            {
                found = true;
                EXPECT_NEAR(RecordAt(motions, i).PmRa, c.pmRa, 0.01);
                EXPECT_NEAR(RecordAt(motions, i).PmDec, c.pmDec, 0.01);
            }
        EXPECT_TRUE(found) << c.hip;
    }
}

TEST(StarMotionReader, ADamagedFileGivesNoMotionAndNeverAFault)
{
    const std::string whole = ReadBytes(kMotionPath);
    const std::vector<sky::ProperMotion> good = ReadFromBytes(whole);
    ASSERT_EQ(good.size(), static_cast<size_t>(kStarCount));
    const auto moving = [](const std::vector<sky::ProperMotion>& m)
    {
        int n = 0;
        for (const sky::ProperMotion& p : m)
            n += (p.PmRa != 0.0 || p.PmDec != 0.0);
        return n;
    };
    EXPECT_GT(moving(good), kStarCount - 5);
    EXPECT_EQ(moving(ReadFromBytes(whole + std::string(1000, '\x7f'))), moving(good));
    const size_t record = sizeof(sky::StarMotionRecord);
    for (const size_t cut :
         {size_t(0), record, record / 2, whole.size() / 2, whole.size() - record, whole.size() - 1})
        EXPECT_EQ(moving(ReadFromBytes(whole.substr(0, cut))), 0) << "cut at " << cut;
    EXPECT_EQ(moving(sky::ReadStarMotions(nullptr, kStarCount)), 0);

    std::mt19937 random(20261207);
    std::string noise(whole.size(), '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    for (const sky::ProperMotion& p : ReadFromBytes(noise))
    {
        EXPECT_LE(std::fabs(p.PmRa), sky::kLargestProperMotion);
        EXPECT_LE(std::fabs(p.PmDec), sky::kLargestProperMotion);
    }
    EXPECT_TRUE(sky::ReadStarMotions(nullptr, -5).empty());
}

TEST(StarMotion, AStarMovesByItsProperMotionTowardItsPositionAngle)
{
    sky::SkySnapshot at2999;
    ASSERT_TRUE(sky::UpdateSky(at2999, 2816787.0));
    const double years = (at2999.JulianDateTt - sky::kCatalogueEpoch) / 365.25;
    const struct
    {
        double raHours, decDeg, pmRa, pmDec;
    } cases[] = {
        {14.261020, 19.18240, -1093.39, -2000.06}, // Arcturus
        {6.752480, -16.71610, -546.01, -1223.07},  // Sirius
        {2.530300, 89.26410, 44.48, -11.85},       // Polaris, beside the pole
    };
    for (const auto& c : cases)
    {
        const sky::Vec3 still =
            sky::StarDirectionOfDate(at2999, sky::MakeCatalogueStar(c.raHours, c.decDeg, 0, 0));
        const sky::Vec3 moved = sky::StarDirectionOfDate(
            at2999, sky::MakeCatalogueStar(c.raHours, c.decDeg, c.pmRa, c.pmDec));
        const double dot = still.x * moved.x + still.y * moved.y + still.z * moved.z;
        const double expected = std::hypot(c.pmRa, c.pmDec) / 3.6e6 * years; // degrees
        EXPECT_NEAR(std::acos(std::min(1.0, dot)) * sky::kRadToDeg, expected, 1e-4 * expected)
            << c.raHours;
    }
}
