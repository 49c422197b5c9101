#pragma once
// The fixture of tests that fill a store and may change the program-wide
// language or country: English and the United States again after each test.

#include <gtest/gtest.h>

#include "caldata/cal_database.h"
#include "compute/language_table.h"

namespace tessolar::support {

class CalendarTest : public ::testing::Test {
 protected:
  void TearDown() override {
    SetLanguageIndex(0);
    SetCountryIndex(0);
  }
  CCalDatabase db_;
};

// Six of the user's own entries on distinct days, sorted; two are named like
// computed days and must outlive every build and removal.
void AddUserEntries(CCalDatabase& db);

}  // namespace tessolar::support
