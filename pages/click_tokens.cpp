#include "pages/click_tokens.h"

#include <array>
#include <cctype>

#include "caldata/hex_escapes.h"
#include "pages/page_text.h"

namespace tessolar {
namespace {

struct TokenWord {
  std::string_view word;
  TokenKind kind;
};

// The order in which tokens are looked for: the first one found wins.
constexpr std::array<TokenWord, 10> kTokenOrder = {{
    {"calendarnew", TokenKind::kCalendarNew},
    {"calendarbrowse", TokenKind::kCalendarBrowse},
    {"calendarrecent", TokenKind::kCalendarRecent},
    {"caldate", TokenKind::kCalDate},
    {"calidx", TokenKind::kCalIdx},
    {"calbigpic", TokenKind::kCalBigPic},
    {"calunhide", TokenKind::kCalUnhide},
    {"caltitletext", TokenKind::kCalTitleText},
    {"caltitlepic", TokenKind::kCalTitlePic},
    {"calmore", TokenKind::kCalMore},
}};

// Up to `width` decimal digits from `pos`; 0 when there are none.
int DigitsAt(std::string_view text, size_t& pos, size_t width) {
  int value = 0;
  for (size_t n = 0;
       n < width && pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]));
       ++n, ++pos) {
    value = value * 10 + (text[pos] - '0');
  }
  return value;
}

}  // namespace

std::string RecentCalendarToken(const std::string& path) { return "calendarrecent_" + path; }
std::string DateToken(int month, int day) { return Printf("caldate%02d%02d", month, day); }
std::string EntryToken(uint32_t index) { return Printf("calidx%04u", index); }
std::string BigPictureToken(int slot) { return Printf("calbigpic%02d", slot); }
std::string UnhideToken(uint32_t index) { return Printf("calunhide%04u", index); }
std::string TitlePictureToken(int slot) { return Printf("caltitlepic%02d", slot); }
std::string MoreEntriesToken(int month, int day) { return Printf("calmore%02d%02d", month, day); }

std::string PercentDecoded(std::string_view text) { return HexUnescaped(text, '%'); }

ClickToken FindClickToken(std::string_view query) {
  ClickToken token;
  for (const TokenWord& t : kTokenOrder) {
    const size_t at = query.find(t.word);
    if (at == std::string_view::npos) continue;
    token.kind = t.kind;
    size_t pos = at + t.word.size();
    switch (t.kind) {
      case TokenKind::kCalendarRecent: {
        constexpr std::string_view kWithPath = "calendarrecent_";
        const size_t withPath = query.find(kWithPath);
        if (withPath != std::string_view::npos) {
          token.path = std::string(query.substr(withPath + kWithPath.size()));
        }
        break;
      }
      case TokenKind::kCalDate:
      case TokenKind::kCalMore:
        token.first = DigitsAt(query, pos, 2);
        token.second = DigitsAt(query, pos, 2);
        break;
      case TokenKind::kCalIdx:
      case TokenKind::kCalUnhide: token.first = DigitsAt(query, pos, 4); break;
      case TokenKind::kCalBigPic: token.first = DigitsAt(query, pos, 2); break;
      default: break;
    }
    return token;
  }
  return token;
}

}  // namespace tessolar
