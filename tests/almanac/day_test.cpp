// The Day page against astronomy-engine 2.1.19 (day_reference.csv): 104 local days of 13
// places from 60 S to 65 N over 1901 to 2999, and 11 days of midnight Sun and polar night at
// 66 to 78 degrees; and the local days of a zone with summer time.
#include "ReferenceTable.h"
#include "almanac/Almanac.h"
#include "sky/TimeScales.h"

#include <cmath>
#include <gtest/gtest.h>
#include <iostream>
#include <set>

using namespace almanac_test;

namespace
{
// A local day of the reference: its events by "<body or twilight> <event>", in time order.
struct ReferenceDay
{
    double latitude = 0, longitude = 0, start = 0, end = 0;
    std::map<std::string, std::vector<double>> events;    // Julian dates UT
    std::map<std::string, std::vector<double>> altitudes; // of each transit, by body
    std::map<std::string, std::string> courses;           // always_up, never_rises, above, below
};

std::vector<ReferenceDay> ReadDays()
{
    const ReferenceTable table = ReadReference("day_reference.csv");
    std::map<std::string, ReferenceDay> days;
    for (size_t r = 0; r < table.rows.size(); ++r)
    {
        const std::string key = table.Text(r, "latitude") + "," + table.Text(r, "longitude") + "," +
                                table.Text(r, "day_start");
        ReferenceDay& day = days[key];
        day.latitude = table.Number(r, "latitude");
        day.longitude = table.Number(r, "longitude");
        day.start = JulianDateOfSeconds(table.Number(r, "day_start"));
        day.end = JulianDateOfSeconds(table.Number(r, "day_end"));
        const std::string body = table.Text(r, "body"), event = table.Text(r, "event");
        if (table.Text(r, "seconds").empty())
            day.courses[body] = event;
        else
            day.events[body + " " + event].push_back(
                JulianDateOfSeconds(table.Number(r, "seconds")));
        if (event == "transit")
            day.altitudes[body].push_back(table.Number(r, "altitude"));
    }
    std::vector<ReferenceDay> out;
    for (auto& [key, day] : days)
        out.push_back(day);
    return out;
}

// The reference's names of a course: of a body, then of a twilight.
const char* const kCourses[2][3] = {{"", "always_up", "never_rises"}, {"", "above", "below"}};

// The page's events in the reference's terms.
ReferenceDay EventsOf(const almanac::DayPage& page)
{
    ReferenceDay ours;
    for (const almanac::BodyDay& body : page.Bodies)
    {
        const std::string name = almanac::BodyName(body.Which);
        for (const double jd : body.Rises)
            ours.events[name + " rise"].push_back(jd);
        for (const double jd : body.Sets)
            ours.events[name + " set"].push_back(jd);
        for (const almanac::Transit& t : body.Transits)
        {
            ours.events[name + " transit"].push_back(t.JulianDateUt);
            ours.altitudes[name].push_back(t.Altitude);
        }
        if (body.Course != almanac::DayCourse::RisesOrSets)
            ours.courses[name] = kCourses[0][static_cast<int>(body.Course)];
    }
    const char* twilights[] = {"civil", "nautical", "astronomical"};
    for (size_t k = 0; k < page.Twilights.size(); ++k)
    {
        const almanac::TwilightDay& t = page.Twilights[k];
        for (const double jd : t.MorningStarts)
            ours.events[std::string(twilights[k]) + " dawn"].push_back(jd);
        for (const double jd : t.EveningEnds)
            ours.events[std::string(twilights[k]) + " dusk"].push_back(jd);
        if (t.Course != almanac::DayCourse::RisesOrSets)
            ours.courses[twilights[k]] = kCourses[1][static_cast<int>(t.Course)];
    }
    return ours;
}

} // namespace

TEST(AlmanacDay, RisesSetsTransitsAndTwilightsMatchTheReference)
{
    Worst riseSet, riseSetHigh, transit, altitude;
    for (const ReferenceDay& day : ReadDays())
    {
        const almanac::DayPage page =
            almanac::ComputeDay({day.latitude, day.longitude}, {day.start, day.end});
        ASSERT_TRUE(page.Known);
        const ReferenceDay ours = EventsOf(page);
        const std::string where = std::to_string(day.latitude) + "," +
                                  std::to_string(day.longitude) + " day " +
                                  std::to_string(day.start);
        EXPECT_EQ(ours.courses, day.courses) << where;
        std::set<std::string> kinds;
        for (const auto& [kind, times] : day.events)
            kinds.insert(kind);
        for (const auto& [kind, times] : ours.events)
            kinds.insert(kind);
        for (const std::string& kind : kinds)
        {
            const std::vector<double>& expected =
                day.events.count(kind) ? day.events.at(kind) : std::vector<double>{};
            const std::vector<double>& got =
                ours.events.count(kind) ? ours.events.at(kind) : std::vector<double>{};
            ASSERT_EQ(got.size(), expected.size()) << where << " " << kind;
            const bool isTransit = kind.find("transit") != std::string::npos;
            const bool high = std::fabs(day.latitude) > 55.0;
            const double tolerance = isTransit || !high ? 1.0 : 3.0;
            for (size_t k = 0; k < got.size(); ++k)
            {
                const double error = std::fabs(got[k] - expected[k]) * kMinutesPerDay;
                EXPECT_LE(error, tolerance) << where << " " << kind << " #" << k;
                (isTransit ? transit : high ? riseSetHigh : riseSet).Take(error, where + kind);
            }
        }
        for (const auto& [body, expected] : day.altitudes)
            for (size_t k = 0; k < expected.size() && k < ours.altitudes.at(body).size(); ++k)
            {
                const double error = std::fabs(ours.altitudes.at(body)[k] - expected[k]);
                EXPECT_LE(error, 0.05) << where << " " << body << " transit altitude";
                altitude.Take(error, where + body);
            }
    }
    std::cout << "worst, minutes: rise/set/twilight to 55 deg " << riseSet.value << ", beyond "
              << riseSetHigh.value << " (" << riseSetHigh.where << "), transit " << transit.value
              << "; transit altitude " << altitude.value << " deg\n";
}

TEST(AlmanacLocalDay, SpansRunFromLocalMidnightToTheNextAcrossClockChanges)
{
    // Central European Time: UTC+1, and UTC+2 from 2024-03-31 01:00 UT to 2024-10-27 01:00 UT.
    const int64_t springForward = 3889299600; // 2024-03-31 01:00 UT, seconds since 1901
    const int64_t fallBack = 3907443600;      // 2024-10-27 01:00 UT
    const skytime::ZoneOffsetAt zone = [&](int64_t ut)
    { return ut >= springForward && ut < fallBack ? 7200 : 3600; };
    const double march31 = 2460400.5; // 2024-03-31 00:00 UT
    const struct
    {
        int year, month, day;
        double start, end; // UT Julian dates
    } cases[] = {
        {2024, 3, 30, march31 - 1.0 - 1.0 / 24, march31 - 1.0 / 24},
        {2024, 3, 31, march31 - 1.0 / 24, march31 + 22.0 / 24},                 // 23 hours
        {2024, 10, 27, march31 + 210.0 - 2.0 / 24, march31 + 211.0 - 1.0 / 24}, // 25 hours
        {1901, 1, 1, 2415385.5 - 1.0 / 24, 2415386.5 - 1.0 / 24},
        {2999, 12, 31, 2816786.5 - 1.0 / 24, 2816787.5 - 1.0 / 24},
    };
    for (const auto& c : cases)
    {
        const std::optional<almanac::Span> span = almanac::LocalDay(c.year, c.month, c.day, zone);
        ASSERT_TRUE(span) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_NEAR(span->Start, c.start, 1e-7) << c.month << "-" << c.day;
        EXPECT_NEAR(span->End, c.end, 1e-7) << c.month << "-" << c.day;
    }
    const std::optional<almanac::Span> march = almanac::LocalMonth(2024, 3, zone);
    ASSERT_TRUE(march);
    EXPECT_NEAR((march->End - march->Start) * 24.0, 31 * 24 - 1, 1e-6);
    const std::optional<almanac::Span> year = almanac::LocalYear(2024, zone);
    ASSERT_TRUE(year);
    EXPECT_NEAR(year->End - year->Start, 366.0, 1e-7);
    const struct
    {
        int year, month, day;
    } missing[] = {{2023, 2, 29}, {1900, 12, 31}, {3000, 1, 1}, {2024, 13, 1}};
    for (const auto& d : missing)
        EXPECT_FALSE(almanac::LocalDay(d.year, d.month, d.day, zone)) << d.year << "-" << d.month;
}

TEST(AlmanacBadInput, PlacesAndSpansTheSkyCannotComputeGiveAnUnknownPage)
{
    const double nan = std::nan("");
    const double day = 2460400.5;
    const struct
    {
        almanac::Observer where;
        almanac::Span span;
    } cases[] = {
        {{nan, 0.0}, {day, day + 1.0}},
        {{91.0, 0.0}, {day, day + 1.0}},
        {{45.0, nan}, {day, day + 1.0}},
        {{45.0, 0.0}, {day + 1.0, day}},
        {{45.0, 0.0}, {day, day + 3.0}},
        {{45.0, 0.0}, {nan, day}},
        {{45.0, 0.0}, {sky::kFirstValidJulianDate - 1.0, sky::kFirstValidJulianDate}},
        {{45.0, 0.0}, {sky::kLastValidJulianDate, sky::kLastValidJulianDate + 1.0}},
    };
    for (const auto& c : cases)
    {
        const almanac::DayPage page = almanac::ComputeDay(c.where, c.span);
        EXPECT_FALSE(page.Known) << c.where.Latitude << " " << c.span.Start;
        EXPECT_TRUE(page.Bodies[0].Rises.empty());
    }
    EXPECT_TRUE(almanac::FindMoonPhases({day + 30.0, day}).empty());
    EXPECT_TRUE(almanac::FindEclipses({nan, day}).empty());
    for (const almanac::Span span : {almanac::Span{day, day + 500.0}, almanac::Span{nan, day},
                                     almanac::Span{day, sky::kLastValidJulianDate + 10.0}})
    {
        const almanac::YearEvents year = almanac::ComputeYear(span);
        EXPECT_FALSE(year.Complete);
        EXPECT_TRUE(year.Events.empty());
    }
}
