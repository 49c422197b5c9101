#include "compute/language_entries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// The sovereign's birthday, named after the reigning queen or king.
constexpr NameEra kSovereignsBirthday[] = {{kEarliest, "Queen's Birthday"},
                                           {1901, "King's Birthday"},
                                           {1952, "Queen's Birthday"},
                                           {2023, "King's Birthday"}};

// --- Australia -------------------------------------------------------------
// Public holidays by each state's and territory's act: Holidays Act 1958
// (ACT), Public Holidays Act 2010 (NSW), Public Holidays Act 1981 (NT),
// Holidays Act 1983 (QLD), Holidays Act 1910 (SA), Statutory Holidays Act
// 2000 (TAS), Public Holidays Act 1993 (VIC), Public and Bank Holidays Act
// 1972 (WA). A holiday on a weekend keeps its date; the acts give the
// weekday after it as the day off. South Australia keeps Proclamation Day
// where the others keep Boxing Day.
constexpr FixedRow kAuBoxingDay = {kDec, 26, Text("Boxing Day"), "null"};
constexpr FixedRow kAuAnzacDay = {kApr, 25, Text("Anzac Day"), "null"};
constexpr FixedRow kAuFixed[] = {
    Observed(Substitute::kMonday, {kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    // Australia Day by this name in every state from 1935; a day off on the
    // Monday after a weekend from 1946.
    From(1935,
         Observed(Substitute::kMonday, {kJan, 26, Text("Australia Day"), "null"}, {1946, kLatest})),
    // Anzac Day on a weekend gives the Monday after in the ACT and WA, and
    // in NSW from 2026; on a Sunday, in the NT and Queensland.
    From(1921, In("* SA TAS VIC", Off(kAuAnzacDay))),
    From(1921, Until(2025, In("NSW", Off(kAuAnzacDay)))),
    From(2026, In("NSW", Observed(Substitute::kMonday, kAuAnzacDay))),
    From(1921, In("ACT WA", Observed(Substitute::kMonday, kAuAnzacDay))),
    From(1921, In("NT QLD", Observed(Substitute::kSundayToNext, kAuAnzacDay))),
    Observed(Substitute::kNextWeekday,
             {kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    In("* ACT NSW NT QLD TAS VIC WA", Observed(Substitute::kNextWeekday, kAuBoxingDay)),
    In("SA", Observed(Substitute::kNextWeekday, {kDec, 26, Text("Proclamation Day"), "null"})),
};
// WA's holiday kept its old name until 2015.
constexpr NameEra kWesternAustraliaDay[] = {{kEarliest, "Foundation Day"},
                                            {2015, "Western Australia Day"}};
constexpr FloatingRow kAuLabourDayOctober = {Text("Labour Day"), kWeekFirst, kMon, kOct, "null"};
constexpr FloatingRow kAuLabourDayMay = {Text("Labour Day"), kWeekFirst, kMon, kMay, "null"};
constexpr FloatingRow kAuSovereignJune = {ByYear(kSovereignsBirthday), kWeekSecond, kMon, kJun,
                                          "null"};
constexpr FloatingRow kAuSovereignWa = {ByYear(kSovereignsBirthday), kWeekLast, kMon, kSep, "null"};
constexpr FloatingRow kAuCanberraDay = {Text("Canberra Day"), kWeekSecond, kMon, kMar, "null"};
constexpr FloatingRow kAuFloating[] = {
    // Father's Day from its first September Sunday in 1936, Mother's Day from 1924.
    From(1936, {Entry(lang::kFathersDay), kWeekFirst, kSun, kSep, "null"}),
    From(1924, {Entry(lang::kMothersDay), kWeekSecond, kSun, kMay, "null"}),
    In("* ACT NSW SA", Off(kAuLabourDayOctober)),
    In("VIC", Off({Text("Labour Day"), kWeekSecond, kMon, kMar, "null"})),
    In("WA", Off({Text("Labour Day"), kWeekFirst, kMon, kMar, "null"})),
    In("TAS", Off({Text("Eight Hours Day"), kWeekSecond, kMon, kMar, "null"})),
    // Queensland kept Labour Day in October from 2013 to 2015, and the
    // sovereign's birthday there from 2016 (in 2012 by proclamation).
    In("QLD", Until(2012, Off(kAuLabourDayMay))),
    In("QLD", From(2013, Until(2015, Off(kAuLabourDayOctober)))),
    In("QLD", From(2016, Off(kAuLabourDayMay))),
    In("NT", Off({Text("May Day"), kWeekFirst, kMon, kMay, "null"})),
    In("NT", Off({Text("Picnic Day"), kWeekFirst, kMon, kAug, "null"})),
    In("SA", Off({Text("Adelaide Cup Day"), kWeekSecond, kMon, kMar, "null"})),
    // Canberra Day on the third Monday of March until 2007, the second after.
    In("ACT", Until(2007, Off({Text("Canberra Day"), kWeekThird, kMon, kMar, "null"}))),
    In("ACT", From(2008, Off(kAuCanberraDay))),
    In("WA", Off({ByYear(kWesternAustraliaDay), kWeekFirst, kMon, kJun, "null"})),
    // A holiday in metropolitan Melbourne only; the rest of Victoria keeps
    // days its councils choose.
    In("VIC", {Text("Melbourne Cup"), kWeekFirst, kTue, kNov, "null"}),
    In("* ACT NSW NT SA TAS VIC", From(1936, Off(kAuSovereignJune))),
    In("QLD", From(1936, Until(2011, Off(kAuSovereignJune)))),
    In("QLD", From(2013, Until(2015, Off(kAuSovereignJune)))),
    In("QLD", From(2016, Off({ByYear(kSovereignsBirthday), kWeekFirst, kMon, kOct, "null"}))),
    // The sovereign's birthday on a Monday from 1936. WA's is proclaimed
    // year by year, as a rule on the last Monday of September.
    In("WA", From(1936, Until(2023, Off(kAuSovereignWa)))),
    In("WA", From(2025, Off(kAuSovereignWa))),
};

constexpr ListedDate kAuMourningDay[] = {{2022, kSep, 22}};
constexpr ListedDate kQldSovereignsBirthday[] = {{2012, kOct, 1}};
constexpr ListedDate kQldDiamondJubilee[] = {{2012, kJun, 11}};
constexpr ListedDate kWaSovereignsBirthday[] = {{2024, kSep, 23}};
// Reconciliation Day, from 2018: the Monday on or after 27 May.
constexpr ListedDate kReconciliationDays[] = {
    {2018, kMay, 28}, {2019, kMay, 27}, {2020, kJun, 1},  {2021, kMay, 31}, {2022, kMay, 30},
    {2023, kMay, 29}, {2024, kMay, 27}, {2025, kJun, 2},  {2026, kJun, 1},  {2027, kMay, 31},
    {2028, kMay, 29}, {2029, kMay, 28}, {2030, kMay, 27}, {2031, kJun, 2},  {2032, kMay, 31},
    {2033, kMay, 30}, {2034, kMay, 29}, {2035, kMay, 28}, {2036, kJun, 2},  {2037, kJun, 1},
    {2038, kMay, 31}, {2039, kMay, 30}, {2040, kMay, 28}, {2041, kMay, 27}, {2042, kJun, 2},
    {2043, kJun, 1},  {2044, kMay, 30}, {2045, kMay, 29}, {2046, kMay, 28}, {2047, kMay, 27},
    {2048, kJun, 1},  {2049, kMay, 31}, {2050, kMay, 30},
};
// Victoria's Friday before the football grand final, from 2015: the
// government names the date each year.
constexpr ListedDate kGrandFinalFridays[] = {
    {2015, kOct, 2},  {2016, kSep, 30}, {2017, kSep, 29}, {2018, kSep, 28},
    {2019, kSep, 27}, {2020, kOct, 23}, {2021, kSep, 24}, {2022, kSep, 23},
    {2023, kSep, 29}, {2024, kSep, 27}, {2025, kSep, 26},
};
constexpr ListedRow kAuListed[] = {
    Off({Text("National Day of Mourning for Queen Elizabeth II"), "null", RowsOf(kAuMourningDay)}),
    In("QLD", Off({ByYear(kSovereignsBirthday), "null", RowsOf(kQldSovereignsBirthday)})),
    In("QLD", Off({Text("Queen's Diamond Jubilee"), "crown.png", RowsOf(kQldDiamondJubilee)})),
    In("WA", Off({ByYear(kSovereignsBirthday), "null", RowsOf(kWaSovereignsBirthday)})),
    In("ACT", Off({Text("Reconciliation Day"), "null", RowsOf(kReconciliationDays)})),
    In("VIC", Off({Text("Grand Final Friday"), "null", RowsOf(kGrandFinalFridays)})),
};

// Easter Saturday is a holiday save in Tasmania and WA; Easter Sunday in
// the ACT, NSW, Queensland and Victoria, and lately in WA, the NT and SA.
constexpr EasterRow kAuEaster[] = {
    In("* ACT NSW QLD VIC", Off(kEasterSunday)),
    In("TAS", kEasterSunday),
    In("WA", Until(2021, kEasterSunday)),
    In("WA", From(2022, Off(kEasterSunday))),
    In("NT", Until(2022, kEasterSunday)),
    In("NT", From(2023, Off(kEasterSunday))),
    In("SA", Until(2023, kEasterSunday)),
    In("SA", From(2024, Off(kEasterSunday))),
    Off(kEasterMonday),
    kAshWednesday,
    kShroveTuesday,
    kPalmSunday,
    Off(kGoodFriday),
    In("* ACT NSW NT QLD SA VIC", Off({-1, Text("Easter Saturday"), "null"})),
};

// --- New Zealand -----------------------------------------------------------
// Waitangi Day was a national holiday from 1974, named New Zealand Day until
// 1976. From 2014 it and Anzac Day on a weekend give the Monday after off
// (Holidays (Full Recognition of Waitangi Day and ANZAC Day) Amendment Act
// 2013). Christmas, Boxing Day and the two days of New Year on a weekend give
// the next weekdays not already off (Public Holidays Act 1955, Holidays Act
// 1981, Holidays Act 2003 s 45). Holidays by law from the Bank Holidays Act
// 1873.
constexpr NameEra kWaitangiDay[] = {{kEarliest, "New Zealand Day"}, {1977, "Waitangi Day"}};
constexpr Years kNzMondayisedFrom2014 = {2014, kLatest};
constexpr FixedRow NzDayOff(FixedRow row) {
  return Observed(Substitute::kNextWeekday, row, {1955, kLatest});
}
constexpr FixedRow kNzFixed[] = {
    NzDayOff({kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    From(1873, NzDayOff({kJan, 2, Text("Day after New Year's Day"), "null"})),
    From(1974, Observed(Substitute::kMonday, {kFeb, 6, ByYear(kWaitangiDay), "nz_flag.png"},
                        kNzMondayisedFrom2014)),
    From(1921, Observed(Substitute::kMonday, {kApr, 25, Text("Anzac Day"), "vets2.jpg"},
                        kNzMondayisedFrom2014)),
    NzDayOff({kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    From(1873, NzDayOff({kDec, 26, Text("Boxing Day"), "null"})),
};
// The sovereign's birthday on the first Monday of June from 1938 (its day
// varied with the monarch before); Labour Day on the fourth Monday of
// October from 1910.
constexpr FloatingRow kNzFloating[] = {
    From(1938, Off({ByYear(kSovereignsBirthday), kWeekFirst, kMon, kJun, "crown.png"})),
    From(1910, Off({Text("Labour Day"), kWeekFourth, kMon, kOct, "labor_day_tr.gif"})),
};

// Matariki, from 2022: the dates the Te Kāhui o Matariki Public Holiday Act
// 2022 lists, through 2052.
constexpr ListedDate kMatarikiDates[] = {
    {2022, kJun, 24}, {2023, kJul, 14}, {2024, kJun, 28}, {2025, kJun, 20}, {2026, kJul, 10},
    {2027, kJun, 25}, {2028, kJul, 14}, {2029, kJul, 6},  {2030, kJun, 21}, {2031, kJul, 11},
    {2032, kJul, 2},  {2033, kJun, 24}, {2034, kJul, 7},  {2035, kJun, 29}, {2036, kJul, 18},
    {2037, kJul, 10}, {2038, kJun, 25}, {2039, kJul, 15}, {2040, kJul, 6},  {2041, kJul, 19},
    {2042, kJul, 11}, {2043, kJul, 3},  {2044, kJun, 24}, {2045, kJul, 7},  {2046, kJun, 29},
    {2047, kJul, 19}, {2048, kJul, 3},  {2049, kJun, 25}, {2050, kJul, 15}, {2051, kJun, 30},
    {2052, kJun, 21},
};
// Queen Elizabeth II Memorial Day Act 2022.
constexpr ListedDate kNzMemorialDay[] = {{2022, kSep, 26}};
constexpr ListedRow kNzListed[] = {
    Off({Text("Matariki"), "matariki.png", RowsOf(kMatarikiDates)}),
    Off({Text("Queen Elizabeth II Memorial Day"), "null", RowsOf(kNzMemorialDay)}),
};
constexpr EasterRow kNzEaster[] = {
    kEasterSunday, From(1873, Off(kEasterMonday)), kAshWednesday, kShroveTuesday,
    kPalmSunday,   From(1873, Off(kGoodFriday)),
};

}  // namespace

const CountryList kAustralia = {RowsOf(kAuFixed), RowsOf(kAuFloating), RowsOf(kAuListed),
                                RowsOf(kAuEaster)};
const CountryList kNewZealand = {RowsOf(kNzFixed), RowsOf(kNzFloating), RowsOf(kNzListed),
                                 RowsOf(kNzEaster)};

}  // namespace tessolar::national
