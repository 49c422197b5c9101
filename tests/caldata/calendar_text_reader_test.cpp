#include "caldata/calendar_text_reader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/calendar_text.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

// A calendar text as the program of `build` wrote it.
std::string FileOfBuild(int build, const std::vector<std::string>& entries,
                        const std::vector<std::string>& excluded = {}) {
  std::string t = std::to_string(build) +
                  "\tBuild\n2\tLanguage\n6\tCountry\n2007\tYear\n"
                  "1\tChristian\n0\tHebrew\n1\tEquinox\n0\tFullMoons\n1\tNational\n";
  if (build > 1038) t += "/clip/\tClipartDirectory\n";
  t += "Arial\tFontMainBody\nFamily\tTitle\n";
  if (build > 4028) t += "Georgia\tTitleFontStyle\nred\tTitleFontColor\n99\tTitleFontSize\n";
  if (build > 4030) t += "10\t20\t3\t500\tTitleXPos, Y, Idx, Width\n";
  for (int i = 0; i < kBigPictureCount; ++i)
    t += "big" + std::to_string(i) + ".jpg\tBig " + std::to_string(i) + "\n";
  t += std::to_string(entries.size()) + "\n";
  for (const std::string& e : entries) t += e + "\n";
  if (build > 1039) {
    t += std::to_string(excluded.size()) + "\n";
    for (const std::string& x : excluded) t += x + "\n";
  }
  return t;
}

class CalendarTextReader : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }
  CCalDatabase db;
};

TEST_F(CalendarTextReader, EachBuildThresholdDecidesWhichLinesAreRead) {
  const std::string third = "2\t14\t1975\t1\t1\t0\tValentina\tv.jpg";
  // Fields 9 to 11 of a floating entry: Monday, third week, entered year.
  const std::string floating = "0\t15\t1990\t8\t0\t1\tTeam day\tnull\t1\t43\t1990";
  const std::string excluded = "11\t24\tEve";
  struct Case {
    int build;
    bool clip, floatingFields, titleFont, titlePosition, excludedDays;
  };
  for (const Case& c :
       {Case{1000, false, false, false, false, false}, Case{1039, true, false, false, false, false},
        Case{1040, true, false, false, false, true}, Case{4028, true, true, false, false, true},
        Case{4029, true, true, true, false, true}, Case{4030, true, true, true, false, true},
        Case{4034, true, true, true, true, true}}) {
    SCOPED_TRACE(c.build);
    CCalDatabase d;
    ASSERT_EQ(ReadCalendarText(d, FileOfBuild(c.build, {floating, third}, {excluded})), 1);
    EXPECT_EQ(GetLanguageIndex(), 2);
    EXPECT_EQ(GetCountryIndex(), 6);
    EXPECT_TRUE(d.Christian() && d.Equinox() && d.National() && !d.Hebrew() && !d.FullMoons());
    EXPECT_EQ(d.ClipartDirectory(), c.clip ? "/clip/" : "");
    EXPECT_EQ(d.FontMainBody(), "Arial");
    EXPECT_EQ(d.Title(), "Family");
    EXPECT_EQ(d.TitleFontStyle(), c.titleFont ? "Georgia" : "Verdana");
    EXPECT_EQ(d.TitleFontColor(), c.titleFont ? "red" : "gray");
    EXPECT_EQ(d.TitleFontSize(), c.titleFont ? 99u : 128u);
    EXPECT_EQ(d.TitleXPos(), c.titlePosition ? 10u : 50u);
    EXPECT_EQ(d.TitleWidth(), c.titlePosition ? 500u : 700u);
    EXPECT_EQ(d.BigPictureAt(11).pictureFile, "big11.jpg");
    EXPECT_EQ(d.BigPictureAt(11).description, "Big 11");
    ASSERT_EQ(d.Count(), 2u);
    const CalEntry& team = *d.EntryAt(0);
    EXPECT_EQ(team.description, "Team day");
    EXPECT_EQ(team.weekCode, c.floatingFields ? 43 : 0);
    EXPECT_EQ(team.weekday, c.floatingFields ? 1 : 0);
    EXPECT_EQ(team.enteredYear, c.floatingFields ? 1990 : 0);
    EXPECT_EQ(team.hidden, 1);
    EXPECT_EQ(d.EntryAt(1)->pictureFile, (c.clip ? "/clip/" : "") + std::string("v.jpg"));
    EXPECT_EQ(d.ExcludedDays().size(), c.excludedDays ? 1u : 0u);
  }
}

TEST_F(CalendarTextReader, AMissingRequiredLineFailsAndKeepsWhatWasRead) {
  const std::string full = FileOfBuild(4034, {"3\t1\t2000\t1\t1\t0\tX\tnull\t0\t0\t0"});
  // Cut after the title line: the title font line is missing.
  const std::string cut = full.substr(0, full.find("Georgia"));
  EXPECT_EQ(ReadCalendarText(db, cut), 0);
  EXPECT_EQ(db.Title(), "Family");
  EXPECT_EQ(db.Year(), 2007);
  // Every shorter cut fails as well; none crashes.
  for (size_t n = 0; n + 1 < full.size(); ++n) {
    CCalDatabase d;
    ASSERT_EQ(ReadCalendarText(d, full.substr(0, n)), 0) << n;
  }
  // The main font line is never a reason to fail.
  std::string noFont = full;
  noFont.replace(noFont.find("Arial\tFontMainBody"), 18, "\t\t\tFontMainBody");
  CCalDatabase fresh;
  EXPECT_EQ(ReadCalendarText(fresh, noFont), 1);
  EXPECT_EQ(fresh.FontMainBody(), "Verdana");
}

TEST_F(CalendarTextReader, EntryLinesTheStoreCannotHoldAreDropped) {
  ASSERT_EQ(
      ReadCalendarText(db, FileOfBuild(4034,
                                       {
                                           "12\t1\t2000\t1\t1\t0\tMonth twelve\tnull\t0\t0\t0",
                                           "3\t0\t2000\t1\t1\t0\tDay zero\tnull\t0\t0\t0",
                                           "3\t1\t0\t1\t1\t0\tYear zero\tnull\t0\t0\t0",
                                           "3\t300\t2000\t1\t1\t0\tDay too big\tnull\t0\t0\t0",
                                           "x\t1\t2000\t1\t1\t0\tNo month\tnull\t0\t0\t0",
                                           "3\t1\t70000\t1\t1\t0\tYear too big\tnull\t0\t0\t0",
                                           "3\t2\t2000\t1\t1\t0\t\t\t0\t0\t0",
                                       })),
      1);
  ASSERT_EQ(db.Count(), 1u);
  EXPECT_EQ(db.EntryAt(0)->description, "unknown");
  EXPECT_EQ(db.EntryAt(0)->pictureFile, "/clip/");
}

TEST_F(CalendarTextReader, SettingsOutsideTheirLimitsKeepTheirValues) {
  std::string text = FileOfBuild(4034, {});
  auto set = [&text](const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
  };
  set("2\tLanguage", "3\tLanguage");
  set("6\tCountry", "-1\tCountry");
  set("2007\tYear", "99999999999999999999999\tYear");
  set("99\tTitleFontSize", "257\tTitleFontSize");
  set("10\t20\t3\t500", "1026\t926\t13\t4294967296");
  SetLanguageIndex(1);
  ASSERT_EQ(ReadCalendarText(db, text), 1);
  EXPECT_EQ(GetLanguageIndex(), 1);
  EXPECT_EQ(GetCountryIndex(), 0);
  EXPECT_EQ(db.Year(), 2007);
  EXPECT_EQ(db.TitleFontSize(), 128u);
  EXPECT_EQ(db.TitleXPos(), 50u);
  EXPECT_EQ(db.TitleYPos(), 50u);
  EXPECT_EQ(db.TitlePictureIndex(), 0u);
  EXPECT_EQ(db.TitleWidth(), 700u);
}

TEST_F(CalendarTextReader, ATextWithoutABuildNumberIsNoCalendar) {
  for (const char* first : {"junk", "", "999", "-4034", "99999999999"}) {
    CCalDatabase d;
    EXPECT_EQ(ReadCalendarText(d, FileOfBuild(4034, {}).replace(0, 4, first)), 0) << first;
  }
  EXPECT_EQ(ReadCalendarText(db, FileOfBuild(4034, {}).replace(0, 4, " 4034 ")), 1);
}

TEST_F(CalendarTextReader, QuotesInOldFilesReadAsTheSplitterSays) {
  ASSERT_EQ(ReadCalendarText(
                db, FileOfBuild(4034,
                                {
                                    "1\t1\t2000\t1\t1\t0\t\"Quoted\tname\"\t/a.jpg\t0\t0\t7",
                                    "1\t2\t2000\t1\t1\t0\t\"Open\t/b.jpg\t0\t0\t8",
                                    "1\t3\t2000\t1\t1\t0\t\"Say \"\"hi\"\"\"\t/c.jpg\t0\t0\t9",
                                })),
            1);
  ASSERT_EQ(db.Count(), 3u);
  EXPECT_EQ(db.EntryAt(0)->description, "Quoted\tname");
  EXPECT_EQ(db.EntryAt(0)->enteredYear, 7);
  // Without a closing quote the rest of the line is description.
  EXPECT_EQ(db.EntryAt(1)->description, "Open\t/b.jpg\t0\t0\t8");
  EXPECT_EQ(db.EntryAt(1)->pictureFile, "/clip/");
  EXPECT_EQ(db.EntryAt(2)->description, "Say \"hi\"");
}

TEST_F(CalendarTextReader, ABigPictureLineWithOneFieldLeavesThePictureEmpty) {
  std::string text = FileOfBuild(4034, {});
  text.replace(text.find("big3.jpg\tBig 3"), 14, "big3.jpg\t");
  ASSERT_EQ(ReadCalendarText(db, text), 1);
  EXPECT_EQ(db.BigPictureAt(3).pictureFile, "");
  EXPECT_EQ(db.BigPictureAt(4).pictureFile, "big4.jpg");
}

TEST_F(CalendarTextReader, FloatingEntriesAreDatedForTheCalendarYear) {
  // Third Monday of January: the 15th in 2007; the file still says the 16th.
  // Two floating entries of the same name must both survive.
  ASSERT_EQ(ReadCalendarText(
                db, FileOfBuild(4034,
                                {
                                    "0\t16\t1990\t8\t0\t0\tClub\tnull\t1\t43\t1990",
                                    "5\t0\t1990\t8\t0\t1\tClub\tnull\t0\t45\t1990",
                                    "10\t7\t2006\t8\t0\t0\tElection Day party\tnull\t1\t41\t0",
                                    "3\t5\t1990\t8\t0\t0\tBad weekday\tnull\t9\t41\t0",
                                    "3\t0\t1990\t8\t0\t0\tNo day at all\tnull\t9\t41\t0",
                                })),
            1);
  ASSERT_EQ(db.Count(), 4u);
  const CalEntry& january = *db.EntryAt(0);
  EXPECT_EQ(january.day, 15);
  EXPECT_EQ(january.year, 1990);
  EXPECT_EQ(january.type, kPersonalEvent);
  EXPECT_EQ(january.pictureFile, "null");
  EXPECT_EQ(db.EntryAt(1)->description, "Bad weekday");
  EXPECT_EQ(db.EntryAt(1)->day, 5);
  // Last Sunday of June 2007.
  EXPECT_EQ(db.EntryAt(2)->day, 24);
  EXPECT_EQ(db.EntryAt(2)->hidden, 1);
  // No election in 2007: the entry keeps the day it had.
  EXPECT_EQ(db.EntryAt(3)->day, 7);
  for (uint32_t i = 0; i < db.Count(); ++i) EXPECT_EQ(db.EntryAt(i)->index, i);
}

TEST_F(CalendarTextReader, CountsBeyondTheTextOrTheStoreNeitherHangNorOverflow) {
  std::string text = FileOfBuild(4034, {"0\t1\t2000\t1\t0\t0\tA\tnull\t0\t0\t0"}, {"0\t2\tB"});
  text.replace(text.find("\n1\n0\t1") + 1, 1, "4000000000");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(ReadCalendarText(db, text), 0);  // the excluded-days count line was taken as an entry
  EXPECT_EQ(db.Count(), 1u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

  std::vector<std::string> many;
  for (int i = 0; i < 700; ++i)
    many.push_back("4\t" + std::to_string(i % 28 + 1) + "\t2000\t9\t0\t0\tE\tnull\t0\t0\t0");
  CCalDatabase d;
  ASSERT_EQ(ReadCalendarText(d, FileOfBuild(4034, many, {"0\t2\tB"})), 1);
  EXPECT_EQ(d.Count(), kMaxEntries);
  EXPECT_EQ(d.ExcludedDays().size(), 1u);
}

TEST_F(CalendarTextReader, ExcludedDaysKeepOnlyRecordsTheListTakes) {
  ASSERT_EQ(ReadCalendarText(db, FileOfBuild(4034, {},
                                             {"11\t24\tEve", "12\t1\tBad month", "-244\t1\tWraps",
                                              "3\t0\tDay zero", "3\t256\tBig day", "", "0\t1\t"})),
            1);
  ASSERT_EQ(db.ExcludedDays().size(), 2u);
  EXPECT_EQ(db.ExcludedDays()[0], (ExcludedDay{11, 24, "Eve"}));
  EXPECT_EQ(db.ExcludedDays()[1], (ExcludedDay{0, 1, ""}));
}

}  // namespace
}  // namespace tessolar
