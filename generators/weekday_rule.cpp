#include "generators/weekday_rule.h"

namespace tessolar {
namespace {

int EnterOrRemove(CCalDatabase& db, bool remove, uint32_t type, const std::string& name, int month,
                  int day, int year, const std::string& picture) {
  const int y = year;
  if (remove) return static_cast<int>(db.RemoveHolidayData(month, day, y, type, name, picture));
  return static_cast<int>(db.ReplaceHolidayData(month, day, y, type, name, picture));
}

}  // namespace

int WeekdayRuleDay(CCalDatabase& db, const std::string& name, int code, int weekday, int month,
                   int year, const std::string& picture, int action, RuleShift shift) {
  const int day = WeekdayRuleDayOf(code, weekday, month, year, shift);
  if (day < 0) return -1;
  switch (action) {
    case kEnterNational:
    case kRemoveNational:
      return EnterOrRemove(db, action == kRemoveNational, kNationalHoliday, name, month, day, year,
                           picture);
    case kEnterPersonal:
    case kRemovePersonal:
      return EnterOrRemove(db, action == kRemovePersonal, kPersonalEvent, name, month, day, year,
                           picture);
    case kComputeOnly:
      return day;
    default:
      return -1;
  }
}

int LastWeekdayBeforeDay(CCalDatabase& db, const std::string& name, int month, int limitDay,
                         int year, const std::string& picture, int action) {
  const int day = LastMondayOfMayBefore(limitDay, year);
  // Before 1775 there is no rule day; entering a made-up date would be wrong.
  if (day < 0) return 0;
  if (action == kEnterNational || action == kRemoveNational) {
    EnterOrRemove(db, action == kRemoveNational, kNationalHoliday, name, month, day, year, picture);
  }
  return 0;
}

}  // namespace tessolar
