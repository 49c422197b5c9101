#pragma once
// The days the clocks change, read from the tz database (the system's
// zoneinfo files, through Abseil's time zones). Past the database's table of
// transitions a zone follows its last rule, as the database says.

#include <optional>
#include <string>
#include <vector>

namespace tessolar {

struct ClockChange {
  int month;     // 0-based, in the zone's own time
  int day;       // the day the clocks change on
  bool forward;  // summer time starts; otherwise it ends
};

// The clock changes of tz zone `zone` (such as "Europe/Berlin") in `year`,
// in date order: those where summer time starts or ends, not a change of the
// zone's standard time; none for a year or zone without summer time. Nothing
// at all for a zone the system's database does not have.
std::optional<std::vector<ClockChange>> ClockChangesOf(const std::string& zone, int year);

}  // namespace tessolar
