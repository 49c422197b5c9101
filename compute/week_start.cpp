#include "compute/week_start.h"

namespace tessolar {

int UsualFirstWeekday(int country) {
  constexpr int kUnitedStates = 0, kCanada = 1, kMexico = 4;
  return country == kUnitedStates || country == kCanada || country == kMexico ? kSundayFirst
                                                                              : kMondayFirst;
}

}  // namespace tessolar
