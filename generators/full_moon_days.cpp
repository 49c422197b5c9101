#include "generators/full_moon_days.h"

#include <string>
#include <vector>

#include "compute/julian_date.h"
#include "compute/language_table.h"
#include "compute/moon_phases.h"

namespace tessolar {
namespace {

constexpr const char* kFullMoonPicture = "full-moon-3.gif";

// Beyond these years the lunation series drifts by days, and the store keeps
// four-digit years.
constexpr int kFirstMoonYear = -4000;
constexpr int kLastMoonYear = 9999;

// The lunations that can hold a full moon of one year: the one bracketing
// 2 January at noon and twelve or thirteen after it.
constexpr int kMaxLunationsPerYear = 15;

// Removes every computed full moon, whatever year it was built for, so that
// the moons of an earlier build never stay beside new ones. Only astronomical
// days are touched: a user's own event of the same name stays.
void RemoveFullMoons(CCalDatabase& db, const std::string& name) {
  std::vector<CalEntry> moons;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry* e = db.EntryAt(i);
    if (e->type == kAstronomicalDay && e->description == name) moons.push_back(*e);
  }
  for (const CalEntry& e : moons) {
    db.RemoveHolidayData(e.month, e.day, e.year, e.type, e.description, e.pictureFile);
  }
  if (!moons.empty()) db.SortAndCompact();
}

}  // namespace

void GenerateFullMoons(CCalDatabase& db, int year, bool remove) {
  const std::string name = LanguageString(db.Language(), lang::kFullMoon);
  RemoveFullMoons(db, name);
  if (remove || year < kFirstMoonYear || year > kLastMoonYear) return;

  // Stepping from one new moon's date to the next can bracket the lunation
  // just handled again (a true new moon hours before its mean one); walking
  // the lunation numbers from the first bracket enters each full moon once.
  const double start = CivilToJulianDate(year, 0, 1, 23, 59, 59) + 0.5;
  double k = PhaseHunt(start).lunation;
  for (int i = 0; i < kMaxLunationsPerYear; ++i, k += 1) {
    const CalendarDate date = JulianDateToCivil(TruePhase(k, 0.5));
    if (date.year > year) break;
    if (date.year == year) {
      db.SaveHolidayData(date.month - 1, date.day, date.year, kAstronomicalDay, name,
                         kFullMoonPicture, 0, 1);
    }
  }
}

}  // namespace tessolar
