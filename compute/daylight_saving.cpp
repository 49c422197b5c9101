#include "compute/daylight_saving.h"

#include <cctz/civil_time.h>
#include <cctz/time_zone.h>

namespace tessolar {

bool HasZone(const std::string& zone) {
  cctz::time_zone tz;
  return cctz::load_time_zone(zone, &tz);
}

std::vector<ClockChange> ClockChangesOf(const std::string& zone, int year) {
  std::vector<ClockChange> changes;
  cctz::time_zone tz;
  // cctz keeps each zone it loaded, so a zone is read from its file once.
  if (!cctz::load_time_zone(zone, &tz)) return changes;
  auto at = cctz::convert(cctz::civil_second(year, 1, 1), tz) - std::chrono::seconds(1);
  cctz::time_zone::civil_transition transition;
  while (tz.next_transition(at, &transition) && transition.from.year() <= year) {
    at = tz.lookup(transition.to).trans;
    if (transition.from.year() < year) continue;
    const auto before = tz.lookup(at - std::chrono::seconds(1));
    const auto after = tz.lookup(at);
    // Summer time is where the flag changes; Dublin's zone keeps its flag
    // on in winter, so the direction of the change says which way it went.
    if (before.is_dst == after.is_dst || before.offset == after.offset) continue;
    // The day whose clock reading changes: where midnight falls in the
    // skipped hour, the day that begins late; in the repeated one, the day
    // that ends twice.
    const bool forward = after.offset > before.offset;
    const cctz::civil_second& day = forward ? transition.from : transition.to;
    changes.push_back({day.month() - 1, day.day(), forward});
  }
  return changes;
}

}  // namespace tessolar
