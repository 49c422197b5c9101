#include "compute/language_entries.h"
#include "generators/easter_rows.h"
#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- United States ---------------------------------------------------------
// Federal days off: 5 U.S.C. 6103(a). One falling on a Saturday is kept the
// Friday before, one on a Sunday the Monday after: 5 U.S.C. 6103(b),
// Executive Order 11582 (1971). The states' own days are their statutes';
// a state day whose first year is not known here holds from
// kStateDaysFrom on.
constexpr int kStateDaysFrom = 1970;
constexpr Years kFederalObserved = {1971, kLatest};

// The states that keep a federal day or a widely kept day, and those that
// do not (where the day stays an observance). A leading "*" keeps the row in
// the whole country's list.
constexpr const char* kWashingtonsBirthdayOff = "* !DE FL GA KS KY NC";
constexpr const char* kWashingtonsBirthdayNotOff = "DE FL GA KS KY NC";
constexpr const char* kColumbusDayOff =
    "* AL AR AZ CT GA ID IL IN KS KY LA MA MD MI MO MS MT ND NE NJ NY OH OK OR PA RI SC TN TX UT "
    "VA WA WI WV WY";
constexpr const char* kColumbusDayNotOff = "CA CO DE FL HI NC NH NV";
constexpr const char* kLincolnsBirthdayOff = "CT IA IL MO NJ NY";
constexpr const char* kLincolnsBirthdayNotOff = "* !CT IA IL MO NJ NY";
constexpr const char* kFlagDayNotOff = "* !PA";
constexpr const char* kNewYearsEveOff = "KY MI MT";
constexpr const char* kNewYearsEveNotOff = "* !KY MI MT";
// Election Day: a day off in even years, or every year, by the state's law.
constexpr const char* kElectionDayEvenYearsOff = "DE HI IL LA NH";
constexpr const char* kElectionDayEveryYearOff = "IN MT NJ NY WI";
constexpr const char* kElectionDayNotOff = "* !DE HI IL IN LA MT NH NJ NY VA WI";
constexpr const char* kGoodFridayOff = "CT DE HI IN LA NC NJ TN";
// Kentucky's Good Friday is a half day (KRS 18A.190).
constexpr const char* kGoodFridayNotOff = "* !CT DE HI IN LA NC NJ TN";
constexpr const char* kShroveTuesdayNotOff = "* !LA";

constexpr NameEra kGeorgiaSpringHoliday[] = {{kEarliest, "Confederate Memorial Day"},
                                             {2016, "State Holiday"}};
constexpr NameEra kGeorgiaAutumnHoliday[] = {{kEarliest, "Robert E. Lee's Birthday"},
                                             {2016, "State Holiday"}};

constexpr FixedRow kUsFixed[] = {
    Until(1869, {kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}),
    From(1870, Observed(Substitute::kFridayOrMonday,
                        {kJan, 1, Entry(lang::kNewYearsDay), "new_year.jpg"}, kFederalObserved)),
    // Inauguration Day falls on 20 January every fourth year (listed below).
    In("TX", From(1931, {kJan, 19, Text("Confederate Heroes Day"), "null"})),
    // Lee-Jackson Day; joined to Martin Luther King Jr. Day 1983-1999, on the
    // Friday before it 2000-2020 (listed below), repealed from 2021.
    In("VA", From(1889, Until(1982, Off({kJan, 19, Text("Lee–Jackson Day"), "null"})))),
    // Observances from the year they were first kept, or proclaimed.
    From(1887, {kFeb, 2, Entry(lang::kGroundhogDay), "groundhog-1_tr.gif"}),
    In(kLincolnsBirthdayNotOff,
       {kFeb, 12, Entry(lang::kLincolnsBirthday), "lincoln_pres_tr.gif", kNationalHoliday, 1809}),
    In(kLincolnsBirthdayOff, From(1971, Off({kFeb, 12, Entry(lang::kLincolnsBirthday),
                                             "lincoln_pres_tr.gif", kNationalHoliday, 1809}))),
    {kFeb, 14, Entry(lang::kValentinesDay), "hearts3.gif"},
    In("FL NY WI WV", From(kStateDaysFrom, Off({kFeb, 15, Text("Susan B. Anthony Day"), "null"}))),
    // Washington's Birthday was kept on 22 February until the Uniform Monday
    // Holiday Act (Pub. L. 90-363) moved it to a Monday from 1971.
    Until(1878, {kFeb, 22, Entry(lang::kWashingtonsBirthday), "washington_tr.gif", kNationalHoliday,
                 1732}),
    From(1879, Until(1970, Off({kFeb, 22, Entry(lang::kWashingtonsBirthday), "washington_tr.gif",
                                kNationalHoliday, 1732}))),
    From(1971, {kFeb, 22, Entry(lang::kWashingtonsBirthday), "washington_tr.gif", kNationalHoliday,
                1732}),
    In("TX", From(1874, {kMar, 2, Text("Texas Independence Day"), "null"})),
    {kMar, 17, Entry(lang::kStPatricksDay), "shamrock.jpg"},
    // A holiday of Suffolk County only.
    In("MA", From(1901, {kMar, 17, Text("Evacuation Day"), "null"})),
    In("HI", From(1949, Observed(Substitute::kFridayOrMonday,
                                 {kMar, 26, Text("Prince Jonah Kuhio Kalanianaole Day"), "null"}))),
    In("CA", From(2001, Observed(Substitute::kSundayToNext,
                                 {kMar, 31, Text("César Chávez Day"), "null"}))),
    In("TX", From(2000, {kMar, 31, Text("César Chávez Day"), "null"})),
    {kApr, 1, Entry(lang::kAprilFoolsDay), "jester2_tr.gif"},
    // D.C. Code § 1-612.02(a), from 2005.
    In("DC", From(2005, Observed(Substitute::kFridayOrMonday,
                                 {kApr, 16, Text("Emancipation Day"), "null"}))),
    In("MA ME", From(1894, Until(1968, Off({kApr, 19, Text("Patriots' Day"), "null"})))),
    In("TX", From(1875, {kApr, 21, Text("San Jacinto Day"), "null"})),
    From(1970, {kApr, 22, Entry(lang::kEarthDay), "catsout.jpg"}),
    In("NE", From(1875, Until(1988, Off({kApr, 22, Text("Arbor Day"), "null"})))),
    From(1863, {kMay, 5, Entry(lang::kCincoDeMayo), "cinco.gif"}),
    In("MO", From(1949, Off({kMay, 8, Text("Truman Day"), "null"}))),
    In("SC", From(1866, Off({kMay, 10, Text("Confederate Memorial Day"), "null"}))),
    In("IL", From(kStateDaysFrom, Off({kMay, 19, Text("Malcolm X Day"), "null"}))),
    // Decoration Day, 30 May, until the Uniform Monday Holiday Act.
    From(1888,
         Until(1970, Off({kMay, 30, Entry(lang::kMemorialDay), "memorial_day_sunshine.gif"}))),
    In("HI", From(1872, Observed(Substitute::kFridayOrMonday,
                                 {kJun, 11, Text("Kamehameha Day"), "null"}))),
    In(kFlagDayNotOff, From(1916, {kJun, 14, Entry(lang::kFlagDay), "flag156.png"})),
    In("PA", From(kStateDaysFrom, Off({kJun, 14, Entry(lang::kFlagDay), "flag156.png"}))),
    // A holiday of Suffolk County only.
    In("MA", From(1901, {kJun, 17, Text("Bunker Hill Day"), "null"})),
    // Juneteenth National Independence Day Act (Pub. L. 117-17).
    From(2021, Observed(Substitute::kFridayOrMonday, {kJun, 19, Text("Juneteenth"), "null"})),
    In("TX", From(1980, {kJun, 19, Text("Emancipation Day"), "null"})),
    In("WV", From(1927, Off({kJun, 20, Text("West Virginia Day"), "null"}))),
    // Kept from its first anniversary in 1777, a day off from 1870.
    From(1777, Until(1869, {kJul, 4, Entry(lang::kIndependenceDay), "flag156.png"})),
    From(1870, Observed(Substitute::kFridayOrMonday,
                        {kJul, 4, Entry(lang::kIndependenceDay), "flag156.png"}, kFederalObserved)),
    In("UT", From(1849, Off({kJul, 24, Text("Pioneer Day"), "null"}))),
    // 1 V.S.A. § 371.
    In("VT", From(1778, Off({kAug, 16, Text("Bennington Battle Day"), "null"}))),
    In("TX", From(1973, {kAug, 27, Text("Lyndon Baines Johnson Day"), "null"})),
    In("AK", From(1867, Off({kOct, 18, Text("Alaska Day"), "null"}))),
    {kOct, 31, Entry(lang::kHalloween), "pumpkin2.gif"},
    // Nevada Day moved to the last Friday of October from 2000 (NRS 236.015).
    In("NV", From(1933, Until(1999, Off({kOct, 31, Text("Nevada Day"), "null"})))),
    {kNov, 10, Entry(lang::kUsMarineCorps), "usmc.jpg", kBirthday, 1775},
    // Armistice Day, a holiday from 1938 (Pub. L. 75-510); on the fourth
    // Monday of October 1971-1977, back on 11 November from 1978
    // (Pub. L. 94-97).
    From(1938, Until(1970, Off({kNov, 11, Entry(lang::kVeteransDay), "vets2.jpg"}))),
    From(1978,
         Observed(Substitute::kFridayOrMonday, {kNov, 11, Entry(lang::kVeteransDay), "vets2.jpg"})),
    From(1942, {kDec, 7, Entry(lang::kPearlHarborRemembrance), "arizona_memorial1.gif",
                kNationalHoliday, 1941}),
    In("AR KY MI MT NC TN TX",
       From(kStateDaysFrom, Off({kDec, 24, Text("Christmas Eve"), "null"}))),
    In("GA", From(kStateDaysFrom,
                  Off({kDec, 24, Entry(lang::kWashingtonsBirthday), "washington_tr.gif"}))),
    Until(1869, {kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday}),
    From(1870, Observed(Substitute::kFridayOrMonday,
                        {kDec, 25, Entry(lang::kChristmasDay), "santa.png", kChristianHoliday},
                        kFederalObserved)),
    In("SC TX", From(kStateDaysFrom, Off({kDec, 26, Text("Day after Christmas"), "null"}))),
    In(kNewYearsEveNotOff, {kDec, 31, Entry(lang::kNewYearsEve), "new_years_eve1.gif"}),
    In(kNewYearsEveOff,
       From(kStateDaysFrom, Off({kDec, 31, Entry(lang::kNewYearsEve), "new_years_eve1.gif"}))),
};

constexpr FloatingRow kUsFloating[] = {
    // Pub. L. 98-144.
    From(1986, Off({Entry(lang::kMartinLutherKingDay), kWeekThird, kMon, kJan, "mlk1.jpg"})),
    In(kWashingtonsBirthdayOff, From(1971, Off({Entry(lang::kPresidentsDay), kWeekThird, kMon, kFeb,
                                                "presidents_day.gif"}))),
    In(kWashingtonsBirthdayNotOff,
       From(1971, {Entry(lang::kPresidentsDay), kWeekThird, kMon, kFeb, "presidents_day.gif"})),
    In("IL", From(1978, Off({Text("Casimir Pulaski Day"), kWeekFirst, kMon, kMar, "null"}))),
    In("VT", From(kStateDaysFrom, Off({Text("Town Meeting Day"), kWeekFirst, kTue, kMar, "null"}))),
    In("AK", From(1955, Off({Text("Seward's Day"), kWeekLast, kMon, kMar, "null"}))),
    In("MA ME", From(1969, Off({Text("Patriots' Day"), kWeekThird, kMon, kApr, "null"}))),
    In("AL", From(1866, Off({Text("Confederate Memorial Day"), kWeekFourth, kMon, kApr, "null"}))),
    In("MS", From(1866, Off({Text("Confederate Memorial Day"), kWeekLast, kMon, kApr, "null"}))),
    In("GA", From(1866, Off({ByYear(kGeorgiaSpringHoliday), kWeekLast, kMon, kApr, "null"}))),
    In("NE", From(1989, Off({Text("Arbor Day"), kWeekLast, kFri, kApr, "null"}))),
    In("IN", From(kStateDaysFrom, Off({Text("Primary Election Day"), kWeekFirst, kMon, kMay, "null",
                                       FloatRule::kDayAfter}))),
    From(1914, {Entry(lang::kMothersDay), kWeekSecond, kSun, kMay, "mothers_day_tr.gif"}),
    From(1950, {Entry(lang::kArmedForcesDay), kWeekThird, kSat, kMay, "armed_forces_day1.jpg"}),
    From(1971,
         Off({Entry(lang::kMemorialDay), kWeekLast, kMon, kMay, "memorial_day_sunshine.gif"})),
    In("AL", From(1890, Off({Text("Jefferson Davis' Birthday"), kWeekFirst, kMon, kJun, "null"}))),
    From(1972, {Entry(lang::kFathersDay), kWeekThird, kSun, kJun, "fathers_day.gif"}),
    In("RI", From(1948, Off({Text("Victory Day"), kWeekSecond, kMon, kAug, "null"}))),
    In("HI", From(1959, Off({Text("Statehood Day"), kWeekThird, kFri, kAug, "null"}))),
    From(1894, Off({Entry(lang::kLaborDay), kWeekFirst, kMon, kSep, "labor_day_tr.gif"})),
    In("WI",
       From(kStateDaysFrom, Off({Text("Primary Election Day"), kWeekSecond, kTue, kSep, "null"}))),
    // Colorado Revised Statutes 24-11-101, from 2020.
    In("CO", From(2020, Off({Text("Frances Xavier Cabrini Day"), kWeekFirst, kMon, kOct, "null"}))),
    In(kColumbusDayOff,
       From(1971, Off({Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct, "columbus.png"}))),
    In(kColumbusDayNotOff,
       From(1971, {Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct, "columbus.png"})),
    // States that keep the day as Indigenous Peoples' Day, from the year of their change.
    In("AK MN VT", From(1971, Until(2016, Off({Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct,
                                               "columbus.png"})))),
    In("IA", From(1971, Until(2017, Off({Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct,
                                         "columbus.png"})))),
    In("DC ME NM", From(1971, Until(2018, Off({Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct,
                                               "columbus.png"})))),
    In("AK MN VT",
       From(2017, Off({Text("Indigenous Peoples' Day"), kWeekSecond, kMon, kOct, "null"}))),
    In("IA", From(2018, Off({Text("Indigenous Peoples' Day"), kWeekSecond, kMon, kOct, "null"}))),
    In("DC ME NM",
       From(2019, Off({Text("Indigenous Peoples' Day"), kWeekSecond, kMon, kOct, "null"}))),
    // SDCL 1-5-1.2: Native American Day in place of Columbus Day from 1990.
    In("SD", From(1971, Until(1989, Off({Entry(lang::kColumbusDay), kWeekSecond, kMon, kOct,
                                         "columbus.png"})))),
    In("SD", From(1990, Off({Text("Native American Day"), kWeekSecond, kMon, kOct, "null"}))),
    // Veterans Day on the fourth Monday of October, 1971-1977.
    From(1971, Until(1977, Off({Entry(lang::kVeteransDay), kWeekFourth, kMon, kOct, "vets2.jpg"}))),
    In("NV", From(2000, Off({Text("Nevada Day"), kWeekLast, kFri, kOct, "null"}))),
    // One day for federal elections from the act of 1845.
    In(kElectionDayNotOff, From(1845, {Entry(lang::kElectionDay), kWeekFirst, kMon, kNov,
                                       "election.png", FloatRule::kElectionTuesday})),
    In("VA", From(1845, Until(2019, {Entry(lang::kElectionDay), kWeekFirst, kMon, kNov,
                                     "election.png", FloatRule::kElectionTuesday}))),
    In(kElectionDayEvenYearsOff,
       From(kStateDaysFrom, Off({Entry(lang::kElectionDay), kWeekFirst, kMon, kNov, "election.png",
                                 FloatRule::kElectionTuesday}))),
    // Code of Virginia § 2.2-3300, from 2020.
    In("VA", From(2020, Off({Entry(lang::kElectionDay), kWeekFirst, kMon, kNov, "election.png",
                             FloatRule::kElectionTuesday}))),
    In(kElectionDayEveryYearOff,
       From(kStateDaysFrom, Off({Entry(lang::kElectionDay), kWeekFirst, kMon, kNov, "election.png",
                                 FloatRule::kDayAfter}))),
    // Thanksgiving on the fourth Thursday from 1942 (Pub. L. 77-379); on the
    // last Thursday before 1939, on proclaimed days 1939-1941 (listed below).
    From(1942, Off({Entry(lang::kThanksgiving), kWeekFourth, kThu, kNov, "turkey165_tr.gif"})),
    From(1870,
         Until(1938, Off({Entry(lang::kThanksgiving), kWeekLast, kThu, kNov, "turkey165_tr.gif"}))),
    In("CA DE FL NC NH NM OK TX", From(1975, Off({Text("Day after Thanksgiving"), kWeekFourth, kThu,
                                                  kNov, "null", FloatRule::kDayAfter}))),
    In("MD", From(1975, Off({Text("Native American Heritage Day"), kWeekFourth, kThu, kNov, "null",
                             FloatRule::kDayAfter}))),
    In("IN", From(1975, Off({Text("Lincoln's Birthday"), kWeekFourth, kThu, kNov, "null",
                             FloatRule::kDayAfter}))),
    In("NV", From(1975, Off({Text("Family Day"), kWeekFourth, kThu, kNov, "null",
                             FloatRule::kDayAfter}))),
    In("GA", From(1986, Off({ByYear(kGeorgiaAutumnHoliday), kWeekFourth, kThu, kNov, "null",
                             FloatRule::kDayAfter}))),
    In("WV", From(1975, Off({Text("Lincoln's Day"), kWeekFourth, kFri, kNov, "null"}))),
};

constexpr ListedDate kThanksgivingProclaimed[] = {
    {1939, kNov, 23}, {1940, kNov, 21}, {1941, kNov, 20}};
// 5 U.S.C. 6103(c): in Washington on 20 January every fourth year, the 21st
// when the 20th is a Sunday.
constexpr ListedDate kInaugurationDays[] = {
    {1973, kJan, 20}, {1977, kJan, 20}, {1981, kJan, 20}, {1985, kJan, 21}, {1989, kJan, 20},
    {1993, kJan, 20}, {1997, kJan, 20}, {2001, kJan, 20}, {2005, kJan, 20}, {2009, kJan, 20},
    {2013, kJan, 21}, {2017, kJan, 20}, {2021, kJan, 20}, {2025, kJan, 20}, {2029, kJan, 20},
    {2033, kJan, 20}, {2037, kJan, 20}};
constexpr ListedDate kLeeJacksonDays[] = {
    {2000, kJan, 14}, {2001, kJan, 12}, {2002, kJan, 18}, {2003, kJan, 17}, {2004, kJan, 16},
    {2005, kJan, 14}, {2006, kJan, 13}, {2007, kJan, 12}, {2008, kJan, 18}, {2009, kJan, 16},
    {2010, kJan, 15}, {2011, kJan, 14}, {2012, kJan, 13}, {2013, kJan, 18}, {2014, kJan, 17},
    {2015, kJan, 16}, {2016, kJan, 15}, {2017, kJan, 13}, {2018, kJan, 12}, {2019, kJan, 18},
    {2020, kJan, 17}};
constexpr ListedDate kAmerica250[] = {{2026, kFeb, 16}};
// Maryland's service reduction days, the Friday before Memorial Day.
constexpr ListedDate kServiceReductionDays[] = {
    {2009, kMay, 22}, {2010, kMay, 28}, {2011, kMay, 27}, {2012, kMay, 25},
    {2013, kMay, 24}, {2014, kMay, 23}, {2015, kMay, 22}};
// North Carolina's Christmas Eve on a Friday, Saturday or Sunday is kept the
// weekday before that is not Christmas Day's.
constexpr ListedDate kNorthCarolinaChristmasEve[] = {
    {1971, kDec, 23}, {1972, kDec, 22}, {1976, kDec, 23}, {1977, kDec, 23}, {1978, kDec, 22},
    {1982, kDec, 23}, {1983, kDec, 23}, {1988, kDec, 23}, {1989, kDec, 22}, {1993, kDec, 23},
    {1994, kDec, 23}, {1995, kDec, 22}, {1999, kDec, 23}, {2000, kDec, 22}, {2004, kDec, 23},
    {2005, kDec, 23}, {2006, kDec, 22}, {2010, kDec, 23}, {2011, kDec, 23}, {2016, kDec, 23},
    {2017, kDec, 22}, {2021, kDec, 23}, {2022, kDec, 23}, {2023, kDec, 22}, {2027, kDec, 23},
    {2028, kDec, 22}, {2032, kDec, 23}, {2033, kDec, 23}, {2034, kDec, 22}, {2038, kDec, 23},
    {2039, kDec, 23}};
// Georgia's Washington's Birthday on a Wednesday 24 December is kept on the
// Friday after as well.
constexpr ListedDate kGeorgiaWashingtonsBirthday[] = {
    {1975, kDec, 26}, {1980, kDec, 26}, {1986, kDec, 26}, {1997, kDec, 26}, {2003, kDec, 26},
    {2008, kDec, 26}, {2014, kDec, 26}, {2025, kDec, 26}, {2031, kDec, 26}, {2036, kDec, 26}};

constexpr ListedRow kUsListed[] = {
    Off({Entry(lang::kThanksgiving), "turkey165_tr.gif", RowsOf(kThanksgivingProclaimed)}),
    In("DC", Off({Text("Inauguration Day"), "null", RowsOf(kInaugurationDays)})),
    In("VA", Off({Text("Lee–Jackson Day"), "null", RowsOf(kLeeJacksonDays)})),
    In("FL", Off({Text("Commemoration of America's 250th Birthday"), "null", RowsOf(kAmerica250)})),
    In("MD", Off({Text("Service Reduction Day"), "null", RowsOf(kServiceReductionDays)})),
    In("NC", ObservedDays({Text("Christmas Eve"), "null", RowsOf(kNorthCarolinaChristmasEve)})),
    In("GA", ObservedDays(
                 {Entry(lang::kWashingtonsBirthday), "null", RowsOf(kGeorgiaWashingtonsBirthday)})),
};

constexpr EasterRow kUsEaster[] = {
    kEasterSunday,
    kEasterMonday,
    kAshWednesday,
    In(kShroveTuesdayNotOff, kShroveTuesday),
    In("LA", From(1857, Off(EasterRow{-47, Text("Mardi Gras"), "mardi_gras1.jpg"}))),
    kPalmSunday,
    In(kGoodFridayNotOff, kGoodFriday),
    In(kGoodFridayOff, From(kStateDaysFrom, Off(kGoodFriday))),
};

}  // namespace

const CountryList kUnitedStates = {RowsOf(kUsFixed), RowsOf(kUsFloating), RowsOf(kUsListed),
                                   RowsOf(kUsEaster)};

}  // namespace tessolar::national
