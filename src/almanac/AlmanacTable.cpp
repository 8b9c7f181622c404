#include "almanac/AlmanacTable.h"

#include "sky/TimeScales.h"

#include <cmath>
#include <cstdio>

namespace almanac
{
namespace
{
constexpr const char* kDegree = "\xC2\xB0"; // U+00B0 in UTF-8

std::string Format(const char* format, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

int64_t FloorDivide(int64_t a, int64_t b)
{
    const int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The local time rounded to the minute, as minutes since 1901-01-01 00:00 local; empty for an
// instant outside the clock's calendar.
std::optional<int64_t> LocalMinute(double jd, const skytime::ZoneOffsetAt& zone)
{
    if (!zone || !(jd >= sky::kFirstValidJulianDate && jd <= sky::kLastValidJulianDate))
        return std::nullopt;
    const auto ut = static_cast<int64_t>(std::llround((jd - sky::kJulianDate1901) * 86400.0));
    const int64_t local = ut + zone(ut);
    return FloorDivide(local + 30, 60);
}

std::string FormatMinute(int64_t minute, bool withDate)
{
    const int64_t day = FloorDivide(minute, 1440);
    const int64_t ofDay = minute - day * 1440;
    const std::optional<sky::CalendarDate> date =
        sky::CalendarFromJulianDate(sky::kJulianDate1901 + static_cast<double>(day));
    if (!date)
        return "";
    char text[32];
    if (withDate)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", date->Year, date->Month,
                      date->Day, static_cast<int>(ofDay / 60), static_cast<int>(ofDay % 60));
    else
        std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(ofDay / 60),
                      static_cast<int>(ofDay % 60));
    return text;
}

std::string ClockTime(double jd, const skytime::ZoneOffsetAt& zone)
{
    const std::optional<int64_t> minute = LocalMinute(jd, zone);
    return minute ? FormatMinute(*minute, false) : "";
}

std::string First(const std::vector<double>& times, const skytime::ZoneOffsetAt& zone)
{
    return times.empty() ? "" : FormatLocalTime(times.front(), zone);
}

// "rises again at 23:58" for every event after the first.
void AddAgain(std::string& note, const char* verb, const std::vector<double>& times,
              const skytime::ZoneOffsetAt& zone)
{
    for (size_t k = 1; k < times.size(); ++k)
    {
        if (!note.empty())
            note += "; ";
        note += std::string(verb) + " again at " + ClockTime(times[k], zone);
    }
}

std::string CourseNote(DayCourse course)
{
    switch (course)
    {
    case DayCourse::AlwaysUp:
        return "always up";
    case DayCourse::NeverRises:
        return "never rises";
    case DayCourse::RisesOrSets:
        break;
    }
    return "";
}

std::string TwilightNote(const TwilightDay& twilight)
{
    const std::string depression = Format("-%.0f", TwilightDepression(twilight.Kind)) + kDegree;
    switch (twilight.Course)
    {
    case DayCourse::AlwaysUp:
        return "Sun never below " + depression;
    case DayCourse::NeverRises:
        return "Sun never above " + depression;
    case DayCourse::RisesOrSets:
        break;
    }
    return "";
}

std::string Quoted(const std::string& field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (const char c : field)
    {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

const char* EclipseTypeName(EclipseType type)
{
    switch (type)
    {
    case EclipseType::Total:
        return "Total";
    case EclipseType::Annular:
        return "Annular";
    case EclipseType::Hybrid:
        return "Hybrid";
    case EclipseType::Partial:
        return "Partial";
    case EclipseType::Penumbral:
        return "Penumbral";
    case EclipseType::None:
        break;
    }
    return "";
}

std::string EventBodies(const Event& event)
{
    const std::string subject = BodyName(event.Subject);
    switch (event.Kind)
    {
    case EventKind::MarchEquinox:
    case EventKind::JuneSolstice:
    case EventKind::SeptemberEquinox:
    case EventKind::DecemberSolstice:
        return "Sun";
    case EventKind::Perihelion:
    case EventKind::Aphelion:
        return "Earth, Sun";
    case EventKind::SolarEclipse:
        return "Sun, Moon";
    case EventKind::LunarEclipse:
        return "Moon";
    case EventKind::MoonApproach:
        return "Moon, " + subject;
    default:
        return subject + ", Sun";
    }
}
} // namespace

std::string FormatLocalTime(double jd, const skytime::ZoneOffsetAt& zone)
{
    const std::optional<int64_t> minute = LocalMinute(jd, zone);
    return minute ? FormatMinute(*minute, true) : "";
}

std::string EventName(const Event& event)
{
    const std::string subject = BodyName(event.Subject);
    const std::string degrees = Format("%.1f", event.Degrees) + kDegree;
    switch (event.Kind)
    {
    case EventKind::MarchEquinox:
        return "March equinox";
    case EventKind::JuneSolstice:
        return "June solstice";
    case EventKind::SeptemberEquinox:
        return "September equinox";
    case EventKind::DecemberSolstice:
        return "December solstice";
    case EventKind::Perihelion:
        return "Earth at perihelion";
    case EventKind::Aphelion:
        return "Earth at aphelion";
    case EventKind::Opposition:
        return subject + " at opposition";
    case EventKind::Conjunction:
        return subject + " in conjunction with the Sun";
    case EventKind::InferiorConjunction:
        return subject + " at inferior conjunction";
    case EventKind::SuperiorConjunction:
        return subject + " at superior conjunction";
    case EventKind::GreatestEasternElongation:
        return "Greatest eastern elongation of " + subject + " (" + degrees + ")";
    case EventKind::GreatestWesternElongation:
        return "Greatest western elongation of " + subject + " (" + degrees + ")";
    case EventKind::SolarEclipse:
        return std::string(EclipseTypeName(event.Eclipse)) + " solar eclipse";
    case EventKind::LunarEclipse:
        return std::string(EclipseTypeName(event.Eclipse)) + " lunar eclipse";
    case EventKind::MoonApproach:
        return "Moon " + degrees + " from " + subject;
    }
    return "";
}

Table MakeDayTable(const DayPage& page, const skytime::ZoneOffsetAt& zone)
{
    Table table;
    table.Columns = {"body", "rise", "transit", "set", "transit_altitude_deg", "note"};
    if (!page.Known)
        return table;
    for (const BodyDay& body : page.Bodies)
    {
        TableRow row;
        row.JulianDateUt =
            body.Transits.empty() ? std::nan("") : body.Transits.front().JulianDateUt;
        std::string note = body.Known ? CourseNote(body.Course) : "not computed";
        std::vector<double> transits;
        for (const Transit& t : body.Transits)
            transits.push_back(t.JulianDateUt);
        AddAgain(note, "rises", body.Rises, zone);
        AddAgain(note, "transits", transits, zone);
        AddAgain(note, "sets", body.Sets, zone);
        row.Cells = {BodyName(body.Which),
                     First(body.Rises, zone),
                     First(transits, zone),
                     First(body.Sets, zone),
                     body.Transits.empty() ? "" : Format("%.1f", body.Transits.front().Altitude),
                     note};
        table.Rows.push_back(std::move(row));
    }
    for (const TwilightDay& twilight : page.Twilights)
    {
        TableRow row;
        row.JulianDateUt =
            twilight.MorningStarts.empty() ? std::nan("") : twilight.MorningStarts.front();
        std::string note = TwilightNote(twilight);
        AddAgain(note, "starts", twilight.MorningStarts, zone);
        AddAgain(note, "ends", twilight.EveningEnds, zone);
        row.Cells = {TwilightName(twilight.Kind),
                     First(twilight.MorningStarts, zone),
                     "",
                     First(twilight.EveningEnds, zone),
                     "",
                     note};
        table.Rows.push_back(std::move(row));
    }
    return table;
}

Table MakeMonthTable(const std::vector<PhaseEvent>& phases, const skytime::ZoneOffsetAt& zone)
{
    Table table;
    table.Columns = {"phase", "time"};
    for (const PhaseEvent& phase : phases)
        table.Rows.push_back(
            {{sky::PhaseName(phase.Phase), FormatLocalTime(phase.JulianDateUt, zone)},
             phase.JulianDateUt,
             SkyView::StarMap});
    return table;
}

Table MakeYearTable(const std::vector<Event>& events, const skytime::ZoneOffsetAt& zone)
{
    Table table;
    table.Columns = {"time", "event", "bodies"};
    for (const Event& event : events)
        table.Rows.push_back(
            {{FormatLocalTime(event.JulianDateUt, zone), EventName(event), EventBodies(event)},
             event.JulianDateUt,
             ViewOf(event.Kind)});
    return table;
}

std::string FormatCsv(const Table& table)
{
    std::string out;
    const auto addRecord = [&out](const std::vector<std::string>& fields)
    {
        for (size_t k = 0; k < fields.size(); ++k)
        {
            if (k > 0)
                out += ',';
            out += Quoted(fields[k]);
        }
        out += "\r\n";
    };
    addRecord(table.Columns);
    for (const TableRow& row : table.Rows)
        addRecord(row.Cells);
    return out;
}
} // namespace almanac
