#pragma once
// Floating days (the n-th or last weekday of a month) entered into or removed
// from the store; the date itself comes from WeekdayRuleDayOf.

#include <string>

#include "caldata/cal_database.h"
#include "compute/date_arithmetic.h"

namespace tessolar {

enum RuleAction {
  kEnterNational = 0,   // enter as a national holiday (type 2)
  kRemoveNational = 1,
  kEnterPersonal = 2,   // enter as a personal event (type 8)
  kRemovePersonal = 3,
  kComputeOnly = 4,
};

// The day for kComputeOnly; the store's result for the other actions; -1 when
// the rule gives no day (a year before 1775, Election Day in an odd year) or
// the action is unknown. The day moves by `shift`, whatever the name.
int WeekdayRuleDay(CCalDatabase& db, const std::string& name, int code, int weekday, int month,
                   int year, const std::string& picture, int action,
                   RuleShift shift = RuleShift::kNone);

// The last Monday before `limitDay` of May (Victoria Day), entered
// (kEnterNational) or removed (kRemoveNational). Returns 0.
int LastWeekdayBeforeDay(CCalDatabase& db, const std::string& name, int month, int limitDay,
                         int year, const std::string& picture, int action);

}  // namespace tessolar
