#include "caldata/random_calendar_support.h"

#include <array>
#include <vector>

#include "caldata/regions.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

int Pick(std::mt19937& rng, int lo, int hi) {
  return std::uniform_int_distribution<int>(lo, hi)(rng);
}

}  // namespace

std::string RandomText(std::mt19937& rng, int maxPieces) {
  static const std::array<const char*, 24> kPieces = {
      "a", "Zoe", " ", "\"",   "\"\"",  "\t", "&",    "<b>",  "'",     "\\", "/",    ",",
      "é", "Ü",   "ß", "日本", "Ωμέγα", "🎂",  "null", "NULL", "&amp;", "  ", "Anna", "1970"};
  std::string text;
  const int pieces = Pick(rng, 0, maxPieces);
  for (int i = 0; i < pieces; ++i) text += kPieces[Pick(rng, 0, kPieces.size() - 1)];
  return text;
}

void FillRandomCalendar(CCalDatabase& db, std::mt19937& rng, int entries) {
  const int language = Pick(rng, 0, kLanguageCount - 1);
  const int country = Pick(rng, 0, kCountryCount - 1);
  db.ResetDatabase();
  db.SetLanguage(language);
  db.SetCountry(country);
  // Half of them in one of the country's regions, where it has any.
  const std::vector<Region> regions = RegionsOf(country);
  if (!regions.empty() && Pick(rng, 0, 1) == 1) {
    db.SetRegion(regions[Pick(rng, 0, static_cast<int>(regions.size()) - 1)].code);
  }
  db.SetYear(Pick(rng, 1800, 2300));
  db.SetChristian(Pick(rng, 0, 1));
  db.SetHebrew(Pick(rng, 0, 1));
  db.SetEquinox(Pick(rng, 0, 1));
  db.SetFullMoons(Pick(rng, 0, 1));
  db.SetNational(Pick(rng, 0, 1));
  db.SetFirstWeekday(Pick(rng, 0, 1));
  // Folders are stored with a trailing slash, so resolved pictures keep their folder.
  db.SetClipartDirectory(Pick(rng, 0, 3) == 0 ? "" : "/home/u/" + RandomText(rng, 3) + "/");
  db.SetTitle(RandomText(rng));
  db.SetFontMainBody(RandomText(rng, 2));
  db.SetTitleFontStyle(RandomText(rng, 2));
  db.SetTitleFontColor(RandomText(rng, 2));
  db.SetTitleFontSize(Pick(rng, 0, 256));
  db.SetTitleXPos(Pick(rng, 0, 1025));
  db.SetTitleYPos(Pick(rng, 0, 925));
  db.SetTitlePictureIndex(Pick(rng, 0, 12));
  db.SetTitleWidth(Pick(rng, 0, 1025));
  for (int slot = 0; slot < kBigPictureCount; ++slot) {
    db.SetBigPicture(slot, RandomText(rng, 3), RandomText(rng, 3));
  }
  for (int i = Pick(rng, 0, 20); i > 0; --i) {
    db.AddExcludedDay({static_cast<uint8_t>(Pick(rng, 0, 11)),
                       static_cast<uint8_t>(Pick(rng, 1, 31)), RandomText(rng)});
  }

  for (int i = 0; i < entries; ++i) {
    const int month = Pick(rng, 0, 11);
    const int day = Pick(rng, 1, DaysInMonth(month, db.Year()));
    int year = Pick(rng, -3000, 9998);
    if (year == 0) year = 1;
    const std::string description = RandomText(rng);
    const std::string picture = db.ResolvePicturePath(RandomText(rng, 3));
    const int kind = Pick(rng, 0, 4);
    if (kind == 0) {  // a computed day; those always have a name
      db.ReplaceHolidayData(month, day, db.Year(), Pick(rng, 2, 5), "Day " + description, picture);
    } else if (kind == 1) {  // an event entered with the checks of the store
      db.SaveHolidayData(month, day, year, Pick(rng, 0, 9), description, picture, Pick(rng, 0, 1),
                         Pick(rng, 0, 1));
    } else if (kind <= 3) {  // an event from the event dialog, with the year as typed
      CalEntry e;
      e.month = static_cast<uint8_t>(month);
      e.day = static_cast<uint8_t>(day);
      e.year = e.enteredYear = static_cast<int16_t>(year);
      e.type = Pick(rng, 0, 9);
      e.showAge = Pick(rng, 0, 1);
      e.hidden = Pick(rng, 0, 1);
      e.description = description.empty() ? "unknown" : description;
      e.pictureFile = picture;
      if (kind == 3) {  // a floating one, dated for the calendar year, its picture as typed
        e.weekday = static_cast<uint8_t>(Pick(rng, 0, 6));
        e.weekCode = static_cast<uint8_t>(Pick(rng, kWeekFirst, kWeekLast));
        e.day = static_cast<uint8_t>(
            WeekdayRuleDayOf(description, e.weekCode, e.weekday, e.month, db.Year()));
        e.description = description;
        e.pictureFile = RandomText(rng, 3);
      }
      db.SaveHolidayData(e);
    } else {  // an entry added and deleted again
      db.SaveHolidayData(month, day, year, 9, "gone" + description, picture, 0, 0);
      db.RemoveEntryByDescription("gone" + description);
    }
  }
}

}  // namespace tessolar
