#pragma once
// The tokens that page elements hand to the program when double-clicked (or
// clicked, on the welcome and hidden-entries pages): the writers the pages
// use and the reader the program uses, side by side. The page script loads
// the page file again with the token as its query; the view looks for the
// token there. Day cells and big pictures also carry their token in a
// data-token attribute, which the drop hit test reads. The page script
// writes "calshow" itself, from a day cell's date.

#include <cstdint>
#include <string>
#include <string_view>

namespace tessolar {

inline constexpr char kNewCalendarToken[] = "calendarnew";
inline constexpr char kBrowseCalendarsToken[] = "calendarbrowse";
inline constexpr char kTitleTextToken[] = "caltitletext";

std::string RecentCalendarToken(const std::string& path);  // "calendarrecent_" and the path
std::string DateToken(int month, int day);                 // "caldate" MM DD, month 0..11
std::string EntryToken(uint32_t index);                    // "calidx" NNNN
std::string BigPictureToken(int slot);                     // "calbigpic" NN
std::string UnhideToken(uint32_t index);                   // "calunhide" NNNN
std::string TitlePictureToken(int slot);                   // "caltitlepic" NN
std::string MoreEntriesToken(int month, int day);          // "calmore" MM DD, month 0..11

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
  kCalMore,         // "calmore" MM DD: the entries of a day beyond what its cell shows
  kCalShow,         // "calshow" MM DD: a day the keyboard moved to on a page without it
};

struct ClickToken {
  TokenKind kind = TokenKind::kNone;
  int first = 0;     // month, index or slot
  int second = 0;    // day of "caldate"
  std::string path;  // of "calendarrecent_"
};

// The token that `query` (the decoded text after "?") is, read whole: one of
// the words above with exactly its digits, or "calendarrecent_" and a path.
// Anything else is no token (kNone).
ClickToken ReadClickToken(std::string_view query);

// What the page script's selection() reports: the selected day and the entry
// whose caption has the keyboard focus, as "2027-03-05 17" ("2027-03-05 "
// without an entry, " " on a page without days).
struct PageSelection {
  int month = -1;  // 0..11; -1 when no day is selected
  int day = 0;
  int entry = -1;  // store index; -1 when no entry has the focus
};
PageSelection ReadPageSelection(std::string_view text);

// `text` with every "%XX" escape decoded (UTF-8 bytes pass through).
std::string PercentDecoded(std::string_view text);

}  // namespace tessolar
