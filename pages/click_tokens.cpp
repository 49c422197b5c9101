#include "pages/click_tokens.h"

#include <cctype>
#include <optional>

#include "caldata/hex_escapes.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

// The words of the tokens and how many digits follow each: a query is a
// token only when it is one of these whole, so no path or text that holds a
// token's word can be taken for that token.
struct TokenForm {
  std::string_view word;
  TokenKind kind;
  size_t firstDigits;
  size_t secondDigits;
};
constexpr TokenForm kTokenForms[] = {
    {"calendarnew", TokenKind::kCalendarNew, 0, 0},
    {"calendarbrowse", TokenKind::kCalendarBrowse, 0, 0},
    {"caldate", TokenKind::kCalDate, 2, 2},
    {"calidx", TokenKind::kCalIdx, 4, 0},
    {"calbigpic", TokenKind::kCalBigPic, 2, 0},
    {"calunhide", TokenKind::kCalUnhide, 4, 0},
    {"caltitletext", TokenKind::kCalTitleText, 0, 0},
    {"caltitlepic", TokenKind::kCalTitlePic, 2, 0},
    {"calmore", TokenKind::kCalMore, 2, 2},
    {"calshow", TokenKind::kCalShow, 2, 2},
};
constexpr std::string_view kRecentWord = "calendarrecent_";

// The number `digits` decimal digits long at the start of `text`; nothing
// when they are not all there.
std::optional<int> Digits(std::string_view text, size_t digits) {
  if (text.size() < digits) return std::nullopt;
  int value = 0;
  for (size_t i = 0; i < digits; ++i) {
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::string RecentCalendarToken(const std::string& path) { return "calendarrecent_" + path; }
std::string DateToken(int month, int day) {
  return "caldate" + ZeroPadded(month, 2) + ZeroPadded(day, 2);
}
std::string EntryToken(uint32_t index) { return "calidx" + ZeroPadded(index, 4); }
std::string BigPictureToken(int slot) { return Printf("calbigpic%02d", slot); }
std::string UnhideToken(uint32_t index) { return Printf("calunhide%04u", index); }
std::string TitlePictureToken(int slot) { return Printf("caltitlepic%02d", slot); }
std::string MoreEntriesToken(int month, int day) {
  return "calmore" + ZeroPadded(month, 2) + ZeroPadded(day, 2);
}

std::string PercentDecoded(std::string_view text) { return HexUnescaped(text, '%'); }

PageSelection ReadPageSelection(std::string_view text) {
  PageSelection selection;
  const size_t space = text.find(' ');
  const std::string_view date = text.substr(0, space);
  if (date.size() == 10 && date[4] == '-' && date[7] == '-') {
    const auto month = Digits(date.substr(5), 2);
    const auto day = Digits(date.substr(8), 2);
    if (month && day && *month >= 1 && *month <= 12 && *day >= 1 && *day <= 31) {
      selection.month = *month - 1;
      selection.day = *day;
    }
  }
  if (space == std::string_view::npos) return selection;
  const std::string_view entry = text.substr(space + 1);
  if (!entry.empty() && entry.size() <= 4) {
    if (const auto index = Digits(entry, entry.size())) selection.entry = *index;
  }
  return selection;
}

ClickToken ReadClickToken(std::string_view query) {
  ClickToken token;
  if (query.substr(0, kRecentWord.size()) == kRecentWord && query.size() > kRecentWord.size()) {
    token.kind = TokenKind::kCalendarRecent;
    token.path = std::string(query.substr(kRecentWord.size()));
    return token;
  }
  for (const TokenForm& form : kTokenForms) {
    if (query.substr(0, form.word.size()) != form.word) continue;
    const std::string_view rest = query.substr(form.word.size());
    if (rest.size() != form.firstDigits + form.secondDigits) continue;
    const auto first = Digits(rest, form.firstDigits);
    const auto second = Digits(rest.substr(form.firstDigits), form.secondDigits);
    if (!first || !second) continue;
    token.kind = form.kind;
    token.first = *first;
    token.second = *second;
    return token;
  }
  return token;
}

}  // namespace tessolar
