// The click tokens: what the pages write reads back as the same token, and
// what the reader makes of queries the pages never write.

#include "pages/click_tokens.h"

#include <gtest/gtest.h>

namespace tessolar {
namespace {

TEST(ClickTokens, EveryTokenThePagesWriteReadsBack) {
  for (int month = 0; month < 12; ++month) {
    for (int day = 1; day <= 31; ++day) {
      const ClickToken t = ReadClickToken(DateToken(month, day));
      ASSERT_EQ(t.kind, TokenKind::kCalDate);
      ASSERT_EQ(std::make_pair(t.first, t.second), std::make_pair(month, day));
      const ClickToken more = ReadClickToken(MoreEntriesToken(month, day));
      ASSERT_EQ(more.kind, TokenKind::kCalMore);
      ASSERT_EQ(std::make_pair(more.first, more.second), std::make_pair(month, day));
    }
  }
  for (uint32_t index : {0u, 7u, 499u, 9999u}) {
    EXPECT_EQ(ReadClickToken(EntryToken(index)).kind, TokenKind::kCalIdx);
    EXPECT_EQ(ReadClickToken(EntryToken(index)).first, static_cast<int>(index));
    EXPECT_EQ(ReadClickToken(UnhideToken(index)).kind, TokenKind::kCalUnhide);
    EXPECT_EQ(ReadClickToken(UnhideToken(index)).first, static_cast<int>(index));
  }
  for (int slot = 0; slot < 13; ++slot) {
    EXPECT_EQ(ReadClickToken(BigPictureToken(slot)).kind, TokenKind::kCalBigPic);
    EXPECT_EQ(ReadClickToken(BigPictureToken(slot)).first, slot);
    EXPECT_EQ(ReadClickToken(TitlePictureToken(slot)).kind, TokenKind::kCalTitlePic);
  }
  EXPECT_EQ(ReadClickToken(kNewCalendarToken).kind, TokenKind::kCalendarNew);
  EXPECT_EQ(ReadClickToken(kBrowseCalendarsToken).kind, TokenKind::kCalendarBrowse);
  EXPECT_EQ(ReadClickToken(kTitleTextToken).kind, TokenKind::kCalTitleText);
  // A path with words of other tokens in it stays the recent calendar's: one
  // named calendarnew.cal once started a new calendar instead.
  const std::string path = "/tmp/caldate0101/calendarnew.cal";
  const ClickToken recent = ReadClickToken(RecentCalendarToken(path));
  EXPECT_EQ(recent.kind, TokenKind::kCalendarRecent);
  EXPECT_EQ(recent.path, path);
}

// A query is read whole: a token's word with exactly its digits, or a
// recent calendar's path; anything more or less is no token.
TEST(ClickTokens, QueriesAreReadWholeOrNotAtAll) {
  const struct {
    const char* query;
    TokenKind kind;
    int first, second;
    const char* path;
  } cases[] = {
      {"caldate0105", TokenKind::kCalDate, 1, 5, ""},
      {"calidx0123", TokenKind::kCalIdx, 123, 0, ""},
      {"calunhide0042", TokenKind::kCalUnhide, 42, 0, ""},
      {"calbigpic11", TokenKind::kCalBigPic, 11, 0, ""},
      {"caltitlepic03", TokenKind::kCalTitlePic, 3, 0, ""},
      {"caltitletext", TokenKind::kCalTitleText, 0, 0, ""},
      {"calshow1131", TokenKind::kCalShow, 11, 31, ""},
      {"calendarrecent_/home/ann/My Calendars/a.cal", TokenKind::kCalendarRecent, 0, 0,
       "/home/ann/My Calendars/a.cal"},
      {"caldate", TokenKind::kNone, 0, 0, ""},
      {"caldate1x05", TokenKind::kNone, 0, 0, ""},
      {"calidx01234", TokenKind::kNone, 0, 0, ""},
      {"calendarrecent", TokenKind::kNone, 0, 0, ""},
      {"calendarrecent_", TokenKind::kNone, 0, 0, ""},
      {"calidx0003caldate0201", TokenKind::kNone, 0, 0, ""},
      {"calunhide0001calendarnew", TokenKind::kNone, 0, 0, ""},
      {" calendarnew", TokenKind::kNone, 0, 0, ""},
      {"calendarnew&x=1", TokenKind::kNone, 0, 0, ""},
      {"nothing", TokenKind::kNone, 0, 0, ""},
  };
  for (const auto& c : cases) {
    const ClickToken t = ReadClickToken(c.query);
    EXPECT_EQ(t.kind, c.kind) << c.query;
    EXPECT_EQ(t.first, c.first) << c.query;
    EXPECT_EQ(t.second, c.second) << c.query;
    EXPECT_EQ(t.path, c.path) << c.query;
  }
  EXPECT_EQ(PercentDecoded("a%20b%2Fc%C3%B1%zz%4"), "a b/c\xC3\xB1%zz%4");
}

// The page script's selection: a day, and an entry when one has the focus.
TEST(ClickTokens, SelectionsReadDayAndEntryOrNothing) {
  const struct {
    const char* text;
    int month, day, entry;
  } cases[] = {{"2027-03-05 17", 2, 5, 17}, {"2027-12-31 ", 11, 31, -1},
               {" ", -1, 0, -1},            {"", -1, 0, -1},
               {"2027-13-05 1", -1, 0, 1},  {"2027-03-05 12345", 2, 5, -1},
               {"2027-03-05 x1", 2, 5, -1}, {"27-3-5 1", -1, 0, 1}};
  for (const auto& c : cases) {
    const PageSelection s = ReadPageSelection(c.text);
    EXPECT_EQ(s.month, c.month) << c.text;
    EXPECT_EQ(s.day, c.day) << c.text;
    EXPECT_EQ(s.entry, c.entry) << c.text;
  }
}

}  // namespace
}  // namespace tessolar
