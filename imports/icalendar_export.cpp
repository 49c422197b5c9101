#include "imports/icalendar_export.h"

#include <libical/ical.h>

#include <cstdio>
#include <memory>
#include <set>

#include "compute/date_arithmetic.h"

namespace tessolar {

namespace {

using Component = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

// FNV-1a over what identifies an entry, so its UID survives re-exports.
std::string StableUid(const CalEntry& entry, int calendarYear, std::set<std::string>* used) {
  uint64_t hash = 14695981039346656037ull;
  char key[64];
  std::snprintf(key, sizeof key, "%u|%d|%d|%d|%d|", entry.type, entry.month, int{entry.day},
                int{entry.year}, calendarYear);
  for (const char c : std::string(key) + entry.description) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  for (int n = 0;; ++n) {
    char uid[64];
    std::snprintf(uid, sizeof uid, "%016llx-%d@tessolar", static_cast<unsigned long long>(hash), n);
    if (used->insert(uid).second) return uid;
  }
}

icaltimetype DateOf(int year, int month, int day) {
  icaltimetype date = icaltime_null_date();
  date.year = year;
  date.month = month + 1;
  date.day = day;
  return date;
}

}  // namespace

bool IsYearlyType(uint32_t type) {
  return type == kBirthday || type == kAnniversary || type == kSoberAnniversary;
}

int EntryTypeFromCategory(const std::string& category) {
  for (int type = 0; type < static_cast<int>(kEmptyEntry); ++type) {
    if (EntryTypeName(0, static_cast<uint32_t>(type)) == category) return type;
  }
  return -1;
}

std::string ExportICalendar(const CCalDatabase& db, const std::string& stamp) {
  Component calendar(icalcomponent_new_vcalendar(), &icalcomponent_free);
  icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
  icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Tessolar//Calendar//EN"));
  const icaltimetype dtstamp = icaltime_from_string(stamp.c_str());
  std::set<std::string> uids;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& entry = *db.EntryAt(i);
    const bool yearly = IsYearlyType(entry.type);
    if (!entry.IsValidForSaving() || entry.hidden || entry.month > 11) continue;
    // Each entry in the year its month has in the calendar.
    const int monthYear = db.Span().YearOf(entry.month);
    if (entry.type == kReminder && entry.year != monthYear) continue;
    const int year = yearly ? entry.year : monthYear;
    if (entry.day > DaysInMonth(entry.month, year)) continue;
    icalcomponent* event = icalcomponent_new_vevent();
    icalcomponent_add_property(event,
                               icalproperty_new_uid(StableUid(entry, monthYear, &uids).c_str()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(dtstamp));
    const icaltimetype start = DateOf(year, entry.month, entry.day);
    icaltimetype end = start;
    icaltime_adjust(&end, 1, 0, 0, 0);
    icalcomponent_add_property(event, icalproperty_new_dtstart(start));
    icalcomponent_add_property(event, icalproperty_new_dtend(end));
    icalcomponent_add_property(event, icalproperty_new_summary(entry.description.c_str()));
    icalcomponent_add_property(event, icalproperty_new_categories(EntryTypeName(0, entry.type).c_str()));
    icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
    if (yearly) {
      icalrecurrencetype rule;
      icalrecurrencetype_clear(&rule);
      rule.freq = ICAL_YEARLY_RECURRENCE;
      icalcomponent_add_property(event, icalproperty_new_rrule(rule));
    }
    icalcomponent_add_component(calendar.get(), event);
  }
  char* text = icalcomponent_as_ical_string_r(calendar.get());
  std::string result = text ? text : "";
  std::free(text);
  return result;
}

}  // namespace tessolar
