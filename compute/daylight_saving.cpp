#include "compute/daylight_saving.h"

#include <absl/time/civil_time.h>
#include <absl/time/time.h>

namespace tessolar {

std::optional<std::vector<ClockChange>> ClockChangesOf(const std::string& zone, int year) {
  absl::TimeZone tz;
  // Abseil keeps each zone it loaded, so a zone is read from its file once.
  if (!absl::LoadTimeZone(zone, &tz)) return std::nullopt;
  std::vector<ClockChange> changes;
  absl::Time at = absl::FromCivil(absl::CivilSecond(year, 1, 1), tz) - absl::Seconds(1);
  absl::TimeZone::CivilTransition transition;
  while (tz.NextTransition(at, &transition) && transition.from.year() <= year) {
    at = tz.At(transition.to).trans;
    if (transition.from.year() < year) continue;
    const absl::TimeZone::CivilInfo before = tz.At(at - absl::Seconds(1));
    const absl::TimeZone::CivilInfo after = tz.At(at);
    // Summer time is where the flag changes; Dublin's zone keeps its flag
    // on in winter, so the direction of the change says which way it went.
    if (before.is_dst == after.is_dst || before.offset == after.offset) continue;
    // The day whose clock reading changes: where midnight falls in the
    // skipped hour, the day that begins late; in the repeated one, the day
    // that ends twice.
    const bool forward = after.offset > before.offset;
    const absl::CivilSecond& day = forward ? transition.from : transition.to;
    changes.push_back({day.month() - 1, day.day(), forward});
  }
  return changes;
}

}  // namespace tessolar
