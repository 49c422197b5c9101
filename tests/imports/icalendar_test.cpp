#include <gtest/gtest.h>
#include <libical/ical.h>

#include <sstream>
#include <tuple>

#include "generators/year_build.h"
#include "imports/icalendar_export.h"
#include "imports/icalendar_import.h"
#include "imports/import_source.h"
#include "imports/vcard_reader.h"

namespace tessolar {
namespace {

using Day = std::tuple<int, int, int, uint32_t, std::string>;

Day DayOf(const CalEntry& e) { return {e.month, e.day, e.year, e.type, e.description}; }

TEST(ICalendar, ExportPassesValidationAndImportsBackTheShownEntries) {
  CCalDatabase db;
  db.SetYear(2024);
  db.SetNational(true);
  db.SetChristian(true);
  CYearBuild().BuildYear(db, 2024, false);
  const std::string longName = "Anna \"Berg\", née Müller; the one from Zürich who sings in the choir";
  db.SaveHolidayData(2, 14, 1990, kBirthday, longName, kNoPicture, 0, 1);
  db.SaveHolidayData(5, 20, 2015, kAnniversary, "Ben & Cleo", kNoPicture, 0, 1);
  db.SaveHolidayData(8, 1, 2024, kPersonalEvent, "Picnic", kNoPicture, 1, 0);  // hidden
  db.SaveHolidayData(8, 2, 2023, kReminder, "Last year's", kNoPicture, 0, 0);
  db.SortAndCompact();
  std::vector<Day> shown;
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    if (e.hidden || e.type == kReminder) continue;
    shown.push_back(DayOf(e));
    if (!IsYearlyType(e.type)) std::get<2>(shown.back()) = 2024;  // a day of this year only
  }

  const std::string text = ExportICalendar(db, "20240101T000000Z");
  EXPECT_EQ(text, ExportICalendar(db, "20240101T000000Z"));
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) EXPECT_LE(line.size(), 76u) << line;
  icalcomponent* parsed = icalparser_parse_string(text.c_str());
  ASSERT_NE(parsed, nullptr);
  EXPECT_EQ(icalcomponent_count_errors(parsed), 0);
  EXPECT_EQ(icalrestriction_check(parsed), 1);
  icalcomponent_free(parsed);

  CCalDatabase fresh;
  fresh.SetYear(2024);
  ImportPlan plan;
  UserText error;
  ASSERT_TRUE(PlanICalendarImport(text, fresh, &plan, &error)) << English(error);
  std::vector<Day> imported;
  for (const ImportCandidate& c : plan.candidates) imported.push_back(DayOf(c.entry));
  EXPECT_EQ(imported, shown);
  EXPECT_TRUE(plan.skipped.empty());
  ASSERT_TRUE(PlanICalendarImport(text, db, &plan, &error));
  EXPECT_EQ(plan.CheckedCount(), 0u);  // all there already
}

// A calendar from September writes each day in the year its month has, and
// takes back single events of its own months only, saying which months.
TEST(ICalendar, ASchoolYearWritesAndTakesBackDaysInTheYearsOfTheirMonths) {
  CCalDatabase db;
  db.SetYear(2027);
  db.SetStartMonth(8);
  db.SaveHolidayData(2, 5, 2028, kPersonalEvent, "Concert", kNoPicture, 0, 0);
  db.SaveHolidayData(9, 15, 2027, kPersonalEvent, "Fair", kNoPicture, 0, 0);
  db.SortAndCompact();
  std::string text = ExportICalendar(db, "20270901T000000Z");
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:20280305"), std::string::npos);
  EXPECT_NE(text.find("DTSTART;VALUE=DATE:20271015"), std::string::npos);
  // The same March a year before lies outside the calendar.
  const size_t march = text.find("20280305");
  text.replace(text.find("20280306"), 8, "20270306").replace(march, 8, "20270305");

  CCalDatabase fresh;
  fresh.SetYear(2027);
  fresh.SetStartMonth(8);
  ImportPlan plan;
  UserText error;
  ASSERT_TRUE(PlanICalendarImport(text, fresh, &plan, &error)) << English(error);
  ASSERT_EQ(plan.candidates.size(), 1u);
  EXPECT_EQ(DayOf(plan.candidates[0].entry), Day(9, 15, 2027, kPersonalEvent, "Fair"));
  ASSERT_EQ(plan.skipped.size(), 1u);
  EXPECT_EQ(English(plan.skipped[0].reason),
            "a single event on 2027-03-05, not between 2027-09-01 and 2028-08-31");
}

// Both formats: refused with a message, or read without a candidate.
TEST(ImportSource, HostileTextIsRefusedWithAMessageOrGivesNothing) {
  const std::string card = "BEGIN:VCARD\r\nVERSION:3.0\r\n";
  struct Case {
    std::string text, message;
  } cases[] = {
      {std::string("BEGIN:VCARD\0\x01\x02", 14), "not text"},
      {"hello world\n", "no vCard"},
      {card + "FN;CHARSET=KOI8-R:abc\r\nEND:VCARD\r\n", "character set KOI8-R"},
      {card + "FN:M\xFCller\r\n", "not UTF-8"},
      {card + "NOTE:" + std::string(kMaxImportLineBytes + 1, 'a') + "\r\n", "longer than"},
      {std::string(kMaxImportFileBytes + 1, ' '), "larger than"},
      {card + "FN:Cut\r\nBDAY:1990-0", ""},
      {std::string("BEGIN:VCALENDAR\0\xFF", 17), "not UTF-8"},
      {"BEGIN:VCALENDAR\r\nSUMMARY:M\xFCller\r\nEND:VCALENDAR\r\n", "not UTF-8"},
      {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:2024", "no iCalendar calendar"},
      {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\nDTSTART:20241341\r\nEND:VEVENT\r\nEND:VCALENDAR", ""},
  };
  CCalDatabase db;
  db.SetYear(2024);
  for (const Case& c : cases) {
    UserText error;
    const auto plan = PlanImportFromText(c.text, db, &error);
    EXPECT_EQ(plan.has_value(), c.message.empty()) << c.text.substr(0, 60);
    EXPECT_NE(English(error).find(c.message), std::string::npos) << English(error);
    EXPECT_EQ(plan ? plan->candidates.size() : size_t{0}, size_t{0});
  }
}

}  // namespace
}  // namespace tessolar
