#pragma once
// Reads a calendar text into the store. The text may come from any build of
// the program since 1000: the build number on its first line says which lines
// and fields it holds.

#include <string_view>

#include "caldata/cal_database.h"

namespace tessolar {

// The earliest build whose files the reader knows; a text whose first line
// holds no build number from here on is not a calendar.
inline constexpr int kFirstKnownBuild = 1000;
// Builds that added lines or fields to the calendar text.
inline constexpr int kBuildWithClipart = 1039;         // ClipartDirectory line
inline constexpr int kBuildWithExcludedDays = 1040;    // ExcludedDays lines
inline constexpr int kBuildWithFloatingFields = 4028;  // weekday, week code, entered year
inline constexpr int kBuildWithTitleFont = 4029;       // title font, colour and size lines
inline constexpr int kBuildWithTitlePosition = 4031;   // title position line

// Reads `text` into `db`, which the caller has reset. Values go through the
// store's setters with their limits; entry lines the store refuses are
// dropped. Returns 1 when the text was read, 0 when it is not a calendar or
// a line it must hold is missing; what was read before stays in the store. Does not run
// the year build.
int ReadCalendarText(CCalDatabase& db, std::string_view text);

}  // namespace tessolar
