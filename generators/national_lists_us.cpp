#include "generators/national_lists.h"

namespace tessolar::national {
namespace {

// --- United States ---------------------------------------------------------
constexpr FixedRow kUsFixed[] = {
    {kJan, 1, Entry(102), "new_year.jpg"},
    {kFeb, 2, Entry(89), "groundhog-1_tr.gif"},
    {kFeb, 12, Entry(110), "lincoln_pres_tr.gif", kNationalHoliday, 1809},
    {kFeb, 14, Entry(125), "hearts3.gif"},
    {kFeb, 22, Entry(111), "washington_tr.gif", kNationalHoliday, 1732},
    {kMar, 17, Entry(119), "shamrock.jpg"},
    {kApr, 1, Entry(68), "jester2_tr.gif"},
    {kApr, 22, Entry(83), "catsout.jpg"},
    {kMay, 5, Entry(71), "cinco.gif"},
    {kJun, 14, Entry(88), "flag156.png"},
    {kJul, 4, Entry(92), "flag156.png"},
    {kOct, 31, Entry(90), "pumpkin2.gif"},
    {kNov, 10, Entry(124), "usmc.jpg", kBirthday, 1775},
    {kNov, 11, Entry(126), "vets2.jpg"},
    {kDec, 7, Entry(108), "arizona_memorial1.gif", kNationalHoliday, 1941},
    {kDec, 25, Entry(75), "santa.png", kChristianHoliday},
    {kDec, 31, Entry(103), "new_years_eve1.gif"},
};
constexpr FloatingRow kUsFloating[] = {
    {Entry(98), kWeekThird, kMon, kJan, "mlk1.jpg"},
    {Entry(109), kWeekThird, kMon, kFeb, "presidents_day.gif"},
    {Entry(99), kWeekSecond, kSun, kMay, "mothers_day_tr.gif"},
    {Entry(69), kWeekThird, kSat, kMay, "armed_forces_day1.jpg"},
    {Entry(97), kWeekLast, kMon, kMay, "memorial_day_sunshine.gif"},
    {Entry(87), kWeekThird, kSun, kJun, "fathers_day.gif"},
    {Entry(93), kWeekFirst, kMon, kSep, "labor_day_tr.gif"},
    {Entry(76), kWeekSecond, kMon, kOct, "columbus.png"},
    {Entry(85), kWeekFirst, kMon, kNov, "election.png", FloatRule::kElectionTuesday},
    {Entry(121), kWeekFourth, kThu, kNov, "turkey165_tr.gif"},
};

}  // namespace

const CountryList kUnitedStates = {RowsOf(kUsFixed), RowsOf(kUsFloating)};

}  // namespace tessolar::national
