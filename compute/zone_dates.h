#pragma once
// The date an instant falls on where the calendar's owner lives: in a tz zone
// of the system's database (through Abseil's time zones), which holds the
// zone's offsets and summer times for every year.

#include <optional>
#include <string>

#include "compute/date_arithmetic.h"

namespace tessolar {

// The civil date in tz zone `zone` (such as "Australia/Sydney") of the
// instant `julianDate`, a Julian date in Universal Time; nothing for a zone
// the system's database does not have.
std::optional<CivilDate> DateInZone(double julianDate, const std::string& zone);

}  // namespace tessolar
