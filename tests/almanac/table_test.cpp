// The Almanac's rows as the view shows them and as its CSV export writes them.
#include "almanac/AlmanacTable.h"

#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
skytime::ZoneOffsetAt FixedZone(int32_t offset)
{
    return [offset](int64_t) { return offset; };
}

std::vector<std::string> ColumnOf(const almanac::Table& table, size_t column)
{
    std::vector<std::string> cells;
    for (const almanac::TableRow& row : table.Rows)
        cells.push_back(row.Cells.at(column));
    return cells;
}

const almanac::TableRow& RowNamed(const almanac::Table& table, const std::string& name)
{
    for (const almanac::TableRow& row : table.Rows)
        if (row.Cells.at(0) == name)
            return row;
    throw std::runtime_error("no row " + name);
}
} // namespace

TEST(AlmanacCsv, FieldsWithCommasQuotesOrLineBreaksAreQuotedAsRfc4180Says)
{
    const struct
    {
        std::string field;
        std::string written;
    } cases[] = {
        {"Moon", "Moon"},
        {"", ""},
        {"Moon, Jupiter", "\"Moon, Jupiter\""},
        {"the \"Blue\" Moon", "\"the \"\"Blue\"\" Moon\""},
        {"\"", "\"\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"carriage\rreturn", "\"carriage\rreturn\""},
        {"47.1\xC2\xB0", "47.1\xC2\xB0"},
    };
    for (const auto& c : cases)
    {
        almanac::Table table;
        table.Columns = {"a", "b"};
        table.Rows.push_back({{c.field, "x"}, 0.0, almanac::SkyView::StarMap});
        EXPECT_EQ(almanac::FormatCsv(table), "a,b\r\n" + c.written + ",x\r\n") << c.field;
    }
}

TEST(AlmanacCsv, TimesAreTheClocksZoneRoundedToTheMinute)
{
    const double j2000 = 2451545.0; // 2000-01-01 12:00 UT
    const double second = 1.0 / 86400.0;
    const struct
    {
        double jd;
        int32_t offset; // seconds east of Greenwich
        const char* text;
    } cases[] = {
        {j2000, 0, "2000-01-01 12:00"},
        {j2000, 3600, "2000-01-01 13:00"},
        {j2000 + 29.0 * second, 0, "2000-01-01 12:00"},
        {j2000 + 30.0 * second, 0, "2000-01-01 12:01"},
        {j2000 + 11.0 / 24.0 + 59.0 * 60.0 * second + 45.0 * second, 0, "2000-01-02 00:00"},
        {j2000 + 11.0 / 24.0 + 59.0 * 60.0 * second + 31.0 * second, 3600, "2000-01-02 01:00"},
        {j2000, -13 * 3600, "1999-12-31 23:00"},
        {j2000, 1172, "2000-01-01 12:20"},                       // Amsterdam's mean time, +00:19:32
        {2415385.5 + 1.0 / 24.0, -5 * 3600, "1900-12-31 20:00"}, // before the clock's origin
        {2816787.5 - 0.5 / 1440.0, 0, "3000-01-01 00:00"},
        {std::nan(""), 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(almanac::FormatLocalTime(c.jd, FixedZone(c.offset)), c.text)
            << c.jd << " " << c.offset;
}

TEST(AlmanacTables, YearEventsReadAsPlainEnglishWithTheirBodiesAndView)
{
    using almanac::Body;
    using almanac::EclipseType;
    using almanac::EventKind;
    const almanac::SkyView solar = almanac::SkyView::SolarSystem;
    const almanac::SkyView map = almanac::SkyView::StarMap;
    const struct
    {
        EventKind kind;
        Body subject;
        double degrees;
        EclipseType eclipse;
        const char* name;
        const char* bodies;
        almanac::SkyView view;
    } cases[] = {
        {EventKind::MarchEquinox, Body::Sun, 0, EclipseType::None, "March equinox", "Sun", map},
        {EventKind::Perihelion, Body::Sun, 0, EclipseType::None, "Earth at perihelion",
         "Earth, Sun", map},
        {EventKind::Opposition, Body::Mars, 0, EclipseType::None, "Mars at opposition", "Mars, Sun",
         solar},
        {EventKind::Conjunction, Body::Saturn, 0, EclipseType::None,
         "Saturn in conjunction with the Sun", "Saturn, Sun", solar},
        {EventKind::InferiorConjunction, Body::Venus, 0, EclipseType::None,
         "Venus at inferior conjunction", "Venus, Sun", solar},
        {EventKind::GreatestEasternElongation, Body::Venus, 47.06, EclipseType::None,
         "Greatest eastern elongation of Venus (47.1\xC2\xB0)", "Venus, Sun", solar},
        {EventKind::LunarEclipse, Body::Moon, 0, EclipseType::Total, "Total lunar eclipse", "Moon",
         map},
        {EventKind::SolarEclipse, Body::Sun, 0, EclipseType::Hybrid, "Hybrid solar eclipse",
         "Sun, Moon", map},
        {EventKind::MoonApproach, Body::Jupiter, 1.24, EclipseType::None,
         "Moon 1.2\xC2\xB0 from Jupiter", "Moon, Jupiter", map},
    };
    std::vector<almanac::Event> events;
    for (const auto& c : cases)
        events.push_back({c.kind, 0.0, c.subject, c.degrees, c.eclipse});
    const almanac::Table table = almanac::MakeYearTable(events, FixedZone(0));
    EXPECT_EQ(table.Columns, (std::vector<std::string>{"time", "event", "bodies"}));
    ASSERT_EQ(table.Rows.size(), std::size(cases));
    for (size_t k = 0; k < table.Rows.size(); ++k)
    {
        EXPECT_EQ(table.Rows[k].Cells[1], cases[k].name);
        EXPECT_EQ(table.Rows[k].Cells[2], cases[k].bodies);
        EXPECT_EQ(table.Rows[k].View, cases[k].view) << cases[k].name;
    }
}

TEST(AlmanacTables, TheMonthTableNamesEachPhaseAtItsLocalTime)
{
    // The two full Moons of August 2023 seen from UTC+2.
    const almanac::Table table =
        almanac::MakeMonthTable(almanac::FindMoonPhases({2460157.5, 2460188.5}), FixedZone(7200));
    EXPECT_EQ(almanac::FormatCsv(table).substr(0, 12), "phase,time\r\n");
    EXPECT_EQ(ColumnOf(table, 0), (std::vector<std::string>{"Full Moon", "Last Quarter", "New Moon",
                                                            "First Quarter", "Full Moon"}));
    EXPECT_EQ(table.Rows.front().Cells[1], "2023-08-01 20:32");
    EXPECT_EQ(table.Rows.back().Cells[1], "2023-08-31 03:36");
}

TEST(AlmanacTables, TheDayTableListsTheBodiesThenTheTwilights)
{
    // Paris, 2024-06-21 in UTC+2: the Sun rises at 03:47:05 UT and sets at 19:57:55 UT
    // (astronomy-engine's SearchRiseSet).
    const almanac::DayPage page =
        almanac::ComputeDay({48.8566, 2.3522}, {2460482.5 - 2.0 / 24, 2460483.5 - 2.0 / 24});
    const almanac::Table table = almanac::MakeDayTable(page, FixedZone(7200));
    EXPECT_EQ(almanac::FormatCsv(table).substr(0, 53),
              "body,rise,transit,set,transit_altitude_deg,note\r\nSun,");
    EXPECT_EQ(ColumnOf(table, 0),
              (std::vector<std::string>{"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter",
                                        "Saturn", "Uranus", "Neptune", "Civil twilight",
                                        "Nautical twilight", "Astronomical twilight"}));
    const almanac::TableRow& sun = RowNamed(table, "Sun");
    EXPECT_EQ(sun.Cells[1], "2024-06-21 05:47");
    EXPECT_EQ(sun.Cells[3], "2024-06-21 21:58");
    // The noon altitude of the solstice: 90 - 48.86 + 23.44 and 0.01 of refraction.
    EXPECT_EQ(sun.Cells[4], "64.6");
    const almanac::TableRow& civil = RowNamed(table, "Civil twilight");
    EXPECT_EQ(civil.Cells[2], "");
    EXPECT_EQ(civil.Cells[4], "");
    EXPECT_LT(civil.Cells[1], sun.Cells[1]);
    EXPECT_GT(civil.Cells[3], sun.Cells[3]);
    // Astronomical twilight lasts all night at midsummer in Paris.
    EXPECT_EQ(RowNamed(table, "Astronomical twilight").Cells,
              (std::vector<std::string>{"Astronomical twilight", "", "", "", "",
                                        "Sun never below -18\xC2\xB0"}));
}

TEST(AlmanacTables, PolarDayAndPolarNightSayAlwaysUpOrNeverRises)
{
    // Tromso (69.65 N), local days of UTC+1: midsummer and midwinter of 2024.
    const struct
    {
        double start; // UT Julian date of local midnight
        const char* sunNote;
        const char* civilNote;
    } cases[] = {
        {2460482.5 - 1.0 / 24, "always up", "Sun never below -6\xC2\xB0"},
        {2460665.5 - 1.0 / 24, "never rises", ""},
    };
    for (const auto& c : cases)
    {
        const almanac::Table table = almanac::MakeDayTable(
            almanac::ComputeDay({69.65, 18.96}, {c.start, c.start + 1.0}), FixedZone(3600));
        const almanac::TableRow& sun = RowNamed(table, "Sun");
        EXPECT_EQ(sun.Cells[1], "") << c.sunNote;
        EXPECT_EQ(sun.Cells[3], "") << c.sunNote;
        EXPECT_NE(sun.Cells[2], "") << "the Sun still transits";
        EXPECT_EQ(sun.Cells[5], c.sunNote);
        EXPECT_EQ(RowNamed(table, "Civil twilight").Cells[5], c.civilNote);
    }
}

TEST(AlmanacTables, ASecondEventOfOneKindIsNotedAfterTheFirst)
{
    // Saturn sets twice on this local day of 22.9 S, 43.2 W (UTC-3) in 1915, at 00:01:02 and
    // 23:56:36 (astronomy-engine, day_reference.csv: 447390061.6 and 447476196.1).
    const double start = 2415385.5 + 447390000.0 / 86400.0;
    const almanac::Table table = almanac::MakeDayTable(
        almanac::ComputeDay({-22.9, -43.2}, {start, start + 1.0}), FixedZone(-3 * 3600));
    const almanac::TableRow& saturn = RowNamed(table, "Saturn");
    EXPECT_EQ(saturn.Cells[3].substr(11), "00:01");
    EXPECT_EQ(saturn.Cells[5], "sets again at 23:57");
}
