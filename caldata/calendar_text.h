#pragma once
// The calendar text: the lines of configuration and entries that a calendar
// file holds, one tab between fields and a line feed after every line.

#include <string>

#include "caldata/cal_database.h"

namespace tessolar {

// Calendar years a file or a command line may set; computed days carry the
// calendar year as their own 16-bit year, and 9999 marks a deleted entry.
inline constexpr int kMinCalendarYear = 1;
inline constexpr int kMaxCalendarYear = 9998;

// The text of the store as a calendar file holds it, built afresh on each
// call: configuration, big pictures, every entry valid for saving (in table
// order) and the excluded days. Texts are written so that LineSplitter reads
// them back unchanged, except that a line break inside a text becomes a space.
std::string CalendarText(const CCalDatabase& db);

}  // namespace tessolar
