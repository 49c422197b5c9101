#include "generators/jewish_days.h"

#include <cstdint>
#include <string>

#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"
#include "compute/language_table.h"
#include "generators/stored_year.h"

namespace tessolar {
namespace {

// Hebrew month slots (hebrew_calendar.h).
constexpr int kTishri = 1, kKislev = 3, kTeveth = 4, kShevat = 5, kNisan = 8, kIyyar = 9,
              kSivan = 10, kTammuz = 11, kAv = 12;
constexpr int kSunday = 0, kMonday = 1, kFriday = 5, kSaturday = 6;
constexpr int64_t kNone = -1;

int64_t On(const HebrewLayout& year, int slot, int day) {
  int64_t julianDay = year.start + day - 1;
  for (int s = 1; s < slot; ++s) julianDay += year.MonthLength(s);
  return julianDay;
}

int WeekdayOf(int64_t julianDay) { return static_cast<int>((julianDay + 1) % 7); }

// Adar of a common year, Adar II (Veadar) of a leap year: Purim's month.
int PurimMonth(int64_t hyear) { return IsHebrewLeapYear(hyear) ? 7 : 6; }

template <int Slot, int Day>
int64_t Fixed(const HebrewLayout& year, int64_t) {
  return On(year, Slot, Day);
}

// A fast that would fall on the Sabbath is kept on the Sunday after.
template <int Slot, int Day>
int64_t FastOffSabbath(const HebrewLayout& year, int64_t) {
  const int64_t day = On(year, Slot, Day);
  return WeekdayOf(day) == kSaturday ? day + 1 : day;
}

template <int Day>
int64_t InPurimMonth(const HebrewLayout& year, int64_t hyear) {
  return On(year, PurimMonth(hyear), Day);
}

// The Fast of Esther is brought forward to the Thursday before a Sabbath.
int64_t TaanitEsther(const HebrewLayout& year, int64_t hyear) {
  const int64_t day = On(year, PurimMonth(hyear), 13);
  return WeekdayOf(day) == kSaturday ? day - 2 : day;
}

// Israel's law keeps Yom HaShoah off Friday (since 1959) and off Sunday
// (since 1997), next to the Sabbath.
int64_t YomHaShoah(const HebrewLayout& year, int64_t hyear) {
  const int64_t day = On(year, kNisan, 27);
  if (WeekdayOf(day) == kFriday && hyear >= 5719) return day - 1;
  if (WeekdayOf(day) == kSunday && hyear >= 5757) return day + 1;
  return day;
}

// Independence Day (from 1948): 5 Iyyar, brought forward to Thursday from a
// Friday or Sabbath, and since 2004 put off to Tuesday from a Monday, so that
// the Memorial Day before it never begins at the Sabbath's end.
int64_t YomHaAtzmaut(const HebrewLayout& year, int64_t hyear) {
  if (hyear < 5708) return kNone;
  const int64_t day = On(year, kIyyar, 5);
  switch (WeekdayOf(day)) {
    case kFriday: return day - 1;
    case kSaturday: return day - 2;
    case kMonday: return hyear >= 5764 ? day + 1 : day;
    default: return day;
  }
}

int64_t YomHaZikaron(const HebrewLayout& year, int64_t hyear) {
  const int64_t independence = YomHaAtzmaut(year, hyear);
  return independence == kNone ? kNone : independence - 1;
}

struct JewishDay {
  const char* name;  // the first five: one English name in every language
  int entry;         // the others: their language-table entry
  const char* picture;
  int64_t (*julianDay)(const HebrewLayout& year, int64_t hyear);
};

// In the Diaspora's reckoning, second days included.
constexpr JewishDay kJewishDays[] = {
    {"Rosh Hashanah", 0, "rosh_hashana1.gif", Fixed<kTishri, 1>},
    {nullptr, lang::kRoshHashanahII, "rosh_hashana1.gif", Fixed<kTishri, 2>},
    {nullptr, lang::kTzomGedaliah, "null", FastOffSabbath<kTishri, 3>},
    {"Yom Kippur", 0, "yom_kippur1.jpg", Fixed<kTishri, 10>},
    {nullptr, lang::kSukkot, "leaves1_tr.gif", Fixed<kTishri, 15>},
    {nullptr, lang::kSukkotII, "leaves1_tr.gif", Fixed<kTishri, 16>},
    {nullptr, lang::kSheminiAtzeret, "leaves1_tr.gif", Fixed<kTishri, 22>},
    {nullptr, lang::kSimchatTorah, "null", Fixed<kTishri, 23>},
    {nullptr, lang::kHanukkahFirstCandle, "menora2_tr.gif", Fixed<kKislev, 24>},
    {"Hanukkah", 0, "menora2_tr.gif", Fixed<kKislev, 25>},
    {nullptr, lang::kAsaraBTevet, "null", Fixed<kTeveth, 10>},
    {nullptr, lang::kTuBiShvat, "flowers54.gif", Fixed<kShevat, 15>},
    {nullptr, lang::kTaanitEsther, "null", TaanitEsther},
    {nullptr, lang::kPurim, "jester2_tr.gif", InPurimMonth<14>},
    {"Passover", 0, "passover1.gif", Fixed<kNisan, 14>},
    {nullptr, lang::kPassoverI, "passover1.gif", Fixed<kNisan, 15>},
    {nullptr, lang::kPassoverII, "passover1.gif", Fixed<kNisan, 16>},
    {nullptr, lang::kPassoverVII, "passover1.gif", Fixed<kNisan, 21>},
    {nullptr, lang::kPassoverVIII, "passover1.gif", Fixed<kNisan, 22>},
    {"Yom Hashoah", 0, "dove_2.jpg", YomHaShoah},
    {nullptr, lang::kYomHaZikaron, "dove_2.jpg", YomHaZikaron},
    {nullptr, lang::kYomHaAtzmaut, "sunshine3.gif", YomHaAtzmaut},
    {nullptr, lang::kLagBaOmer, "sunshine3.gif", Fixed<kIyyar, 18>},
    {nullptr, lang::kShavuot, "flowers54.gif", Fixed<kSivan, 6>},
    {nullptr, lang::kShavuotII, "flowers54.gif", Fixed<kSivan, 7>},
    {nullptr, lang::kTzomTammuz, "null", FastOffSabbath<kTammuz, 17>},
    {nullptr, lang::kTishaBAv, "null", FastOffSabbath<kAv, 9>},
};

bool HasEntry(const CCalDatabase& db, int month, int day, int year, const std::string& name) {
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry* e = db.EntryAt(i);
    if (e->type == kHebrewHoliday && e->description == name && e->month == month && e->day == day &&
        e->year == year) {
      return true;
    }
  }
  return false;
}

}  // namespace

void GenerateJewishDays(CCalDatabase& db, int year, bool remove) {
  if (!IsStoredYear(year)) return;
  // The Hebrew year that ends in `year` and the one that begins in it.
  const HebrewLayout years[] = {HebrewYearLayout(year + 3760), HebrewYearLayout(year + 3761)};
  for (const JewishDay& row : kJewishDays) {
    const std::string name =
        row.name != nullptr ? row.name : LanguageString(db.Language(), row.entry);
    bool seen = false;
    for (int64_t h = 0; h < 2; ++h) {
      const int64_t julianDay = row.julianDay(years[h], year + 3760 + h);
      if (julianDay == kNone) continue;
      const CivilDate date = JulianDayToDate(julianDay);
      if (date.year != year) continue;
      const int month = date.month - 1;
      if (remove) {
        db.RemoveHolidayData(month, date.day, year, kHebrewHoliday, name, row.picture);
      } else if (!seen) {
        db.ReplaceHolidayData(month, date.day, year, kHebrewHoliday, name, row.picture);
      } else if (!HasEntry(db, month, date.day, year, name)) {
        // From about 3032 on, 25 Kislev can fall both early in January and
        // late in December of one year: ReplaceHolidayData would move the
        // first entry to the second date, so the second is added beside it.
        db.SaveHolidayData(month, date.day, year, kHebrewHoliday, name, row.picture, 0, 1);
      }
      seen = true;
    }
  }
}

}  // namespace tessolar
