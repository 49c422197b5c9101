// The shipped sample calendar checked line by line against the plain calendar
// text layout, with dates recomputed here independently of the program's code.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tessolar {
namespace {

namespace fs = std::filesystem;

using Fields = std::vector<std::string>;

const fs::path kSourceDir(TESSOLAR_SOURCE_DIR);

std::vector<Fields> ReadSampleLines() {
  std::ifstream in(kSourceDir / "resources" / "sample.cal", std::ios::binary);
  std::vector<Fields> lines;
  for (std::string line; std::getline(in, line);) {
    Fields fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    lines.push_back(fields);
  }
  return lines;
}

// Weekday 0 = Sunday of a Gregorian date, month 1..12 (Sakamoto's method).
int Weekday(int y, int m, int d) {
  static const int offset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
  if (m < 3) y -= 1;
  return (y + y / 4 - y / 100 + y / 400 + offset[m - 1] + d) % 7;
}

int MonthLength(int y, int m) {
  static const int length[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
  return length[m - 1] + (m == 2 && leap ? 1 : 0);
}

// The nth (41..44) or last (45) given weekday of a month, month 1..12.
int FloatingDay(int y, int m, int weekday, int code) {
  std::vector<int> days;
  for (int d = 1; d <= MonthLength(y, m); ++d) {
    if (Weekday(y, m, d) == weekday) days.push_back(d);
  }
  return code == 45 ? days.back() : days.at(code - 41);
}

bool PictureIsShipped(const std::string& name) {
  return name.find('/') == std::string::npos &&
         fs::is_regular_file(kSourceDir / "resources" / "clipart" / name);
}

TEST(SampleCalendar, ConfigurationLinesCarryTheirLabelsAndValuesWithinLimits) {
  const std::vector<Fields> lines = ReadSampleLines();
  ASSERT_GT(lines.size(), 29u);
  const std::vector<std::pair<std::string, std::string>> labelled = {
      {"4034", "Build"},  {"0", "Language"},       {"0", "Country"}, {"2027", "Year"},
      {"1", "Christian"}, {"1", "Hebrew"},         {"1", "Equinox"}, {"1", "FullMoons"},
      {"1", "National"},  {"", "ClipartDirectory"}};
  for (size_t i = 0; i < labelled.size(); ++i) {
    EXPECT_EQ(lines[i], (Fields{labelled[i].first, labelled[i].second})) << "line " << i + 1;
  }
  EXPECT_EQ(lines[10].size(), 2u);
  EXPECT_FALSE(lines[10][0].empty()) << "an empty main font would be ignored";
  EXPECT_EQ(lines[10][1], "FontMainBody");
  EXPECT_EQ(lines[11].at(1), "Title");
  EXPECT_EQ(lines[12].at(1), "TitleFontStyle");
  EXPECT_EQ(lines[13].at(1), "TitleFontColor");
  EXPECT_EQ(lines[14].at(1), "TitleFontSize");
  EXPECT_LE(std::stoi(lines[14][0]), 256);

  const Fields& position = lines[15];
  ASSERT_EQ(position.size(), 5u);
  EXPECT_LT(std::stoul(position[0]), 1026u);
  EXPECT_LT(std::stoul(position[1]), 926u);
  EXPECT_LT(std::stoul(position[2]), 12u) << "the title shows one of the twelve big pictures";
  EXPECT_LT(std::stoul(position[3]), 1026u);

  for (size_t i = 16; i < 28; ++i) {
    SCOPED_TRACE("big picture line " + std::to_string(i + 1));
    ASSERT_EQ(lines[i].size(), 2u) << "a line of any other shape leaves the big picture empty";
    EXPECT_TRUE(PictureIsShipped(lines[i][0]));
    EXPECT_FALSE(lines[i][1].empty());
  }
}

TEST(SampleCalendar, EntriesAreValidSortedUserEventsOnTheirDaysOf2027) {
  const std::vector<Fields> lines = ReadSampleLines();
  ASSERT_GT(lines.size(), 29u);
  const size_t count = std::stoul(lines[28].at(0));
  ASSERT_GT(count, 0u);
  ASSERT_EQ(lines.size(), 29 + count + 1) << "entry count, entries, then the excluded-days count";
  EXPECT_EQ(lines.back(), Fields{"0"});

  std::tuple<int, int, int> previous{-1, 0, 0};
  std::map<std::pair<int, int>, int> shownPerDay;
  std::map<int, int> typesSeen;
  int floating = 0;
  int hidden = 0;
  for (size_t i = 29; i < 29 + count; ++i) {
    const Fields& f = lines[i];
    SCOPED_TRACE("line " + std::to_string(i + 1));
    ASSERT_EQ(f.size(), 11u);
    for (const std::string& field : f) {
      ASSERT_FALSE(field.empty());
      EXPECT_NE(field[0], '"') << "a leading quote would be read as quoting";
    }
    const int month = std::stoi(f[0]) + 1;
    const int day = std::stoi(f[1]);
    const int year = std::stoi(f[2]);
    const int type = std::stoi(f[3]);
    const int showAge = std::stoi(f[4]);
    const int isHidden = std::stoi(f[5]);
    const int weekday = std::stoi(f[8]);
    const int code = std::stoi(f[9]);
    ASSERT_GE(month, 1);
    ASSERT_LE(month, 12);
    EXPECT_GE(day, 1);
    EXPECT_LE(day, MonthLength(2027, month));
    EXPECT_NE(year, 0);
    EXPECT_LE(year, 2027) << "an entry dated after the calendar year is never shown";
    EXPECT_TRUE(type == 0 || type == 1 || (type >= 6 && type <= 9))
        << "computed days come from the year build";
    EXPECT_TRUE(showAge == 0 || showAge == 1);
    EXPECT_TRUE(isHidden == 0 || isHidden == 1);
    EXPECT_TRUE(f[7] == "null" || PictureIsShipped(f[7])) << f[7];
    EXPECT_EQ(std::stoi(f[10]), year) << "the dialog stores the typed year as the year";
    if (code >= 41 && code <= 45) {
      ++floating;
      EXPECT_EQ(type, 8);
      EXPECT_EQ(day, FloatingDay(2027, month, weekday, code));
    } else {
      EXPECT_EQ(code, 0);
      EXPECT_EQ(weekday, 0);
    }
    const std::tuple<int, int, int> key{month, day, year};
    EXPECT_LT(previous, key) << "entries are written sorted, one per date and year";
    previous = key;
    ++typesSeen[type];
    hidden += isHidden;
    if (!isHidden && (type != 7 || year == 2027)) ++shownPerDay[{month, day}];
  }
  int fullDays = 0;
  for (const auto& day : shownPerDay) {
    EXPECT_LE(day.second, 4) << "a day holds at most four entries";
    fullDays += day.second == 4;
  }
  EXPECT_GE(fullDays, 1);
  EXPECT_GE(floating, 1);
  EXPECT_GE(hidden, 1);
  for (int type : {0, 1, 6, 7, 8, 9}) EXPECT_GT(typesSeen[type], 0) << "no entry of type " << type;
}

}  // namespace
}  // namespace tessolar
