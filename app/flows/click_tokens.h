#pragma once
// The tokens that double-clickable page elements hand to the program. The
// page script loads the page file again with the token as its query; the view
// looks for the token there.

#include <string>
#include <string_view>

namespace tessolar {

enum class TokenKind {
  kNone,
  kCalendarNew,     // "calendarnew"
  kCalendarBrowse,  // "calendarbrowse"
  kCalendarRecent,  // "calendarrecent_" and a path
  kCalDate,         // "caldate" MM DD: month 0..11, day
  kCalIdx,          // "calidx" NNNN: entry index
  kCalBigPic,       // "calbigpic" NN: big-picture slot
  kCalUnhide,       // "calunhide" NNNN: hidden entry index
  kCalTitleText,    // "caltitletext"
  kCalTitlePic,     // "caltitlepic" NN (the number is not used)
};

struct ClickToken {
  TokenKind kind = TokenKind::kNone;
  int first = 0;   // month, index or slot; 0 when its digits are missing
  int second = 0;  // day of "caldate"
  std::string path;  // of "calendarrecent_"
};

// The first token, in the fixed order of the list above, found anywhere in
// `query` (the decoded text after "?"). Fields are read as up to two or four
// decimal digits.
ClickToken FindClickToken(std::string_view query);

// `text` with every "%XX" escape decoded (UTF-8 bytes pass through).
std::string PercentDecoded(std::string_view text);

}  // namespace tessolar
