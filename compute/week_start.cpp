#include "compute/week_start.h"

namespace tessolar {

int UsualFirstWeekday(int country) {
  constexpr int kUnitedStates = 0, kCanada = 1, kMexico = 4;
  return country == kUnitedStates || country == kCanada || country == kMexico ? kSundayFirst
                                                                              : kMondayFirst;
}

bool UsualWeekNumbers(int country) {
  constexpr int kGermany = 6, kFrance = 8, kBelgium = 9, kNetherlands = 10, kItaly = 11,
                kSpain = 12, kAustria = 13;
  switch (country) {
    case kGermany:
    case kFrance:
    case kBelgium:
    case kNetherlands:
    case kItaly:
    case kSpain:
    case kAustria: return true;
    default: return false;
  }
}

}  // namespace tessolar
