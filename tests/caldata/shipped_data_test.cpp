#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "compute/date_arithmetic.h"
#include "pages/image_size.h"

namespace tessolar {
namespace {

// The shipped sample calendar loads whole, shows every kind of entry, and
// finds all its pictures in the shipped clip-art.

TEST(SampleCalendar, LoadsWholeWithEveryKindOfEntryAndShippedPictures) {
  CCalDatabase db;
  std::string message;
  ASSERT_EQ(LoadCalendarFile(db, std::string(TESSOLAR_SOURCE_DIR) + "/resources/sample.cal", &message), 1) << message;
  EXPECT_EQ(db.Year(), 2027);
  EXPECT_TRUE(db.Christian() && db.Hebrew() && db.Equinox() && db.FullMoons() && db.National());
  std::set<uint32_t> types;
  int hidden = 0, floating = 0, beforeCommonEra = 0, fullDays = 0;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    types.insert(e.type);
    hidden += e.hidden;
    beforeCommonEra += e.year < 0;
    // A floating entry stands on its rule's day of 2027.
    if (e.IsFloating()) {
      ++floating;
      EXPECT_EQ(e.day, WeekdayRuleDayOf(e.description, e.weekCode, e.weekday, e.month, 2027));
    }
    if (e.pictureFile.find("null") == std::string::npos) {
      EXPECT_TRUE(std::filesystem::is_regular_file(db.PicturePathToShow(e.pictureFile))) << e.pictureFile;
    }
  }
  for (int slot = 0; slot < kBigPictureCount; ++slot) {
    EXPECT_TRUE(std::filesystem::is_regular_file(db.BigPicturePath(slot))) << slot;
  }
  for (int m = 0; m < 12; ++m) {
    for (int d = 1; d <= DaysInMonth(m, 2027); ++d) fullDays += db.CountEntriesOfDay(m, d) == 4;
  }
  EXPECT_EQ(types, (std::set<uint32_t>{kAnniversary, kBirthday, kSoberAnniversary, kReminder, kPersonalEvent,
                                       kHistoricalEvent}));
  EXPECT_TRUE(hidden >= 1 && floating >= 1 && beforeCommonEra >= 1 && fullDays >= 1);
  CCalDatabase again;
  ASSERT_EQ(ReadCalendarBytes(again, CalendarText(db)), 1);
  EXPECT_EQ(CalendarText(again), CalendarText(db));
}

// The shipped clip-art: exactly the listed pictures, each a whole file in the
// format its name says, measured by the pages' own size probe.

namespace fs = std::filesystem;

}  // namespace
}  // namespace tessolar
