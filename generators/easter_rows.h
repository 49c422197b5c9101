#pragma once
// The feasts reckoned from Easter Sunday, as rows the countries' lists are
// written with: Off(kEasterMonday), In("* BW BY", Off(kCorpusChristi)).

#include "compute/language_entries.h"
#include "generators/national_rows.h"

namespace tessolar::national {

inline constexpr EasterRow kEasterSunday = {0, Entry(lang::kEasterSunday), "bunnies.gif"};
inline constexpr EasterRow kEasterMonday = {1, Entry(lang::kEasterMonday), "bunny2.gif"};
inline constexpr EasterRow kAshWednesday = {-46, Entry(lang::kAshWednesday), "madonna2.jpg"};
inline constexpr EasterRow kShroveTuesday = {-47, Entry(lang::kShroveTuesday), "mardi_gras1.jpg"};
inline constexpr EasterRow kPalmSunday = {-7, Entry(lang::kPalmSunday), "palm_sunday1.gif"};
inline constexpr EasterRow kGoodFriday = {-2, Entry(lang::kGoodFriday), "good_friday1_tr.gif"};
inline constexpr EasterRow kAscension = {39, Entry(lang::kAscensionDay), "ascension.jpg"};
inline constexpr EasterRow kCorpusChristi = {60, Entry(lang::kCorpusChristi), "christ_cross.jpg"};
inline constexpr EasterRow kPentecost = {49, Entry(lang::kPentecost), "pentecost.jpg"};
inline constexpr EasterRow kWhitMonday = {50, Entry(lang::kWhitMonday), "st_nicholas.jpg"};

// The six every calendar shows, in the order they are entered, for a country
// whose list has no Easter rows of its own.
inline constexpr EasterRow kCommonEasterRows[] = {
    kEasterSunday, kEasterMonday, kAshWednesday, kShroveTuesday, kPalmSunday, kGoodFriday,
};

// The Easter rows of a country's list.
inline Rows<EasterRow> EasterRowsOf(const CountryList& list) {
  return list.easter.size > 0 ? list.easter : RowsOf(kCommonEasterRows);
}

}  // namespace tessolar::national
