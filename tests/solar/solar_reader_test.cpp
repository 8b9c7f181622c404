// Reading the orbital elements file: record count rules, the elements kept, failures, and the
// window's messages when the file is missing or unreadable.
#include "app/VelmoriaApp.h"
#include "app/VelmoriaWnd.h"
#include "common/TestSupport.h"
#include "solar/SolarReader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace
{
using testing_support::MessageRecorder;
using testing_support::ScratchDir;

SolarObjects Record(char id, const char* name, double a, float e, float inc, float node,
                    float argPer, double periDate, float period)
{
    SolarObjects r{};
    r.ID = id;
    // A name of the full width keeps no NUL, as a file may hold it.
    std::memcpy(r.Name, name, std::min(std::strlen(name), sizeof r.Name));
    r.SemiAxis = a;
    r.Eccentr = e;
    r.Inclin = inc;
    r.AscenNode = node;
    r.ArgPer = argPer;
    r.PeriDate = periDate;
    r.Period = period;
    return r;
}

// `count` comets named C0, C1, ... as the bytes of a file.
std::string Comets(int count)
{
    std::string bytes;
    for (int i = 0; i < count; ++i)
    {
        const std::string name = "C" + std::to_string(i);
        const SolarObjects r = Record('C', name.c_str(), 1.0 + i, 0.1f, 0, 0, 0, 0, 100.0f);
        bytes.append(reinterpret_cast<const char*>(&r), sizeof r);
    }
    return bytes;
}

int FilledSlots(const SolObjects (&table)[kSolarSlots])
{
    int filled = 0;
    for (const SolObjects& body : table)
        filled += body.ID != 0;
    return filled;
}

TEST(SolarReader, ReadsWholeRecordsUpToThirteenSlotsAndIgnoresTheRest)
{
    struct Case
    {
        const char* what;
        std::string bytes;
        int filled;
    };
    const Case cases[] = {
        {"empty file", "", 0},
        {"one record", Comets(1), 1},
        {"nine planets and two comets", Comets(11), 11},
        {"a full table", Comets(13), 13},
        {"one record too many", Comets(14), 13},
        {"a trailing partial record", Comets(11) + std::string(20, 'x'), 11},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        dir.Write("Data/Solobj.dat", c.bytes);
        SolObjects table[kSolarSlots]{};
        SolarObjects buffer{};
        ASSERT_EQ(solar::ReadSolarFile(solar::kSolarFile, table, buffer),
                  solar::SolarReadResult::Ok);
        EXPECT_EQ(FilledSlots(table), c.filled);
        for (int i = 0; i < c.filled; ++i)
            EXPECT_EQ(std::string(table[i].Name), "C" + std::to_string(i));
    }
}

TEST(SolarReader, KeepsTheElementsInTheFilesUnitsAndLeavesThePlaceAlone)
{
    const SolarObjects r =
        Record('P', "Earth", 1.0, 0.0167f, 90.0f, 45.0f, 102.5f, 2451547.5, 365.256f);
    SolObjects body{};
    body.Place.Distance = 1.25;
    solar::ConvertSolarRecord(r, body);
    EXPECT_EQ(body.ID, 'P');
    EXPECT_STREQ(body.Name, "Earth");
    EXPECT_DOUBLE_EQ(body.Elements.SemiAxis, 1.0); // AU
    EXPECT_DOUBLE_EQ(body.Elements.Eccentricity, 0.0167f);
    EXPECT_DOUBLE_EQ(body.Elements.Inclination, 90.0); // degrees
    EXPECT_DOUBLE_EQ(body.Elements.AscendingNode, 45.0);
    EXPECT_DOUBLE_EQ(body.Elements.ArgPerihelion, 102.5);
    EXPECT_DOUBLE_EQ(body.Elements.PerihelionDate, 2451547.5); // Julian date
    EXPECT_DOUBLE_EQ(body.Elements.Period, 365.256f);          // days
    // The place belongs to the instant, not to the file.
    EXPECT_DOUBLE_EQ(body.Place.Distance, 1.25);
}

TEST(SolarReader, CopiesANameOfSixteenCharactersAndCutsOneWithoutItsTerminator)
{
    SolarObjects r = Record('C', "", 1, 0, 0, 0, 0, 0, 1);
    std::memcpy(r.Name, "ABCDEFGHIJKLMNOP", 17); // 16 characters and the NUL
    SolObjects body{};
    solar::ConvertSolarRecord(r, body);
    EXPECT_STREQ(body.Name, "ABCDEFGHIJKLMNOP");

    std::memset(r.Name, 'Z', sizeof r.Name); // a damaged record: no NUL at all
    solar::ConvertSolarRecord(r, body);
    EXPECT_EQ(std::string(body.Name), std::string(16, 'Z'));
}

TEST(SolarReader, AShorterFileOnALaterEntryLeavesNoBodiesOfTheFirst)
{
    ScratchDir dir;
    SolObjects table[kSolarSlots]{};
    SolarObjects buffer{};
    dir.Write("Data/Solobj.dat", Comets(13));
    ASSERT_EQ(solar::ReadSolarFile(solar::kSolarFile, table, buffer), solar::SolarReadResult::Ok);
    dir.Write("Data/Solobj.dat", Comets(2));
    ASSERT_EQ(solar::ReadSolarFile(solar::kSolarFile, table, buffer), solar::SolarReadResult::Ok);
    EXPECT_EQ(FilledSlots(table), 2);
    EXPECT_EQ(table[12].Elements.SemiAxis, 0.0);
}

TEST(SolarReader, AReadThatFallsShortFailsAndKeepsTheSlotsReadBefore)
{
    ScratchDir dir;
    dir.Write("short.dat", Comets(2));
    std::FILE* f = std::fopen("short.dat", "rb");
    ASSERT_NE(f, nullptr);
    SolObjects table[kSolarSlots]{};
    SolarObjects buffer{};
    // The size claims three records; the third is not there.
    EXPECT_EQ(solar::ReadSolarRecords(f, 3 * 54, table, buffer),
              solar::SolarReadResult::ReadFailed);
    std::fclose(f);
    EXPECT_EQ(FilledSlots(table), 2);
    EXPECT_EQ(solar::ReadSolarRecords(nullptr, 54, table, buffer),
              solar::SolarReadResult::ReadFailed);
}

TEST(SolarReader, AMissingFileIsAnOpenFailure)
{
    ScratchDir dir;
    SolObjects table[kSolarSlots]{};
    SolarObjects buffer{};
    EXPECT_EQ(solar::ReadSolarFile(solar::kSolarFile, table, buffer),
              solar::SolarReadResult::OpenFailed);
}

// The window on the main screen, about to open the Solar System with the scratch directory's
// elements file.
class SolarEntry : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir.LinkRuntime("Bitmap");
        wnd = std::make_unique<VelmoriaWnd>();
        wnd->resize(320, 240);
        wnd->RestoreMain();
    }
    void TearDown() override { wnd.reset(); }
    ScratchDir dir;
    MessageRecorder messages;
    testing_support::SoundRecorder sounds;
    std::unique_ptr<VelmoriaWnd> wnd;
};

TEST_F(SolarEntry, AMissingFileShowsTwoErrorsAndReturnsToTheMainScreen)
{
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to open file DATA\\SOLOBJ.DAT");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Error]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x10u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Solar System");
    EXPECT_EQ(messages.boxes[1].caption, std::string("Velmoria - [Error]"));
    EXPECT_EQ(messages.boxes[1].flags, 0x10u);
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
    EXPECT_EQ(wnd->CurrentView(), &wnd->Main());
}

TEST_F(SolarEntry, AnUnreadableFileShowsAWarningThenAnError)
{
    // A directory opens for reading but yields no records.
    std::filesystem::create_directories("Data/Solobj.dat");
    wnd->EnterSubject(model::Mode::SolarSystem);
    ASSERT_EQ(messages.boxes.size(), 2u);
    EXPECT_EQ(messages.boxes[0].text, "Unable to read from file DATA\\SOLOBJ.DAT");
    EXPECT_EQ(messages.boxes[0].caption, std::string("Velmoria - [Warning]"));
    EXPECT_EQ(messages.boxes[0].flags, 0x30u);
    EXPECT_EQ(messages.boxes[1].text, "Unable to show Solar System");
    EXPECT_EQ(messages.boxes[1].flags, 0x10u);
    EXPECT_EQ(wnd->Subject(), model::Mode::Main);
}

TEST_F(SolarEntry, AnEmptyFileIsReadWithoutAMessage)
{
    dir.Write("Data/Solobj.dat", "");
    wnd->EnterSubject(model::Mode::SolarSystem);
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(wnd->Subject(), model::Mode::SolarSystem);
}
} // namespace
