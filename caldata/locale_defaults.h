#pragma once
// What a new calendar starts with on the desktop: the page language, the
// country and the first day of the week of the desktop's locale, where the
// program has them, and the region of its time zone.

#include <string>
#include <string_view>

namespace tessolar {

struct LocaleCalendar {
  int language = 0;      // English
  int country = 0;       // the United States
  int firstWeekday = 0;  // as the country starts its weeks
};

// For a locale name such as "de_DE.UTF-8", "en_IE" or "es_MX@euro": its
// language and its territory where the program has them, else English and
// the United States, each on its own; the week starts as the country's does.
LocaleCalendar CalendarForLocale(std::string_view localeName);

// The tz database name of the desktop's time zone ("Australia/Perth"): TZ,
// else where /etc/localtime points, else /etc/timezone; empty when none says.
std::string DesktopZoneName();

// The locale the desktop keeps its dates in: LC_ALL, then LC_TIME, then
// LANG; empty when none is set.
std::string DesktopLocaleName();

}  // namespace tessolar
