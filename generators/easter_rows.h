#pragma once
// The feasts reckoned from Easter Sunday, as rows the countries' lists are
// written with: Off(kEasterMonday), In("* BW BY", Off(kCorpusChristi)).

#include "generators/national_rows.h"

namespace tessolar::national {

inline constexpr EasterRow kEasterSunday = {0, Entry(49), "bunnies.gif"};
inline constexpr EasterRow kEasterMonday = {1, Entry(50), "bunny2.gif"};
inline constexpr EasterRow kAshWednesday = {-46, Entry(51), "madonna2.jpg"};
inline constexpr EasterRow kShroveTuesday = {-47, Entry(52), "mardi_gras1.jpg"};
inline constexpr EasterRow kPalmSunday = {-7, Entry(53), "palm_sunday1.gif"};
inline constexpr EasterRow kGoodFriday = {-2, Entry(54), "good_friday1_tr.gif"};
inline constexpr EasterRow kAscension = {39, Entry(55), "ascension.jpg"};
inline constexpr EasterRow kCorpusChristi = {60, Entry(58), "christ_cross.jpg"};
inline constexpr EasterRow kPentecost = {49, Entry(56), "pentecost.jpg"};
inline constexpr EasterRow kWhitMonday = {50, Entry(57), "st_nicholas.jpg"};

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
