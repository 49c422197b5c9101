// The days off of every country and region, 1990-2040, against the
// date-holidays data set (tests/data/holidays/, written by
// tools/holiday_reference/make_reference.js). Where the law and the data set
// disagree, tests/data/holidays/judged_<COUNTRY>.tsv names the day, the side it is
// taken from and the law. With a region the two lists must be equal; the
// whole country shows every region's days as it always has, so it must only
// hold each of the data set's.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "caldata/regions.h"
#include "compute/language_table.h"
#include "generators/holiday_rules.h"

namespace tessolar {
namespace {

using Day = std::pair<int, int>;  // month 1..12, day
using DaysOff = std::map<Day, std::vector<std::string>>;  // with their names
using ListsByYear = std::map<std::pair<std::string, int>, DaysOff>;  // by region code and year

std::vector<std::vector<std::string>> TsvLines(const std::string& path) {
  std::vector<std::vector<std::string>> lines;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream split(line);
    for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
    lines.push_back(fields);
  }
  return lines;
}

ListsByYear Reference(const std::string& country) {
  ListsByYear lists;
  for (const auto& f : TsvLines(std::string(TESSOLAR_TEST_DATA) + "/holidays/" + country + ".tsv")) {
    const Day day{std::stoi(f.at(2).substr(0, 2)), std::stoi(f.at(2).substr(3))};
    lists[{f.at(0), std::stoi(f.at(1))}][day].push_back(f.at(4));
  }
  return lists;
}

DaysOff Ours(int country, const std::string& region, int year) {
  DaysOff days;
  auto add = [&](const std::vector<HolidayDay>& list) {
    for (const HolidayDay& d : list) {
      if (d.off) days[{d.month + 1, d.day}].push_back(d.name);
    }
  };
  add(NationalDaysOf(country, region, 0, year));
  add(EasterDaysOf(country, region, 0, year));
  return days;
}

// A day one side lists that the law, as judged_<COUNTRY>.tsv says, does not make a day
// off there, or makes one on another date.
struct Judged {
  std::string regions;  // a code, "DE-*" for every region, "DE" for the whole country
  int first, last;
  std::string side;  // "reference" or "ours"
  std::string name;
};

std::vector<Judged> JudgedDays(const std::string& country) {
  std::vector<Judged> judged;
  const std::string path = std::string(TESSOLAR_TEST_DATA) + "/holidays/judged_" + country + ".tsv";
  for (const auto& f : TsvLines(path)) {
    judged.push_back({f.at(0), std::stoi(f.at(1)), std::stoi(f.at(2)), f.at(3), f.at(4)});
  }
  return judged;
}

bool Covers(const Judged& j, const std::string& region, int year) {
  if (year < j.first || year > j.last) return false;
  if (j.regions == region) return true;
  return j.regions.size() > 1 && j.regions.back() == '*' && region.find('-') != std::string::npos &&
         region.compare(0, j.regions.size() - 1, j.regions, 0, j.regions.size() - 1) == 0;
}

void Drop(DaysOff& days, const std::vector<Judged>& judged, const std::string& side,
          const std::string& region, int year) {
  for (const Judged& j : judged) {
    if (j.side != side || !Covers(j, region, year)) continue;
    for (auto it = days.begin(); it != days.end();) {
      auto& names = it->second;
      names.erase(std::remove(names.begin(), names.end(), j.name), names.end());
      it = names.empty() ? days.erase(it) : std::next(it);
    }
  }
}

std::string Describe(const DaysOff& days, const Day& day) {
  std::string text;
  const auto it = days.find(day);
  if (it == days.end()) return "-";
  for (const std::string& name : it->second) text += (text.empty() ? "" : " / ") + name;
  return text;
}

class DaysOffReference : public testing::TestWithParam<int> {};

TEST_P(DaysOffReference, MatchEveryRegionFrom1990To2040) {
  const int country = GetParam();
  const std::string iso = CountryCode(country);
  const std::vector<Judged> judged = JudgedDays(iso);
  int mismatches = 0;
  for (auto& [key, reference] : Reference(iso)) {
    const auto& [code, year] = key;
    const std::string region = code == iso ? "" : code;
    ASSERT_TRUE(region.empty() || FindRegion(country, region) != nullptr) << code;
    DaysOff ours = Ours(country, region, year);
    Drop(reference, judged, "reference", code, year);
    Drop(ours, judged, "ours", code, year);
    std::set<Day> dates;
    for (const auto& [day, names] : reference) dates.insert(day);
    if (!region.empty()) {
      for (const auto& [day, names] : ours) dates.insert(day);
    }
    for (const Day& day : dates) {
      if (ours.count(day) == 1 && (region.empty() || reference.count(day) == 1)) continue;
      if (++mismatches > 60) continue;
      ADD_FAILURE() << code << " " << year << "-" << (day.first < 10 ? "0" : "") << day.first
                    << "-" << (day.second < 10 ? "0" : "") << day.second
                    << ": reference " << Describe(reference, day) << "; ours "
                    << Describe(ours, day);
    }
  }
  EXPECT_EQ(mismatches, 0) << iso << " (the first 60 are listed)";
}

INSTANTIATE_TEST_SUITE_P(Countries, DaysOffReference, testing::Range(0, kCountryCount),
                         [](const testing::TestParamInfo<int>& info) {
                           return CountryCode(info.param);
                         });

}  // namespace
}  // namespace tessolar
