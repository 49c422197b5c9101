#pragma once
// Calendar files (.cal): the calendar text, enciphered in its envelope when
// saved; plain texts load as well.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"

namespace tessolar {

// Files larger than this are refused unread: no calendar comes near it.
inline constexpr size_t kMaxCalendarFileBytes = size_t{256} << 20;

// The calendar text last loaded from or saved to a file, and that file: a
// calendar whose text differs has changes its file does not hold.
struct SavedState {
  std::string text;
  std::string path;
};

// Writes the calendar to `path`, enciphered, by replacing the file whole.
// Nothing is written when the calendar text and `path` are those of `saved`.
// Returns 0 when the file holds the calendar, and `saved` (when given) holds
// its text and `path`; -1 when saving failed, with a sentence for the user in
// `message`: the old file and `saved` are then as they were. Once saved, no
// entries count as left out.
int SaveCalendarFile(CCalDatabase& db, const std::string& path, SavedState* saved = nullptr,
                     UserText* message = nullptr);

// Reads the calendar file at `path` into `db`, which the caller has reset.
// Returns -1 when there is no file of that name; 0 when it cannot be read or
// is not a calendar (a sentence for the user in `message`; the store is left
// as it was); 1 when it was read, after which `saved` (when given) holds the
// text read and `path`. Does not run the year build.
int LoadCalendarFile(CCalDatabase& db, const std::string& path, SavedState* saved = nullptr,
                     UserText* message = nullptr);

// The sentence that says a calendar read from `path` left entries out.
UserText EntriesLeftOutMessage(const std::string& path, uint32_t leftOut);

// The notes on settings of the calendar read from `path` that `db` could not
// take as the file gave them: a region its country has not (it shows the
// whole country), a start month out of 1..12 (it starts in January).
std::vector<UserText> SettingsNotReadMessages(const std::string& path, const CCalDatabase& db);

// The calendar text inside the bytes of a file: deciphered when they begin
// with the envelope magic, taken as they are otherwise; line ends as line
// feeds, ending at a NUL byte, and converted to UTF-8 from Windows-1252 when
// it is not UTF-8. Nothing when the envelope does not open.
std::optional<std::string> DecodeCalendarBytes(std::string_view bytes);

// DecodeCalendarBytes, then ReadCalendarText: the decoded text when it was
// read; nothing when it was not, and the store is left as it was.
std::optional<std::string> ReadCalendarBytes(CCalDatabase& db, std::string_view bytes);

}  // namespace tessolar
