#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <limits>
#include <random>
#include <sys/resource.h>

#include "model/Config.h"
#include "common/TestSupport.h"

namespace
{
namespace fs = std::filesystem;
using testing_support::ScratchDir;

struct Recorded
{
    std::vector<platform::MessageRecord> boxes;
    ConfigReport Report()
    {
        return [this](const std::string& text, const char* caption, unsigned flags) {
            boxes.push_back({text, caption, flags});
        };
    }
};

std::string Bytes(const Setup& s)
{
    return std::string(reinterpret_cast<const char*>(&s), sizeof s);
}

std::vector<std::string> FilesIn(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms PermsOf(const std::string& path)
{
    return fs::status(path).permissions();
}

TEST(Config, MissingFileGivesDefaultsSilentlyAndWritesThemAtOnce)
{
    ScratchDir dir;
    Recorded r;
    ::Setup s{};
    ReadConfig("Velmoria.cfg", s, r.Report());
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(Bytes(s), Bytes(DefaultSetup()));
    EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(DefaultSetup()));
}

TEST(Config, DefaultsAreTheDocumentedOptions)
{
    const ::Setup s = DefaultSetup();
    for (bool8 flag : s.SSValues)
        EXPECT_EQ(flag, 1);
    EXPECT_EQ(std::vector<int>(s.SMValues.Check, s.SMValues.Check + 5),
              (std::vector<int>{1, 1, 1, 1, 0}));
    EXPECT_FLOAT_EQ(s.SMValues.SelectMagn, 4.0f);
    EXPECT_EQ(s.LocValues.Lat.Degree, 0);
    EXPECT_EQ(s.LocValues.North, 1);
    EXPECT_EQ(s.LocValues.West, 1);
    EXPECT_EQ(s.LocValues.GMT, 0);
    // Field offsets of the stored record, byte for byte.
    const std::string b = Bytes(s);
    EXPECT_EQ(b.size(), 33u);
    float magn;
    std::memcpy(&magn, b.data() + 18, 4);
    EXPECT_FLOAT_EQ(magn, 4.0f);
    EXPECT_EQ(b[28], 1);
    EXPECT_EQ(b[29], 1);
    EXPECT_EQ(b[30], 0);
    EXPECT_EQ(b[31], 1); // planets shown
    EXPECT_EQ(b[32], 1); // names shown
}

TEST(Config, ShortOrEmptyFileWarnsInformsAndIsWrittenAnewWithTheDefaults)
{
    for (const std::string& content : {std::string(), std::string(30, '\x01')})
    {
        ScratchDir dir;
        dir.Write("Velmoria.cfg", content);
        Recorded r;
        ::Setup s{};
        ReadConfig("Velmoria.cfg", s, r.Report());
        ASSERT_EQ(r.boxes.size(), 2u);
        EXPECT_EQ(r.boxes[0].text, "Unable to read from file VELMORIA.CFG");
        EXPECT_EQ(r.boxes[0].caption, "Velmoria - [Warning]");
        EXPECT_EQ(r.boxes[0].flags, 0x30u);
        EXPECT_EQ(r.boxes[1].text, "The default settings will be used.");
        EXPECT_EQ(r.boxes[1].caption, "Velmoria - [Info]");
        EXPECT_EQ(r.boxes[1].flags, 0x40u);
        EXPECT_EQ(Bytes(s), Bytes(DefaultSetup()));
        EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(DefaultSetup()));
    }
}

TEST(Config, UncreatableFileIsAnErrorAndTheDefaultsStillApply)
{
    ScratchDir dir;
    Recorded r;
    ::Setup s{};
    std::memset(&s, 0x55, sizeof s);
    ReadConfig("NoSuchDir/Velmoria.cfg", s, r.Report());
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "Unable to create file NOSUCHDIR/VELMORIA.CFG");
    EXPECT_EQ(r.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(r.boxes[0].flags, 0x10u);
    EXPECT_EQ(Bytes(s), Bytes(DefaultSetup()));

    // A short "file" that cannot be created anew (a directory): warning, info, then the error.
    std::filesystem::create_directory("Velmoria.cfg");
    Recorded r2;
    ReadConfig("Velmoria.cfg", s, r2.Report());
    ASSERT_EQ(r2.boxes.size(), 3u);
    EXPECT_EQ(r2.boxes[2].text, "Unable to create file VELMORIA.CFG");
}

TEST(Config, WholeRecordIsTakenFieldForFieldAndLongerFilesFromTheirStart)
{
    ScratchDir dir;
    ::Setup stored = DefaultSetup();
    stored.SSValues[12] = 0;
    stored.SMValues.SelectMagn = 5.5f;
    stored.LocValues.Lat = {51, 30, 0};
    stored.LocValues.GMT = 1;
    dir.Write("Velmoria.cfg", Bytes(stored) + std::string(9, 'z'));  // 40 bytes
    Recorded r;
    ::Setup s{};
    ReadConfig("Velmoria.cfg", s, r.Report());
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(Bytes(s), Bytes(stored));
    StoreConfig("Velmoria.cfg", s, r.Report());
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(stored));  // rewritten with exactly 33 bytes
}

TEST(Config, LayerBytesOfEveryFileLengthFromThirtyOneBytesOn)
{
    // A file ends after the location (31 bytes, every file written before the planets'
    // layer), after the planets' byte (32), after the names' byte (33), or runs on (34).
    // Bytes 16, 31 and 32 are edited by hand to 0; what the file does not hold is shown.
    struct Case
    {
        size_t length;
        int sunAndMoon, planets, names;
    };
    const Case cases[] = {{31, 0, 1, 1}, {32, 0, 0, 1}, {33, 0, 0, 0}, {34, 0, 0, 0}};
    for (const Case& c : cases)
    {
        ScratchDir dir;
        std::string bytes = Bytes(DefaultSetup()) + std::string(1, '\x01');
        bytes[16] = 0;
        bytes[31] = 0;
        bytes[32] = 0;
        dir.Write("Velmoria.cfg", bytes.substr(0, c.length));
        Recorded r;
        ::Setup s{};
        ReadConfig("Velmoria.cfg", s, r.Report());
        EXPECT_TRUE(r.boxes.empty()) << c.length;
        EXPECT_EQ(s.SMValues.Check[3], c.sunAndMoon) << c.length;
        EXPECT_EQ(s.Planets, c.planets) << c.length;
        EXPECT_EQ(s.Names, c.names) << c.length;
        StoreConfig("Velmoria.cfg", s, r.Report());
        EXPECT_EQ(dir.Read("Velmoria.cfg").size(), 33u) << c.length;
    }
}

TEST(Config, FieldsOutsideTheirRangesAreReadAsTheirDefaultsAndTheRestKept)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct Case
    {
        const char* what;
        size_t offset;  // of the field in the file
        std::string stored;
        std::string read;
    };
    const auto f32 = [](float v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
    const auto u8 = [](int v) { return std::string(1, static_cast<char>(v)); };
    const Case cases[] = {
        {"magnitude not a number", 18, f32(nan), f32(4.0f)},
        {"magnitude below -2", 18, f32(-2.5f), f32(4.0f)},
        {"magnitude -2", 18, f32(-2.0f), f32(-2.0f)},
        {"magnitude 12", 18, f32(12.0f), f32(12.0f)},
        {"magnitude above 12", 18, f32(12.5f), f32(4.0f)},
        {"longitude 180", 22, u8(180), u8(180)},
        {"longitude 181", 22, u8(181), u8(0)},
        {"longitude minutes 60", 23, u8(60), u8(0)},
        {"longitude seconds 59", 24, u8(59), u8(59)},
        {"latitude 90", 25, u8(90), u8(90)},
        {"latitude 255", 25, u8(255), u8(0)},
        {"latitude minutes 59", 26, u8(59), u8(59)},
        {"latitude seconds 200", 27, u8(200), u8(0)},
    };
    for (const Case& c : cases)
    {
        ScratchDir dir;
        ::Setup stored = DefaultSetup();
        stored.SSValues[4] = 0;
        stored.LocValues.Lat = {12, 34, 56};
        stored.LocValues.Lon = {98, 7, 6};
        std::string bytes = Bytes(stored);
        std::string expected = bytes;
        bytes.replace(c.offset, c.stored.size(), c.stored);
        expected.replace(c.offset, c.read.size(), c.read);
        dir.Write("Velmoria.cfg", bytes);
        Recorded r;
        ::Setup s{};
        ReadConfig("Velmoria.cfg", s, r.Report());
        EXPECT_TRUE(r.boxes.empty()) << c.what;
        EXPECT_EQ(Bytes(s), expected) << c.what;
    }
}

TEST(Config, RandomBytesGiveARecordWithinRangeThatIsWrittenBackAsRead)
{
    std::mt19937 rng(2026);
    for (int round = 0; round < 20; ++round)
    {
        ScratchDir dir;
        std::string bytes(31 + round % 5, '\0');
        for (char& c : bytes)
            c = static_cast<char>(rng());
        dir.Write("Velmoria.cfg", bytes);
        Recorded r;
        ::Setup s{};
        ReadConfig("Velmoria.cfg", s, r.Report());
        EXPECT_TRUE(r.boxes.empty());
        // The flags are taken as they stand.
        EXPECT_EQ(Bytes(s).substr(0, 18), bytes.substr(0, 18));
        const float magn = s.SMValues.SelectMagn;  // a packed field: copied, not bound
        EXPECT_GE(magn, -2.0f);
        EXPECT_LE(magn, 12.0f);
        EXPECT_LE(s.LocValues.Lat.Degree, 90);
        EXPECT_LE(s.LocValues.Lon.Degree, 180);
        for (const Coordinate& c : {s.LocValues.Lat, s.LocValues.Lon})
        {
            EXPECT_LE(c.Minute, 59);
            EXPECT_LE(c.Second, 59);
        }
        EXPECT_EQ(Bytes(s).substr(28, 3), bytes.substr(28, 3));
        StoreConfig("Velmoria.cfg", s, r.Report());
        EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(s));
    }
}

TEST(Config, FailedWriteReportsAndKeepsThePreviousFile)
{
    ScratchDir dir;
    ::Setup old = DefaultSetup();
    old.LocValues.Lat.Degree = 42;
    dir.Write("Velmoria.cfg", Bytes(old));
    ::Setup next = DefaultSetup();

    // The file system refuses to hold more than 16 bytes per file: the write fails.
    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit limited = saved;
    limited.rlim_cur = 16;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    Recorded r;
    StoreConfig("Velmoria.cfg", next, r.Report());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "Unable to write to file VELMORIA.CFG");
    EXPECT_EQ(r.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(old));
    EXPECT_EQ(FilesIn("."), std::vector<std::string>{"Velmoria.cfg"});
}

TEST(Config, UncreatableFileAtExitIsReportedAsUnableToOpen)
{
    ScratchDir dir;
    Recorded r;
    StoreConfig("NoSuchDir/Velmoria.cfg", DefaultSetup(), r.Report());
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "Unable to open file NOSUCHDIR/VELMORIA.CFG");
    EXPECT_EQ(r.boxes[0].flags, 0x10u);
}
TEST(Config, ReadOnlyFileAtExitIsReportedAndLeftAsItWas)
{
    ScratchDir dir;
    ::Setup old = DefaultSetup();
    old.LocValues.Lat.Degree = 42;
    dir.Write("Velmoria.cfg", Bytes(old) + "tail");
    fs::permissions("Velmoria.cfg", fs::perms::owner_read | fs::perms::group_read);
    Recorded r;
    StoreConfig("Velmoria.cfg", DefaultSetup(), r.Report());
    ASSERT_EQ(r.boxes.size(), 1u);
    EXPECT_EQ(r.boxes[0].text, "Unable to open file VELMORIA.CFG");
    EXPECT_EQ(r.boxes[0].caption, "Velmoria - [Error]");
    EXPECT_EQ(r.boxes[0].flags, 0x10u);
    EXPECT_EQ(dir.Read("Velmoria.cfg"), Bytes(old) + "tail");
    EXPECT_EQ(PermsOf("Velmoria.cfg"), fs::perms::owner_read | fs::perms::group_read);
}

TEST(Config, WritableFileInAReadOnlyDirectoryIsWrittenInPlace)
{
    ScratchDir dir;
    dir.Write("ro/Velmoria.cfg", std::string(40, '\x01'));
    fs::permissions("ro", fs::perms::owner_read | fs::perms::owner_exec);
    ::Setup next = DefaultSetup();
    next.LocValues.Lat.Degree = 7;
    Recorded r;
    StoreConfig("ro\\Velmoria.cfg", next, r.Report());
    fs::permissions("ro", fs::perms::owner_all);
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_EQ(dir.Read("ro/Velmoria.cfg"), Bytes(next));
    EXPECT_EQ(FilesIn("ro"), std::vector<std::string>{"Velmoria.cfg"});

    // Without the file no new one can be made there.
    fs::remove("ro/Velmoria.cfg");
    fs::permissions("ro", fs::perms::owner_read | fs::perms::owner_exec);
    Recorded r2;
    StoreConfig("ro\\Velmoria.cfg", next, r2.Report());
    fs::permissions("ro", fs::perms::owner_all);
    ASSERT_EQ(r2.boxes.size(), 1u);
    EXPECT_EQ(r2.boxes[0].text, "Unable to open file RO\\VELMORIA.CFG");
    EXPECT_TRUE(FilesIn("ro").empty());
}

TEST(Config, WriteGoesThroughASymbolicLinkAndKeepsTheFilesPermissions)
{
    ScratchDir dir;
    dir.Write("store/real.cfg", "old");
    fs::permissions("store/real.cfg",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("store/real.cfg", "Velmoria.cfg");
    Recorded r;
    StoreConfig("Velmoria.cfg", DefaultSetup(), r.Report());
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_TRUE(fs::is_symlink("Velmoria.cfg"));
    EXPECT_EQ(fs::read_symlink("Velmoria.cfg"), fs::path("store/real.cfg"));
    EXPECT_EQ(dir.Read("store/real.cfg"), Bytes(DefaultSetup()));
    EXPECT_EQ(PermsOf("store/real.cfg"),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FilesIn("store"), std::vector<std::string>{"real.cfg"});
}
} // namespace
