#include "caldata/cal_entry.h"

#include <array>

#include "compute/language_table.h"

#include <tuple>

namespace tessolar {

bool CalEntry::operator==(const CalEntry& o) const {
  return std::tie(day, month, showAge, hidden, weekday, weekCode, enteredYear, year, type, index,
                  description, pictureFile) ==
         std::tie(o.day, o.month, o.showAge, o.hidden, o.weekday, o.weekCode, o.enteredYear, o.year,
                  o.type, o.index, o.description, o.pictureFile);
}

int RuleDayIn(const CalEntry& entry, int year) {
  if (!entry.IsFloating() || entry.weekday > 6) return -1;
  const int day =
      WeekdayRuleDayOf(entry.description, entry.weekCode, entry.weekday, entry.month, year);
  return day >= 1 && day <= DaysInMonth(entry.month, year) ? day : -1;
}

std::string EntryTypeName(int language, uint32_t type) {
  // Only the astronomical days' name follows the language.
  static const std::array<const char*, kEntryTypeCount> kNames = {
      "Anniversary",       "Birthday",          "National Holiday", "Hebrew Holiday",
      "Christian Holiday", "",                  "Sober Anniversary", "Reminder",
      "Personal Event",    "Historical Event",  ""};
  if (type == kAstronomicalDay) return LanguageString(language, lang::kAstronomicalDay);
  return type < kNames.size() ? kNames[type] : "";
}

}  // namespace tessolar
