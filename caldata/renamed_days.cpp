#include "caldata/renamed_days.h"

#include <climits>

namespace tessolar {
namespace {

struct Renamed {
  const char* oldName;
  const char* newName;
  int firstYear = INT_MIN;  // the calendar years the new name holds for
  int lastYear = INT_MAX;
};

const Renamed kRenamed[] = {
    {"Rosh Hashana", "Rosh Hashanah"},
    {"Hanukkuh", "Hanukkah"},
    {"Christmas", "Christmas Day"},
    {"Late Summar Holiday", "Late Summer Bank Holiday"},
    {"Dominion Day", "Canada Day", 1982},
    {"Queen's Birthday", "King's Birthday", 1901, 1951},
    {"Queen's Birthday", "King's Birthday", 2023},
    {"Día de la San Valentín ", "Día de San Valentín"},
    {"Natilicio de Benito Juárez", "Natalicio de Benito Juárez"},
    {"Día de Trabajo", "Día del Trabajo"},
    {"Día de Independencia", "Día de la Independencia"},
    {"Todo el día de Santos", "Día de Todos los Santos"},
    {"Todo el día de Almas", "Día de los Fieles Difuntos"},
    {"Festejos de fin de Año", "Nochevieja"},
    {"Elecciones (Election Day)", "Día de las Elecciones"},
    {"Cuerpo de Marines", "Cuerpo de Marines de EE. UU."},
    {"Offenbarung", "Heilige Drei Könige"},
    {"Arbeitstag", "Tag der Arbeit"},
    {"Annahme-Tag", "Mariä Himmelfahrt"},
    {"Einheit-Tag", "Tag der Deutschen Einheit"},
    {"Der Allerheiligen", "Allerheiligen"},
    {"Str. Stephens Tag", "Zweiter Weihnachtstag"},
    {"Tag des Gebets und des Repentance", "Buß- und Bettag"},
    {"Wahltag (Election Day)", "Wahltag"},
    {"Erntedankfest (USA)", "Erntedankfest"},
};

bool IsComputedDay(const CalEntry& e) {
  if (e.IsFloating()) return false;
  if (e.type >= kNationalHoliday && e.type <= kAstronomicalDay) return true;
  // The United States list enters the Marine Corps' birthday, 10 November 1775.
  return e.type == kBirthday && e.month == 10 && e.day == 10 && e.year == 1775;
}

}  // namespace

void RenameOutdatedDay(CalEntry& entry, int calendarYear) {
  if (!IsComputedDay(entry)) return;
  for (const Renamed& r : kRenamed) {
    if (entry.description == r.oldName && calendarYear >= r.firstYear &&
        calendarYear <= r.lastYear) {
      entry.description = r.newName;
      return;
    }
  }
}

}  // namespace tessolar
