#include "generators/season_days.h"

#include <string>

#include "compute/language_table.h"
#include "compute/seasons.h"
#include "generators/sky_zone.h"

namespace tessolar {
namespace {

struct SeasonRow {
  Season season;
  int nameEntry;
  const char* picture;
};

constexpr SeasonRow kSeasonRows[kSeasonCount] = {
    {Season::kMarchEquinox, lang::kMarchEquinox, "flowers54.jpg"},
    {Season::kJuneSolstice, lang::kJuneSolstice, "sunshine3.gif"},
    {Season::kSeptemberEquinox, lang::kSeptemberEquinox, "leaves1_tr.gif"},
    {Season::kDecemberSolstice, lang::kDecemberSolstice, "snowman1_tr.gif"},
};

}  // namespace

void GenerateSeasonDays(CCalDatabase& db, int year, bool remove, Notes* notes) {
  if (!IsSeasonYear(year)) {
    // Only this category is skipped; the rest of the year build goes on.
    if (!remove) {
      Note(notes, "Equinoxes and solstices are computed for the years " +
                      std::to_string(kFirstSeasonYear) + " to " + std::to_string(kLastSeasonYear) +
                      "; " + std::to_string(year) + " has none.");
    }
    return;
  }
  for (const SeasonRow& row : kSeasonRows) {
    // Within 25 minutes of the true instant over 1800-2200 (seasons.h), dated
    // in the calendar's zone.
    const CivilDate date = SkyDate(db, SeasonMoment(year, row.season));
    const std::string name = LanguageString(db.Language(), row.nameEntry);
    if (remove) {
      // On whatever day the zone of the build that entered it put it.
      RemoveSkyDays(db, year, name);
    } else {
      db.ReplaceHolidayData(date.month - 1, date.day, date.year, kAstronomicalDay, name,
                            row.picture);
    }
  }
}

}  // namespace tessolar
