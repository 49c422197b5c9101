#pragma once
// The calendar's year as iCalendar text.

#include <string>

#include "caldata/cal_database.h"

namespace tessolar {

// Every shown entry of the calendar's year as an all-day event; birthdays and
// anniversaries recur yearly from their first year. `stamp` is the DTSTAMP
// (UTC, "YYYYMMDDTHHMMSSZ"); UIDs stay the same from one export to the next.
std::string ExportICalendar(const CCalDatabase& db, const std::string& stamp);

// The English type name the export writes as CATEGORIES, and its reading back
// (-1 for a name that is none).
int EntryTypeFromCategory(const std::string& category);

// Whether entries of `type` recur every year from their first year.
bool IsYearlyType(uint32_t type);

}  // namespace tessolar
