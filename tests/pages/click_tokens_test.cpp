// The click tokens: what the pages write reads back as the same token, and
// what the reader makes of queries the pages never write.

#include "pages/click_tokens.h"

#include <gtest/gtest.h>

namespace tessolar {
namespace {

TEST(ClickTokens, EveryTokenThePagesWriteReadsBack) {
  for (int month = 0; month < 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const ClickToken t = FindClickToken(DateToken(month, day));
      ASSERT_EQ(t.kind, TokenKind::kCalDate);
      ASSERT_EQ(std::make_pair(t.first, t.second), std::make_pair(month, day));
      const ClickToken more = FindClickToken(MoreEntriesToken(month, day));
      ASSERT_EQ(more.kind, TokenKind::kCalMore);
      ASSERT_EQ(std::make_pair(more.first, more.second), std::make_pair(month, day));
    }
  }
  for (uint32_t index : {0u, 7u, 499u, 9999u}) {
    EXPECT_EQ(FindClickToken(EntryToken(index)).kind, TokenKind::kCalIdx);
    EXPECT_EQ(FindClickToken(EntryToken(index)).first, static_cast<int>(index));
    EXPECT_EQ(FindClickToken(UnhideToken(index)).kind, TokenKind::kCalUnhide);
    EXPECT_EQ(FindClickToken(UnhideToken(index)).first, static_cast<int>(index));
  }
  for (int slot = 0; slot < 13; ++slot) {
    EXPECT_EQ(FindClickToken(BigPictureToken(slot)).kind, TokenKind::kCalBigPic);
    EXPECT_EQ(FindClickToken(BigPictureToken(slot)).first, slot);
    EXPECT_EQ(FindClickToken(TitlePictureToken(slot)).kind, TokenKind::kCalTitlePic);
  }
  EXPECT_EQ(FindClickToken(kNewCalendarToken).kind, TokenKind::kCalendarNew);
  EXPECT_EQ(FindClickToken(kBrowseCalendarsToken).kind, TokenKind::kCalendarBrowse);
  EXPECT_EQ(FindClickToken(kTitleTextToken).kind, TokenKind::kCalTitleText);
  // A path with words of other tokens in it stays the recent calendar's.
  const std::string path = "/home/ann/caldate0105 calidx/a.cal";
  const ClickToken recent = FindClickToken(RecentCalendarToken(path));
  EXPECT_EQ(recent.kind, TokenKind::kCalendarRecent);
  EXPECT_EQ(recent.path, path);
}

TEST(ClickTokens, FieldsOrderAndPathsOfQueriesAsTheyCome) {
  const struct {
    const char* query;
    TokenKind kind;
    int first, second;
    const char* path;
  } cases[] = {
      {"caldate0105", TokenKind::kCalDate, 1, 5, ""},
      {"caldate", TokenKind::kCalDate, 0, 0, ""},
      {"caldate1x", TokenKind::kCalDate, 1, 0, ""},
      {"calidx01234", TokenKind::kCalIdx, 123, 0, ""},
      {"calunhide0042", TokenKind::kCalUnhide, 42, 0, ""},
      {"calbigpic11", TokenKind::kCalBigPic, 11, 0, ""},
      {"caltitlepic03", TokenKind::kCalTitlePic, 0, 0, ""},
      {"caltitletext", TokenKind::kCalTitleText, 0, 0, ""},
      {"calendarrecent", TokenKind::kCalendarRecent, 0, 0, ""},
      {"calendarrecent_/home/ann/My Calendars/a.cal", TokenKind::kCalendarRecent, 0, 0,
       "/home/ann/My Calendars/a.cal"},
      // Two tokens: the first of the fixed order wins, wherever it stands.
      {"calidx0003caldate0201", TokenKind::kCalDate, 2, 1, ""},
      {"calunhide0001calendarnew", TokenKind::kCalendarNew, 0, 0, ""},
      {"nothing", TokenKind::kNone, 0, 0, ""},
  };
  for (const auto& c : cases) {
    const ClickToken t = FindClickToken(c.query);
    EXPECT_EQ(t.kind, c.kind) << c.query;
    EXPECT_EQ(t.first, c.first) << c.query;
    EXPECT_EQ(t.second, c.second) << c.query;
    EXPECT_EQ(t.path, c.path) << c.query;
  }
  EXPECT_EQ(PercentDecoded("a%20b%2Fc%C3%B1%zz%4"), "a b/c\xC3\xB1%zz%4");
}

}  // namespace
}  // namespace tessolar
