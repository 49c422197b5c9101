#include <gtest/gtest.h>

#include <set>

#include "compute/language_table.h"

namespace tessolar {
namespace {

class LanguageTableTest : public testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }
};

TEST_F(LanguageTableTest, EveryLanguageHasEveryEntryAndDistinctNames) {
  for (int language = 0; language < kLanguageCount; ++language) {
    std::set<std::string> months, weekdays;
    for (int i = 0; i < kLanguageEntries; ++i) {
      EXPECT_FALSE(LanguageStringOf(language, i).empty()) << language << ":" << i;
    }
    for (int m = 0; m < 12; ++m) months.insert(LanguageStringOf(language, 12 + m));
    for (int d = 0; d < 7; ++d) weekdays.insert(LanguageStringOf(language, 24 + d));
    EXPECT_EQ(months.size(), 12u);
    EXPECT_EQ(weekdays.size(), 7u);
    // The welcome page turns the link words inside its two texts into links.
    EXPECT_NE(LanguageStringOf(language, 40).find(LanguageStringOf(language, 46)), std::string::npos);
    EXPECT_NE(LanguageStringOf(language, 41).find(LanguageStringOf(language, 47)), std::string::npos);
  }
  EXPECT_EQ(LanguageStringOf(0, 12), "January");
  EXPECT_EQ(LanguageStringOf(1, 24), "Domingo");
  EXPECT_EQ(LanguageStringOf(2, 14), "März");
}

TEST_F(LanguageTableTest, LookupsFollowTheLanguageAndRefuseValuesOutOfRange) {
  for (int index : {-1, 138}) EXPECT_EQ(LanguageString(index), "unknown language index");
  EXPECT_EQ(MonthName(12), LanguageString(0));
  EXPECT_EQ(MonthName(-1), LanguageString(0));
  EXPECT_EQ(WeekdayName(7), LanguageString(0));
  EXPECT_EQ(CountryName(7), LanguageString(11));
  SetLanguageIndex(2);
  SetLanguageIndex(3);
  SetLanguageIndex(-1);
  EXPECT_EQ(GetLanguageIndex(), 2);
  EXPECT_EQ(MonthName(0), "Januar");
  SetCountryIndex(7);
  SetCountryIndex(8);
  EXPECT_EQ(GetCountryIndex(), 7);
}

}  // namespace
}  // namespace tessolar
