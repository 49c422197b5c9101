#include "generators/full_moon_days.h"

#include <string>
#include <vector>

#include "compute/julian_date.h"
#include "compute/language_table.h"
#include "compute/moon_phases.h"
#include "generators/sky_zone.h"

namespace tessolar {
namespace {

constexpr const char* kFullMoonPicture = "full-moon-3.gif";

// Beyond these years the lunation series drifts by days, and the store keeps
// four-digit years.
constexpr int kFirstMoonYear = -4000;
constexpr int kLastMoonYear = 9999;

// The lunations that can hold a full moon of one year in any zone: the one
// before the one bracketing 2 January at noon and up to fourteen after it.
constexpr int kMaxLunationsPerYear = 16;

}  // namespace

void GenerateFullMoons(CCalDatabase& db, int year, bool remove) {
  const std::string name = LanguageString(db.Language(), lang::kFullMoon);
  // The moons of any earlier build go, whatever year and zone they were
  // dated for, so that none stays beside the new ones.
  if (RemoveSkyDays(db, 0, name)) db.SortAndCompact();
  if (remove || year < kFirstMoonYear || year > kLastMoonYear) return;

  // Stepping from one new moon's date to the next can bracket the lunation
  // just handled again (a true new moon hours before its mean one); walking
  // the lunation numbers from the first bracket enters each full moon once.
  const double start = CivilToJulianDate(year, 0, 1, 23, 59, 59) + 0.5;
  double k = PhaseHunt(start).lunation - 1;
  for (int i = 0; i < kMaxLunationsPerYear; ++i, k += 1) {
    // Within 10 minutes of the full series over 1800-2200 (moon_phases.h),
    // dated in the calendar's zone.
    const CivilDate date = SkyDate(db, TruePhase(k, 0.5));
    if (date.year > year) break;
    if (date.year == year) {
      db.SaveHolidayData(date.month - 1, date.day, date.year, kAstronomicalDay, name,
                         kFullMoonPicture, 0, 1);
    }
  }
}

}  // namespace tessolar
