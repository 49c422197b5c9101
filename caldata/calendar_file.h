#pragma once
// Calendar files (.cal): the calendar text, enciphered in its envelope when
// saved; plain texts load as well.

#include <optional>
#include <string>
#include <string_view>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"

namespace tessolar {

// Files larger than this are refused unread: no calendar comes near it.
inline constexpr size_t kMaxCalendarFileBytes = size_t{256} << 20;

// Writes the calendar to `path`, enciphered, by replacing the file whole.
// Nothing is written when the calendar text equals SavedText and `path` is
// the file that text was loaded from or last saved to. Returns 0 when the
// file holds the calendar; -1 when saving failed, with a sentence for the
// user in `message`: the old file is then untouched, and SavedText and
// SavedPath keep their values. Once saved, no entries count as left out.
int SaveCalendarFile(CCalDatabase& db, const std::string& path, UserText* message = nullptr);

// Reads the calendar file at `path` into `db`, which the caller has reset.
// Returns -1 when there is no file of that name; 0 when it cannot be read or
// is not a calendar (a sentence for the user in `message`; the store is left
// as it was); 1 when it was read, after which
// SavedText holds the text read and SavedPath the path. Does not run the
// year build.
int LoadCalendarFile(CCalDatabase& db, const std::string& path, UserText* message = nullptr);

// The sentence that says a calendar read from `path` left entries out.
UserText EntriesLeftOutMessage(const std::string& path, uint32_t leftOut);

// The note that a calendar read from `path` named region `code`, which its
// country has not, and shows the whole country instead.
UserText UnknownRegionMessage(const std::string& path, const std::string& code);

// The calendar text inside the bytes of a file: deciphered when they begin
// with the envelope magic, taken as they are otherwise; line ends as line
// feeds, ending at a NUL byte, and converted to UTF-8 from Windows-1252 when
// it is not UTF-8. Nothing when the envelope does not open.
std::optional<std::string> DecodeCalendarBytes(std::string_view bytes);

// DecodeCalendarBytes, then ReadCalendarText; on success SavedText is the
// decoded text. Returns 1 or 0 as ReadCalendarText does; on 0 the store is
// left as it was.
int ReadCalendarBytes(CCalDatabase& db, std::string_view bytes);

}  // namespace tessolar
