#include "generators/moon_days.h"

#include <string>
#include <vector>

#include "compute/julian_date.h"
#include "compute/language_entries.h"
#include "compute/language_table.h"
#include "compute/moon_phases.h"
#include "generators/sky_zone.h"

namespace tessolar {
namespace {

struct Phase {
  double fraction;  // of the lunation after its new moon
  int name;         // language-table entry
  const char* picture;
};

constexpr Phase kFullMoonPhase{0.5, lang::kFullMoon, "full-moon-3.gif"};
constexpr Phase kNewAndQuarters[] = {{0, lang::kNewMoon, "new-moon.gif"},
                                     {0.25, lang::kFirstQuarter, "first-quarter-moon.gif"},
                                     {0.75, lang::kLastQuarter, "last-quarter-moon.gif"}};

// Beyond these years the lunation series drifts by days, and the store keeps
// four-digit years.
constexpr int kFirstMoonYear = -4000;
constexpr int kLastMoonYear = 9999;

// The lunations that can hold a phase of one year in any zone: the one
// before the one bracketing 2 January at noon and up to fourteen after it.
constexpr int kMaxLunationsPerYear = 16;

void EnterPhase(CCalDatabase& db, int year, bool remove, const Phase& phase) {
  const std::string name = LanguageString(db.Language(), phase.name);
  // The days of any earlier build go, whatever year and zone they were
  // dated for, so that none stays beside the new ones.
  if (RemoveSkyDays(db, 0, name)) db.SortAndCompact();
  if (remove || year < kFirstMoonYear || year > kLastMoonYear) return;

  // Stepping from one new moon's date to the next can bracket the lunation
  // just handled again (a true new moon hours before its mean one); walking
  // the lunation numbers from the first bracket enters each phase once.
  const double start = CivilToJulianDate(year, 0, 1, 23, 59, 59) + 0.5;
  double k = PhaseHunt(start).lunation - 1;
  for (int i = 0; i < kMaxLunationsPerYear; ++i, k += 1) {
    // Within 10 minutes of the reference over 1900-2100 (moon_phases.h),
    // dated in the calendar's zone.
    const CivilDate date = SkyDate(db, TruePhase(k, phase.fraction));
    if (date.year > year) break;
    if (date.year == year) {
      db.SaveHolidayData(date.month - 1, date.day, date.year, kAstronomicalDay, name, phase.picture,
                         0, 1);
    }
  }
}

}  // namespace

void GenerateFullMoons(CCalDatabase& db, int year, bool remove) {
  EnterPhase(db, year, remove, kFullMoonPhase);
}

void GenerateMoonPhases(CCalDatabase& db, int year, bool remove) {
  for (const Phase& phase : kNewAndQuarters) EnterPhase(db, year, remove, phase);
}

}  // namespace tessolar
