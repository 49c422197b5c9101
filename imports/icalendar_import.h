#pragma once
// Candidates for a calendar from the events of an iCalendar file.

#include <string>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"
#include "imports/import_plan.h"

namespace tessolar {

// An event that recurs every year becomes an anniversary (or the type its
// CATEGORIES names) from its first year; a one-off event in the calendar's
// year a personal event; the rest is skipped with the reason. False with
// `error` set for text that is not an iCalendar calendar.
bool PlanICalendarImport(const std::string& text, const CCalDatabase& db, ImportPlan* plan,
                         UserText* error);

}  // namespace tessolar
