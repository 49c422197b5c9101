// Days as the month pages show them: the entries each day shows, in order,
// with their captions, slots and pictures fitted to the day's layout, and
// the cell's markup acting on exactly those entries.

#include "pages/day_cell.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generators/year_build.h"
#include "pages/month_view.h"

namespace tessolar {
namespace {

// 320 x 240: fitted 126 x 95 in the one-entry box, 75 x 56 in the two-entry
// box and 53 x 40 in a quadrant.
const std::string kPicture = std::string(TESSOLAR_TEST_DATA) + "/pictures/baseline_320x240.jpg";
const std::string kPictureUrl = "file://" + kPicture;

// "slot caption url WxH" of each entry a day shows.
std::vector<std::string> Shown(const DayView& day) {
  std::vector<std::string> shown;
  for (const EntryView& e : day.entries) {
    shown.push_back(std::to_string(e.slot) + " " + e.caption + " " + e.url + " " +
                    std::to_string(e.box.width) + "x" + std::to_string(e.box.height));
  }
  return shown;
}

class DayCellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_.SetClipartDirectory("/clip/");
    // Three entries on earlier days, so the entries of March 5 sit in slots 3 and up.
    for (int day = 1; day <= 3; ++day) Add(day, 1990, kPersonalEvent, "Filler", "null");
  }
  void Add(int day, int year, uint32_t type, const std::string& description,
           const std::string& picture, int showAge = 0) {
    db_.SaveHolidayData(2, day, year, type, description, picture, 0, showAge);
    db_.SortAndCompact();
  }
  DayView Day(int day) {
    PageFacts facts(db_, &notes_);
    return BuildMonthView(db_, 2, db_.Year(), facts).days.at(day - 1);
  }
  std::string Cell(int day) {
    std::string cell;
    AppendDayCell(cell, Day(day), 2, "Verdana");
    return cell;
  }
  CCalDatabase db_;
  Notes notes_;
};

TEST_F(DayCellTest, OneEntryCaptionOverOneLargePictureOrAnInvisibleDefaultBox) {
  Add(5, 1950, kBirthday, "Ann <b>", kPicture, 1);
  Add(6, 2000, kNationalHoliday, "Holiday", "null");
  EXPECT_EQ(Day(5).layout, DayLayout::kOne);
  EXPECT_EQ(Shown(Day(5)), std::vector<std::string>({"3 Ann <b> turns 57 " + kPictureUrl + " 126x95"}));
  const std::string cell = Cell(5);
  EXPECT_NE(cell.find("data-entry=3 onDblClick=onBtnOk(\"calidx0003\") >Ann &lt;b&gt; turns 57<"),
            std::string::npos);
  EXPECT_NE(cell.find("onBtnOk(\"caldate0205\"); >5</span>"), std::string::npos);
  EXPECT_EQ(Shown(Day(6)), std::vector<std::string>({"4 Holiday null 133x95"}));
  // A picture whose name holds "null" is a picture: nullarbor.jpg once never showed;
  // a file named null, in any case and folder, is none, and is never looked for.
  const std::string nullarbor = ::testing::TempDir() + "nullarbor.jpg";
  std::filesystem::copy_file(kPicture, nullarbor,
                             std::filesystem::copy_options::overwrite_existing);
  Add(7, 2000, kPersonalEvent, "Trip", nullarbor);
  Add(8, 2000, kPersonalEvent, "Trip", "/pics/NULL");
  EXPECT_EQ(Day(7).entries.at(0).url, "file://" + nullarbor);
  EXPECT_EQ(Shown(Day(8)), std::vector<std::string>({"6 Trip null 133x95"}));
  EXPECT_TRUE(notes_.empty());
}

TEST_F(DayCellTest, TwoEntriesSideBySideAndSoberAnniversariesGetTheShippedPicture) {
  Add(5, 1990, kPersonalEvent, "Dentist", kPicture);
  Add(5, 2007, kReminder, "Meeting with the board", "null");
  EXPECT_EQ(Day(5).layout, DayLayout::kTwo);
  EXPECT_EQ(Shown(Day(5)), std::vector<std::string>({"3 Dentist " + kPictureUrl + " 75x56",
                                                     "4 Meeting with the board  0x0"}));
  EXPECT_NE(Cell(5).find("font-size:8;font-family:\"Verdana\"' role=button tabindex=-1 "
                         "data-entry=4 onDblClick=onBtnOk(\"calidx0004\")"),
            std::string::npos);
  Add(6, 1990, kSoberAnniversary, "Bob", "null");
  Add(6, 1995, kAnniversary, "Cy", "null");
  EXPECT_EQ(Day(6).entries.at(0).url, "file:///clip/al_anon.jpg");
  EXPECT_EQ(Day(6).entries.at(0).box, (PictureSize{80, 75}));
  EXPECT_EQ(Day(6).entries.at(1).box, (PictureSize{0, 0}));
}

// From three entries the quadrants show four under the day number, and a
// mark says how many more the day has. A day shows no entry dated after the
// calendar's year, hidden entries, or reminders of other years.
TEST_F(DayCellTest, QuadrantsUnderTheDayNumberAndAMarkForTheEntriesBeyondFour) {
  Add(5, 1980, kPersonalEvent, "First", kPicture);
  Add(5, 1985, kPersonalEvent, "Second of the three entries", "null");
  Add(5, 1990, kPersonalEvent, "Third", "null");
  Add(5, 2010, kBirthday, "Not yet born", kPicture);
  Add(5, 2006, kReminder, "Last year's", kPicture);
  db_.SaveHolidayData(2, 5, 1990, kPersonalEvent, "Hidden", "null", 1, 0);
  db_.SortAndCompact();
  const DayView three = Day(5);
  EXPECT_EQ(three.layout, DayLayout::kFour);
  EXPECT_EQ(three.more, 0u);
  EXPECT_EQ(Shown(three), std::vector<std::string>({"3 First " + kPictureUrl + " 53x40",
                                                    "4 Second of the three entries  0x0",
                                                    "5 Third  0x0"}));
  // The empty fourth quadrant acts on no entry: it once opened the
  // calendar's first entry (slot 0) for editing.
  const std::string cell = Cell(5);
  EXPECT_EQ(cell.find("calidx0000"), std::string::npos);
  EXPECT_NE(cell.find("font-family:\"Verdana\" ' >&nbsp;"), std::string::npos);
  EXPECT_EQ(cell.find("calmore"), std::string::npos);
  for (const char* name : {"Fourth", "Fifth", "Sixth", "Seventh"}) {
    Add(5, 1995, kPersonalEvent, name, "null");
  }
  const DayView seven = Day(5);
  EXPECT_EQ(seven.entries.size(), 4u);
  EXPECT_EQ(seven.entries.back().caption, "Fourth");
  EXPECT_EQ(seven.more, 3u);
  EXPECT_NE(Cell(5).find("onBtnOk(\"calmore0205\") >+3</span>"), std::string::npos);
}

// What a screen reader says of a day: its date in the page's language and
// the captions of all its shown entries, those behind the mark too.
TEST_F(DayCellTest, EachDayIsSpokenWithItsDateAndAllItsEntries) {
  for (int k = 0; k < 5; ++k) Add(9, 1990 + k, kPersonalEvent, "Visit " + std::to_string(k), "null");
  EXPECT_EQ(Day(9).spoken,
            "Friday, 9 March 2007: Visit 0; Visit 1; Visit 2; Visit 3; Visit 4");
  EXPECT_EQ(Day(10).spoken, "Saturday, 10 March 2007");
  EXPECT_NE(Cell(10).find("aria-label=\"Saturday, 10 March 2007\""), std::string::npos);
  const std::pair<int, const char*> languages[] = {{1, "Sábado, 10 de Marzo de 2007"},
                                                   {2, "Samstag, 10. März 2007"},
                                                   {3, "Samedi 10 Mars 2007"}};
  for (const auto& [language, spoken] : languages) {
    db_.SetLanguage(language);
    EXPECT_EQ(Day(10).spoken, spoken);
  }
}

// A calendar that marks days off marks the public holidays where it is, not
// the observances, and its weekends; one that does not marks nothing.
TEST(DaysOff, PublicHolidaysAndWeekendsAreMarkedWhereTheCalendarIs) {
  CCalDatabase db;
  db.SetYear(2027);
  db.SetCountry(6);  // Germany
  ASSERT_TRUE(db.SetRegion("DE-BY"));
  db.SetNational(true);
  db.SetChristian(true);
  CYearBuild().BuildYear(db, 2027, false);
  const auto may = [&db] {
    PageFacts facts(db);
    return BuildMonthView(db, 4, 2027, facts);
  };
  EXPECT_FALSE(may().days.at(0).dayOff);
  db.SetMarkDaysOff(true);
  const MonthView view = may();
  const auto marks = [&view](int day) {
    const DayView& d = view.days.at(static_cast<size_t>(day - 1));
    return std::make_pair(d.dayOff, d.weekend);
  };
  EXPECT_EQ(marks(1), std::make_pair(true, true));    // Tag der Arbeit, a Saturday
  EXPECT_EQ(marks(6), std::make_pair(true, false));   // Christi Himmelfahrt
  EXPECT_EQ(marks(9), std::make_pair(false, true));   // Muttertag, an observance
  EXPECT_EQ(marks(16), std::make_pair(false, true));  // Pfingstsonntag: no day off in Bavaria
  EXPECT_EQ(marks(27), std::make_pair(true, false));  // Fronleichnam in Bavaria
  EXPECT_EQ(marks(4), std::make_pair(false, false));
  std::string cell;
  AppendDayCell(cell, view.days.at(5), 4, "Verdana");
  EXPECT_NE(cell.find("class=\"xl25 dayoff\""), std::string::npos);
  EXPECT_NE(cell.find("color:#b3261e;font-weight:bold"), std::string::npos);
}

// A picture that cannot be read is said once however many days show it.
TEST_F(DayCellTest, APictureIsMeasuredOncePerPage) {
  const std::string broken = ::testing::TempDir() + "broken_picture.jpg";
  std::FILE* file = std::fopen(broken.c_str(), "w");
  std::fputs("not a picture", file);
  std::fclose(file);
  for (int day = 10; day <= 20; ++day) Add(day, 1990, kPersonalEvent, "Broken", broken);
  PageFacts facts(db_, &notes_);
  const MonthView march = BuildMonthView(db_, 2, db_.Year(), facts);
  EXPECT_EQ(march.days.at(14).entries.at(0).box, (PictureSize{133, 95}));
  EXPECT_EQ(notes_.size(), 1u);
}

}  // namespace
}  // namespace tessolar
