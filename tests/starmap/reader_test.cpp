// The catalogue readers: records written by the test, unit conversions, short and partial
// files, too many records, and the messages of the window's readers.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "sky/StarMotion.h"
#include "sky/Vector.h"
#include "starmap/SkyCatalogue.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace
{
StarDB StarRecord(uint8_t numConst, float ra, float dec, float mag, uint8_t l1 = 0, uint8_t l2 = 0)
{
    StarDB rec{};
    rec.NumConst = numConst;
    std::strcpy(rec.StarName, "N/A");
    rec.RA = ra;
    rec.Dec = dec;
    rec.Magnitude = mag;
    rec.NLink1 = l1;
    rec.NLink2 = l2;
    return rec;
}

NGCMessDB DeepSkyRecord(float ra, float dec, float mag)
{
    NGCMessDB rec{};
    rec.RA = ra;
    rec.Dec = dec;
    rec.Magnitude = mag;
    return rec;
}

template <typename Record> std::string Bytes(const Record& rec)
{
    return std::string(reinterpret_cast<const char*>(&rec), sizeof rec);
}

std::FILE* StreamOf(const std::string& bytes)
{
    std::FILE* f = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::rewind(f);
    return f;
}

// The catalogue read from `bytes` as "Data\Stars.dat" and its result.
std::pair<SkyCatalogue, starreader::ReadResult> ReadStarBytes(const std::string& bytes)
{
    std::FILE* f = StreamOf(bytes);
    SkyCatalogue catalogue;
    const starreader::ReadResult r = ReadStarCatalogue(f, catalogue);
    std::fclose(f);
    return {catalogue, r};
}

TEST(StarReader, ConvertsHoursAndDegreesOfEveryRecord)
{
    const auto [c, r] = ReadStarBytes(Bytes(StarRecord(11, 6.0f, 45.0f, -1.46f, 2, 3)) +
                                      Bytes(StarRecord(12, 23.5f, -90.0f, 4.0f)));
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.stored, 2);
    ASSERT_EQ(c.StarCount(), 2);
    EXPECT_EQ(c.stars[0].RA, 90.0f);
    EXPECT_FLOAT_EQ(c.stars[0].Dec, static_cast<float>(M_PI / 4));
    EXPECT_EQ(c.stars[0].Magnitude, -1.46f);
    EXPECT_EQ(c.stars[0].NumConst, 11);
    EXPECT_EQ(c.stars[0].NLink1, 2);
    EXPECT_EQ(c.stars[0].NLink2, 3);
    EXPECT_EQ(c.stars[1].RA, 352.5f);
    EXPECT_FLOAT_EQ(c.stars[1].Dec, static_cast<float>(-M_PI / 2));
    // The records stay as read, for the cards and the search.
    EXPECT_EQ(static_cast<float>(c.starRecords[1].RA), 23.5f); // a packed field, read by value
    EXPECT_STREQ(c.starRecords[1].StarName, "N/A");
    // The unit vector of (90 deg, +45 deg) and the south pole.
    EXPECT_NEAR(c.starPlaces[0].Direction.x, 0.0, 1e-7);
    EXPECT_NEAR(c.starPlaces[0].Direction.y, std::sqrt(0.5), 1e-7);
    EXPECT_NEAR(c.starPlaces[1].Direction.z, -1.0, 1e-7);
}

std::string RuntimeBytes(const char* name)
{
    std::FILE* f = std::fopen((std::string(VELMORIA_RUNTIME_DIR) + "/Data/" + name).c_str(), "rb");
    std::string bytes;
    char buffer[4096];
    for (size_t n; f && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        bytes.append(buffer, n);
    if (f)
        std::fclose(f);
    return bytes;
}

TEST(StarReader, StarsMoveByTheirProperMotionsAndADamagedFileMovesNone)
{
    // Arcturus, the fastest bright star: 2.2794" a year in Hipparcos (van Leeuwen 2007: -1093.39,
    // -2000.06 mas/yr), 998.98 Julian years from J2000.0 to 2999-01-01: 0.6325 deg.
    auto [c, r] = ReadStarBytes(RuntimeBytes("Stars.dat"));
    ASSERT_EQ(c.StarCount(), kStarCount);
    size_t arcturus = 0;
    while (arcturus < c.starRecords.size() &&
           std::strcmp(c.starRecords[arcturus].StarName, "Arcturus") != 0)
        ++arcturus;
    ASSERT_LT(arcturus, c.starRecords.size());
    const std::string motions = RuntimeBytes("StarMotion.dat");
    std::string notANumber = motions;
    const float nan = std::nanf("");
    std::memcpy(&notANumber[arcturus * sizeof(sky::StarMotionRecord) + 4], &nan, sizeof nan);
    const struct
    {
        const char* what;
        std::optional<std::string> bytes;
        double degrees;
    } cases[] = {
        {"the file", motions, 0.6325},
        {"no file", std::nullopt, 0.0},
        {"a short file", motions.substr(0, motions.size() - 1), 0.0},
        {"a record not a number", notANumber, 0.0},
    };
    sky::SkySnapshot sky;
    ASSERT_TRUE(sky::UpdateSky(sky, 2816422.5)); // 2999-01-01 00:00 UT
    CatalogueOfDate still;
    TurnToDate(sky, c, still);
    for (const auto& k : cases)
    {
        std::FILE* f = k.bytes ? StreamOf(*k.bytes) : nullptr;
        ReadStarMotionsOf(f, c);
        if (f)
            std::fclose(f);
        CatalogueOfDate moved;
        TurnToDate(sky, c, moved);
        EXPECT_NEAR(sky::AngleBetween(moved.stars[arcturus], still.stars[arcturus]) *
                        sky::kRadToDeg,
                    k.degrees, 0.002)
            << k.what;
    }
}

TEST(StarReader, EmptyAndPartialFilesReadTheWholeRecordsOnly)
{
    const struct
    {
        size_t extra;
        int records;
    } cases[] = {{0, 0}, {10, 0}, {48, 0}, {0, 3}, {20, 3}};
    for (const auto& c : cases)
    {
        std::string bytes;
        for (int i = 0; i < c.records; ++i)
            bytes += Bytes(StarRecord(1, 1.0f * i, 0.0f, 1.0f));
        bytes += std::string(c.extra, '\x7f');
        const auto [catalogue, r] = ReadStarBytes(bytes);
        EXPECT_TRUE(r.ok) << c.records << "+" << c.extra;
        EXPECT_EQ(r.stored, c.records);
        EXPECT_EQ(catalogue.StarCount(), c.records); // the partial record left nothing behind
    }
}

TEST(StarReader, KeepsNoMoreThanTheCatalogueHolds)
{
    std::string bytes;
    for (int i = 0; i < 700; ++i)
        bytes += Bytes(StarRecord(1, 0.01f * i, 0.0f, 1.0f));
    const auto [c, r] = ReadStarBytes(bytes);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.stored, kStarCount);
    ASSERT_EQ(c.StarCount(), kStarCount);
    EXPECT_FLOAT_EQ(c.stars[689].RA, 0.01f * 689 * 15);
}

TEST(StarReader, DeepSkyRecordsConvertLikeStars)
{
    std::string bytes;
    for (int i = 0; i < 40; ++i)
        bytes += Bytes(DeepSkyRecord(0.7f, -20.0f, 3.5f + i));
    std::FILE* f = StreamOf(bytes + "xyz");
    SkyCatalogue c;
    const starreader::ReadResult r = ReadDeepSkyCatalogue(f, c);
    std::fclose(f);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.stored, kNgcMessCount);
    ASSERT_EQ(c.DeepSkyCount(), kNgcMessCount);
    EXPECT_FLOAT_EQ(c.deepSky[0].RA, 10.5f);
    EXPECT_FLOAT_EQ(c.deepSky[0].Dec, static_cast<float>(-20.0 * M_PI / 180));
    EXPECT_EQ(c.deepSky[32].Magnitude, 35.5f);
}

// A stream that claims more bytes than it delivers: the read of a record comes up short.
struct ShortStream
{
    std::string bytes;
    long claimed;
    long pos = 0;
};

std::FILE* OpenShortStream(ShortStream& s)
{
    cookie_io_functions_t io{};
    io.read = [](void* c, char* buf, size_t size) -> ssize_t
    {
        auto* s = static_cast<ShortStream*>(c);
        const long left = static_cast<long>(s->bytes.size()) - s->pos;
        const size_t n = std::min<size_t>(size, left > 0 ? left : 0);
        std::memcpy(buf, s->bytes.data() + s->pos, n);
        s->pos += static_cast<long>(n);
        return static_cast<ssize_t>(n);
    };
    io.seek = [](void* c, off64_t* offset, int whence) -> int
    {
        auto* s = static_cast<ShortStream*>(c);
        s->pos = whence == SEEK_END   ? s->claimed + *offset
                 : whence == SEEK_CUR ? s->pos + *offset
                                      : *offset;
        *offset = s->pos;
        return 0;
    };
    return fopencookie(&s, "rb", io);
}

TEST(StarReader, ReportsARecordThatCannotBeReadWhole)
{
    ShortStream s{Bytes(StarRecord(1, 2.0f, 10.0f, 1.0f)) + std::string(30, '\0'), 49 * 3};
    std::FILE* f = OpenShortStream(s);
    ASSERT_NE(f, nullptr);
    SkyCatalogue c;
    const starreader::ReadResult r = ReadStarCatalogue(f, c);
    std::fclose(f);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.stored, 1); // the stars read so far stay
    ASSERT_EQ(c.StarCount(), 1);
    EXPECT_EQ(c.stars[0].RA, 30.0f);
}

// ---- the window's readers ----

class StarMapReading : public testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkRuntime("Bitmap"); // the main screen's picture after a failure
    }

    // A bare window on the main screen, from which the Star Map opens.
    std::unique_ptr<VelmoriaWnd> StarMapWindow() const
    {
        auto w = std::make_unique<VelmoriaWnd>();
        w->RestoreMain();
        return w;
    }

    void WriteStars(int count)
    {
        std::string bytes;
        for (int i = 0; i < count; ++i)
            bytes += Bytes(StarRecord(1, 1.0f, 2.0f, 3.0f));
        dir.Write("Data/Stars.dat", bytes);
    }

    testing_support::ScratchDir dir;
    testing_support::MessageRecorder messages;
    testing_support::SoundRecorder sounds;
};

TEST_F(StarMapReading, MissingStarFileShowsBothErrorsAndReturnsToTheMainScreen)
{
    auto window = StarMapWindow();
    VelmoriaWnd& w = *window;
    w.EnterSubject(model::Mode::StarMap);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\STARS.DAT");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Error]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x10u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(messages.boxes[1].caption, std::string("Velmoria - [Error]"));
    EXPECT_EQ(messages.boxes[1].flags, 0x10u);
    EXPECT_EQ(w.Subject(), model::Mode::Main);
    EXPECT_EQ(w.CurrentView(), &w.Main());
}

TEST_F(StarMapReading, MissingDeepSkyFileKeepsTheStarsAndReturnsToTheMainScreen)
{
    WriteStars(5);
    auto window = StarMapWindow();
    VelmoriaWnd& w = *window;
    w.EnterSubject(model::Mode::StarMap);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\NGCMESS.DAT");
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(w.Subject(), model::Mode::Main);
}

TEST_F(StarMapReading, UnreadableFileShowsTheWarningThenTheError)
{
    // A directory opens on this system but gives no records.
    dir.Write("Data/Stars.dat/x", "");
    auto window = StarMapWindow();
    VelmoriaWnd& w = *window;
    w.EnterSubject(model::Mode::StarMap);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to read from file DATA\\STARS.DAT");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Warning]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x30u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Star Map");
    EXPECT_EQ(w.Subject(), model::Mode::Main);
}

TEST_F(StarMapReading, CountsTheRecordsReadUpToTheTableSize)
{
    const struct
    {
        int records;
        int count;
    } cases[] = {{0, 0}, {7, 7}, {690, 690}, {800, 690}};
    for (const auto& c : cases)
    {
        WriteStars(c.records);
        std::string deep;
        for (int i = 0; i < c.records / 10; ++i)
            deep += Bytes(DeepSkyRecord(1.0f, 1.0f, 1.0f));
        dir.Write("Data/NGCMess.dat", deep);
        auto window = StarMapWindow();
        VelmoriaWnd& w = *window;
        w.EnterSubject(model::Mode::StarMap);
        EXPECT_EQ(w.Subject(), model::Mode::StarMap);
        EXPECT_EQ(w.StarView().Catalogue().StarCount(), c.count) << c.records;
        EXPECT_EQ(w.StarView().Catalogue().DeepSkyCount(), std::min(c.records / 10, 33))
            << c.records;
        EXPECT_TRUE(messages.boxes.empty());
    }
}
} // namespace
