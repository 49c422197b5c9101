#pragma once
// Captions and pictures of the entries of a day, as the day cells, the event
// dialog and the hidden-events page show them.
//
// A shown entry of a day is one that CCalDatabase::GetEntriesOfDay returns
// and whose year is not after the calendar year; shown entries are numbered
// k = 0, 1, ... in store order.

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/cal_entry.h"

namespace tessolar {

// A day cell shows this many of a day's entries; the others wait behind a
// mark ("+2") that lists them. A day may hold any number.
inline constexpr uint32_t kEntriesShownPerDay = 4;

// Captions longer than this many characters drop the anniversary word where
// their language's grammar says so, and day cells print them smaller.
inline constexpr size_t kShortCaptionLength = 16;

// The English ordinal ("1st", "2nd", ..., "unk" when none has passed) of the
// years from `year` to the calendar year.
std::string AnniversaryOrdinal(const CCalDatabase& db, int year);

// The caption of an entry of `type`, `year`, `description` and show-age flag
// in the calendar's language, worded by its caption grammar.
std::string EntryCaption(const CCalDatabase& db, uint32_t type, int year,
                         const std::string& description, int showAge);

// English-only caption that labels the choices of the picture-drop flow.
std::string DropChoiceCaption(const CCalDatabase& db, const CalEntry& entry);

// The caption of the k-th shown entry of the day; empty when there is none.
std::string DayEntryCaption(const CCalDatabase& db, int month, int day, int k);

// The picture path of the k-th shown entry: its file when that exists, the
// clip-art birthday picture for a birthday without one, else "null"; empty
// when there is no k-th entry.
std::string DayEntryPicture(const CCalDatabase& db, int month, int day, int k);

// The store slot of the k-th shown entry; 0 when there is none.
uint32_t DayEntrySlot(const CCalDatabase& db, int month, int day, int k);

// 1 when the day has a shown entry (of type 2 to 5 for DayHasHoliday), else 0.
int DayHasEntries(const CCalDatabase& db, int month, int day);
int DayHasHoliday(const CCalDatabase& db, int month, int day);

// Estimated printed width of a caption: per character 1 for , . i l; 2 for a
// space ' j t; 4 for M; 5 for W; 3 for every other character.
int CaptionWidth(const std::string& text);

}  // namespace tessolar
