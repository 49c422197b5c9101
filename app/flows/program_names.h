#pragma once
// What the program's own lists, labels and messages call languages,
// countries, months, weekdays, week rules and entry types: English phrases
// that the desktop shows in its own language. The pages name them in the
// calendar's language instead (compute/language_table.h), so a German
// desktop lists "Englisch" and "Januar" while it edits an English calendar.

#include <cstdint>

#include "caldata/user_text.h"

namespace tessolar {

// Each takes what the calendar stores and gives "Unknown" for one out of range.
Phrase LanguagePhrase(int language);  // 0 English .. 5 Italian
Phrase CountryPhrase(int country);    // 0 United States .. 13 Austria
Phrase MonthPhrase(int month);        // 0 January .. 11 December
Phrase WeekdayPhrase(int weekday);    // 0 Sunday .. 6 Saturday
Phrase WeekRulePhrase(int weekCode);  // kWeekFirst "First" .. kWeekLast "Last"
Phrase EntryTypePhrase(uint32_t type);

}  // namespace tessolar
