#include "compute/zone_dates.h"

#include <absl/time/time.h>

#include <cmath>

namespace tessolar {

std::optional<CivilDate> DateInZone(double julianDate, const std::string& zone) {
  absl::TimeZone tz;
  if (!absl::LoadTimeZone(zone, &tz)) return std::nullopt;
  constexpr double kUnixEpoch = 2440587.5;  // 1970-01-01 00:00 UT
  const auto seconds = static_cast<int64_t>(std::llround((julianDate - kUnixEpoch) * 86400.0));
  const absl::CivilSecond local = tz.At(absl::FromUnixSeconds(seconds)).cs;
  return CivilDate{static_cast<int>(local.year()), local.month(), local.day()};
}

}  // namespace tessolar
