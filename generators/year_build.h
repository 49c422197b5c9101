#pragma once
// Keeps the computed days of a calendar in line with its year, start month,
// country, language and include flags, adding or removing whole categories.

#include <array>

#include "caldata/cal_database.h"
#include "compute/notes.h"

namespace tessolar {

// The categories in the order the build visits them.
enum class DayCategory { kChristian, kNational, kJewish, kEquinox, kFullMoons, kMoonPhases };
inline constexpr int kDayCategoryCount = 6;

class CYearBuild {
 public:
  // Runs the generator of every category whose include flag differs from what
  // was last built (in add mode when the flag is on, else remove mode), or of
  // every category in remove mode when `removeAll` is true; sorts the store once
  // if any generator ran. The calendar runs from its start month of `year`;
  // each month gets the days a January calendar of its own year has in it.
  // A category the year has no days of is noted in `notes` when given.
  void BuildYear(CCalDatabase& db, int year, bool removeAll, Notes* notes = nullptr);

  // Whether a category's days for the current year, country and language are in the store.
  bool LastBuilt(DayCategory category) const { return lastBuilt_[static_cast<int>(category)]; }

 private:
  // None built at first: the days a file carries for a category that is on
  // stand as they are until its flag changes. A new or opened calendar gets
  // a build of its own.
  std::array<bool, kDayCategoryCount> lastBuilt_{};
};

}  // namespace tessolar
