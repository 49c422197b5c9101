#include "caldata/cal_entry.h"

#include <array>
#include <cctype>
#include <tuple>
#include <utility>

#include "compute/language_table.h"

namespace tessolar {

bool CalEntry::operator==(const CalEntry& o) const {
  return std::tie(day, month, showAge, hidden, weekday, weekCode, enteredYear, year, type, index,
                  description, pictureFile) ==
         std::tie(o.day, o.month, o.showAge, o.hidden, o.weekday, o.weekCode, o.enteredYear, o.year,
                  o.type, o.index, o.description, o.pictureFile);
}

CalEntry DatedEntry(int month, int day, int year, uint32_t type, std::string description,
                    std::string pictureFile) {
  CalEntry entry;
  entry.day = static_cast<uint8_t>(day);
  entry.month = static_cast<uint8_t>(month);
  entry.year = static_cast<int16_t>(year);
  entry.type = type;
  entry.showAge = 1;
  entry.description = std::move(description);
  entry.pictureFile = std::move(pictureFile);
  return entry;
}

int RuleDayIn(const CalEntry& entry, int year) {
  if (!entry.IsFloating() || entry.weekday > 6) return -1;
  const int day =
      WeekdayRuleDayOf(entry.description, entry.weekCode, entry.weekday, entry.month, year);
  return day >= 1 && day <= DaysInMonth(entry.month, year) ? day : -1;
}

std::string EntryTypeName(int language, uint32_t type) {
  // Only the astronomical days' name follows the language.
  static const std::array<const char*, kEntryTypeCount> kNames = {"Anniversary",
                                                                  "Birthday",
                                                                  "National Holiday",
                                                                  "Hebrew Holiday",
                                                                  "Christian Holiday",
                                                                  "",
                                                                  "Sober Anniversary",
                                                                  "Reminder",
                                                                  "Personal Event",
                                                                  "Historical Event",
                                                                  ""};
  if (type == kAstronomicalDay) return LanguageString(language, lang::kFullMoon);
  return type < kNames.size() ? kNames[type] : "";
}

bool IsNoPicture(std::string_view picture) {
  const size_t slash = picture.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? picture : picture.substr(slash + 1);
  if (picture.empty()) return true;
  if (name.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i) {
    if (std::tolower(static_cast<unsigned char>(name[i])) != kNoPicture[i]) return false;
  }
  return true;
}

}  // namespace tessolar
