#pragma once
// Captions and pictures of the entries of a day, as the day cells, the event
// dialog and the hidden-events page show them.
//
// The shown entries of a day are those CCalDatabase::GetEntriesOfDay returns.

#include <cstdint>
#include <functional>
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
// in `month` (0..11) of the calendar, in its language, worded by its caption
// grammar; ages and anniversaries count to the year the month has.
std::string EntryCaption(const CCalDatabase& db, uint32_t type, int year,
                         const std::string& description, int showAge, int month);

// English-only caption that labels the choices of the picture-drop flow.
std::string DropChoiceCaption(const CCalDatabase& db, const CalEntry& entry);

// The caption of `entry` in the calendar's language.
std::string EntryCaption(const CCalDatabase& db, const CalEntry& entry);

// The picture a day shows for `entry`: its file when `exists` finds it, the
// clip-art birthday picture for a birthday without one, else "null".
std::string EntryPicture(const CCalDatabase& db, const CalEntry& entry,
                         const std::function<bool(const std::string&)>& exists);

// Estimated printed width of a caption: per character 1 for , . i l; 2 for a
// space ' j t; 4 for M; 5 for W; 3 for every other character.
int CaptionWidth(const std::string& text);

}  // namespace tessolar
