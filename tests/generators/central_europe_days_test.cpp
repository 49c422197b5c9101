// The rules of the German and Austrian lists that the comparison with the
// date-holidays data set (1990-2040, days off only) does not reach: the
// whole country's list, the years before 1990 in the West and in the GDR,
// and the days that show in a state without being days off.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "generators/holiday_rules.h"

namespace tessolar {
namespace {

constexpr int kGermany = 6, kAustria = 13;

struct Shown {
  int count = 0;  // entries with the name
  int month = 0;  // 1..12, of the last one
  int day = 0;
  bool off = false;
};

Shown Find(int country, const std::string& region, int year, const std::string& name) {
  Shown shown;
  for (const auto& list :
       {NationalDaysOf(country, region, 0, year), EasterDaysOf(country, region, 0, year)}) {
    for (const HolidayDay& d : list) {
      if (d.name != name) continue;
      shown = {shown.count + 1, d.month + 1, d.day, d.off};
    }
  }
  return shown;
}

void ExpectOff(int country, const std::string& region, int year, const std::string& name, int month,
               int day) {
  const Shown s = Find(country, region, year, name);
  EXPECT_EQ(s.count, 1) << region << " " << year << " " << name;
  EXPECT_TRUE(s.off && s.month == month && s.day == day)
      << region << " " << year << " " << name << " " << s.month << "-" << s.day;
}

void ExpectShownNotOff(int country, const std::string& region, int year, const std::string& name) {
  const Shown s = Find(country, region, year, name);
  EXPECT_TRUE(s.count == 1 && !s.off) << region << " " << year << " " << name;
}

void ExpectAbsent(int country, const std::string& region, int year, const std::string& name) {
  EXPECT_EQ(Find(country, region, year, name).count, 0) << region << " " << year << " " << name;
}

// The whole country shows each day once, every state's included, where the
// rows of several states meet: the Day of Repentance handed from every state
// to Saxony alone, the Reformation's 500th year.
TEST(CentralEuropeDays, TheWholeCountryShowsEachStatesDayOnce) {
  ExpectOff(kGermany, "", 1994, "Buß- und Bettag", 11, 16);
  ExpectOff(kGermany, "", 1995, "Buß- und Bettag", 11, 22);
  ExpectOff(kGermany, "", 2027, "Heilige Drei Könige", 1, 6);
  ExpectOff(kGermany, "", 2017, "Reformationstag", 10, 31);
  ExpectAbsent(kGermany, "", 2018, "Reformationstag");
  ExpectOff(kGermany, "", 1989, "Tag der deutschen Einheit", 6, 17);
  ExpectAbsent(kGermany, "", 1989, "Tag der Republik");
  EXPECT_EQ(Find(kGermany, "", 2027, "Easter Sunday").count, 1);
  EXPECT_EQ(Find(kGermany, "", 2027, "Easter Monday").count, 1);
  // No day before the law that made it: Prussia's of 1893 for the Day of Repentance.
  ExpectAbsent(kGermany, "", 1800, "Buß- und Bettag");
  ExpectOff(kGermany, "", 1900, "Buß- und Bettag", 11, 21);
  for (const char* name :
       {"Tag der Arbeit", "Tag der Deutschen Einheit", "Tag der deutschen Einheit"}) {
    ExpectAbsent(kGermany, "", 1900, name);
  }
  ExpectAbsent(kAustria, "", 1900, "Staatsfeiertag");
  ExpectAbsent(kAustria, "", 1900, "Nationalfeiertag");
}

// Before 1990 Bavaria had the Federal Republic's 17 June; Saxony the GDR's
// days, without Easter Monday, Ascension and the Day of Repentance off.
TEST(CentralEuropeDays, WestAndEastBefore1990) {
  ExpectOff(kGermany, "DE-BY", 1980, "Tag der deutschen Einheit", 6, 17);
  ExpectOff(kGermany, "DE-BY", 1980, "Buß- und Bettag", 11, 19);
  ExpectOff(kGermany, "DE-BY", 1980, "Easter Monday", 4, 7);
  ExpectAbsent(kGermany, "DE-BY", 1980, "Tag der Republik");
  ExpectAbsent(kGermany, "DE-SL", 1956, "Tag der deutschen Einheit");
  ExpectOff(kGermany, "DE-SN", 1980, "Tag der Republik", 10, 7);
  ExpectOff(kGermany, "DE-SN", 1985, "Tag der Befreiung", 5, 8);
  ExpectAbsent(kGermany, "DE-SN", 1986, "Tag der Befreiung");
  ExpectShownNotOff(kGermany, "DE-SN", 1980, "Easter Monday");
  ExpectShownNotOff(kGermany, "DE-SN", 1980, "Ascension Day");
  ExpectAbsent(kGermany, "DE-SN", 1980, "Buß- und Bettag");
  ExpectAbsent(kGermany, "DE-SN", 1980, "Tag der deutschen Einheit");
  ExpectOff(kGermany, "DE-SN", 1966, "Easter Monday", 4, 11);
}

// A state shows its own days and no other state's; the Sundays Brandenburg
// names stay in every state's calendar, days off only there.
TEST(CentralEuropeDays, AStateShowsItsOwnDaysOnly) {
  ExpectAbsent(kGermany, "DE-BE", 2027, "Heilige Drei Könige");
  ExpectAbsent(kGermany, "DE-BE", 2027, "Buß- und Bettag");
  ExpectAbsent(kGermany, "DE-BE", 2027, "Corpus Christi");
  ExpectOff(kGermany, "DE-BE", 2027, "Internationaler Frauentag", 3, 8);
  ExpectOff(kGermany, "DE-SN", 2027, "Buß- und Bettag", 11, 17);
  ExpectOff(kGermany, "DE-BB", 2027, "Pentecost", 5, 16);
  ExpectShownNotOff(kGermany, "DE-BY", 2027, "Pentecost");
  // Austria's patron days close schools only: shown in their state, not off.
  ExpectShownNotOff(kAustria, "AT-9", 2027, "Leopolditag");
  ExpectShownNotOff(kAustria, "AT-2", 2027, "Josefitag");
  ExpectAbsent(kAustria, "AT-1", 2027, "Leopolditag");
  ExpectAbsent(kAustria, "", 2027, "Leopolditag");
  ExpectShownNotOff(kAustria, "AT-9", 2027, "Good Friday");
}

}  // namespace
}  // namespace tessolar
