#pragma once
// The fields of the event dialog that the user types, checked and cleaned
// before they become an entry, so that no entry is stored that the calendar
// cannot show or the calendar file cannot hold.

#include <optional>
#include <string>
#include <string_view>

#include "caldata/user_text.h"

namespace tessolar {

// Years an entry may carry: 0 is no year and 9999 marks a deleted entry;
// negative years are before the Common Era (-753 is 753 BCE).
inline constexpr int kMaxEntryYear = 9998;
inline bool IsEntryYear(int year) {
  return year != 0 && year >= -kMaxEntryYear && year <= kMaxEntryYear;
}

// `text` read as a whole decimal number (sign and surrounding spaces
// allowed); nothing when it is not one or has more than six digits.
std::optional<int> WholeNumber(std::string_view text);

enum class EntryField { kNone, kDay, kYear };

struct EntryProblem {
  EntryField field = EntryField::kNone;  // the field to fix; kNone when all is well
  UserText message;                      // one sentence for the user
};

// Checks the typed day (only for a fixed date: it must be a day of `month`,
// 0..11, in `calendarYear`, the year the month has in the calendar) and the
// typed year (-9998..9998, not 0). The messages name the month in the
// program's language, as the dialog lists it.
EntryProblem CheckEventEntry(int month, bool fixed, std::string_view dayText,
                             std::string_view yearText, int calendarYear);

// A typed description as the store keeps it: tabs and line breaks become
// spaces (the calendar file cannot hold them); an empty one is "unknown".
std::string StoredDescription(std::string_view typed);

}  // namespace tessolar
