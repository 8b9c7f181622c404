// The Almanac's pages as rows of texts: the table the view shows and the CSV file it exports
// come from the same rows. Times are written "YYYY-MM-DD hh:mm" in the clock's time zone,
// rounded to the minute; an empty cell means none that day. Pure; no Qt.
#pragma once

#include "almanac/Almanac.h"
#include "time/SkyTime.h"

#include <string>
#include <vector>

namespace almanac
{
struct TableRow
{
    std::vector<std::string> Cells;  // one per column
    double JulianDateUt = 0;         // the instant the row leads to in the sky; NaN for none
    SkyView View = SkyView::StarMap; // the view that shows it best
};

struct Table
{
    std::vector<std::string> Columns; // the CSV's column names, also the view's headings
    std::vector<TableRow> Rows;
};

// The Day page: columns body, rise, transit, set, transit_altitude_deg, note; a row per body
// (Sun, Moon, Mercury to Neptune) with its first rise, transit and set and the altitude of
// that transit (degrees, one decimal), then a row per twilight ("Civil twilight", "Nautical
// twilight", "Astronomical twilight") whose rise is the morning start and set the evening end.
// The note says "always up" or "never rises" (for a twilight, "Sun never below -6°" or "Sun
// never above -6°") and names any further event of the day ("rises again at 23:58"). A row
// leads to the body's first transit (Star Map).
Table MakeDayTable(const DayPage& page, const skytime::ZoneOffsetAt& zone);

// The Month page: columns phase, time; a row per principal phase ("New Moon", "First
// Quarter", "Full Moon", "Last Quarter"), leading to its instant (Star Map).
Table MakeMonthTable(const std::vector<PhaseEvent>& phases, const skytime::ZoneOffsetAt& zone);

// The Year page: columns time, event, bodies; a row per event, named for a teacher ("Mars at
// opposition", "Greatest eastern elongation of Venus (47.1°)", "Total lunar eclipse", "Moon
// 1.2° from Jupiter", "March equinox", "Earth at perihelion"), leading to its instant in the
// view of ViewOf.
Table MakeYearTable(const std::vector<Event>& events, const skytime::ZoneOffsetAt& zone);

// The event's name as the Year page shows it.
std::string EventName(const Event& event);

// The UT Julian date `jd` as "YYYY-MM-DD hh:mm" in the zone, rounded to the minute; "" for a
// date that cannot be written.
std::string FormatLocalTime(double jd, const skytime::ZoneOffsetAt& zone);

// The table as CSV (RFC 4180): the column names, then one record per row, each ended by CRLF;
// a field holding a comma, a double quote, CR or LF is enclosed in double quotes and its double
// quotes doubled.
std::string FormatCsv(const Table& table);
} // namespace almanac
