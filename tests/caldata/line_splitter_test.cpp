#include "caldata/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessolar {
namespace {

std::vector<std::vector<std::string>> SplitAll(const std::string& text) {
  std::vector<std::vector<std::string>> lines;
  LineSplitter splitter(text);
  while (!splitter.AtEnd()) {
    std::vector<std::string> fields;
    const size_t n = splitter.NextLine();
    for (size_t i = 0; i < n; ++i) fields.push_back(splitter.Field(i));
    lines.push_back(fields);
  }
  return lines;
}

using Lines = std::vector<std::vector<std::string>>;

TEST(LineSplitter, EmptyFieldsCountBeforeASeparatorButNotAtTheEnd) {
  EXPECT_EQ(SplitAll("a\tb\n"), (Lines{{"a", "b"}}));
  EXPECT_EQ(SplitAll("\t\tc\n"), (Lines{{"", "", "c"}}));
  EXPECT_EQ(SplitAll("a\t\n"), (Lines{{"a"}}));
  EXPECT_EQ(SplitAll("a\t\t\n"), (Lines{{"a", ""}}));
  EXPECT_EQ(SplitAll("\t\n"), (Lines{{""}}));
  EXPECT_EQ(SplitAll("last line without break"), (Lines{{"last line without break"}}));
}

TEST(LineSplitter, BlankLinesAndCarriageReturnsDisappear) {
  EXPECT_EQ(SplitAll("a\r\n\r\n\nb\rc\n"), (Lines{{"a"}, {"b"}, {"c"}}));
  EXPECT_EQ(SplitAll("\nx"), (Lines{{}, {"x"}}));
  LineSplitter end("");
  EXPECT_EQ(end.NextLine(), 0u);
  EXPECT_EQ(end.NextLine(), 0u);
  EXPECT_EQ(end.Field(0), "");
}

TEST(LineSplitter, QuotedFieldsHoldSeparatorsAndDoubledQuotes) {
  EXPECT_EQ(SplitAll("\"a\tb\"\tc\n"), (Lines{{"a\tb", "c"}}));
  EXPECT_EQ(SplitAll("\"say \"\"hi\"\"\"\tx\n"), (Lines{{"say \"hi\"", "x"}}));
  // A quote later in an unquoted field is an ordinary character.
  EXPECT_EQ(SplitAll("a\"b\t\"\n"), (Lines{{"a\"b"}}));
  // The character right after the opening quote is taken as it stands.
  EXPECT_EQ(SplitAll("\"\"x\"\ty\n"), (Lines{{"\"x", "y"}}));
  EXPECT_EQ(SplitAll("\"\t\"\n"), (Lines{{"\t"}}));
  // After the closing quote the field goes on unquoted.
  EXPECT_EQ(SplitAll("\"ab\"cd\"\te\n"), (Lines{{"abcd\"", "e"}}));
}

TEST(LineSplitter, AnUnclosedQuoteRunsToTheEndOfTheLine) {
  EXPECT_EQ(SplitAll("1\t\"open\tpic\t7\n2\tnext\n"),
            (Lines{{"1", "open\tpic\t7"}, {"2", "next"}}));
  EXPECT_EQ(SplitAll("\"\nb\n"), (Lines{{}, {"b"}}));
}

TEST(LineSplitter, TheTwelfthFieldOnwardIsReadAsTheNextLine) {
  std::string line;
  for (int i = 1; i <= 14; ++i) line += std::to_string(i) + (i < 14 ? "\t" : "\n");
  const Lines lines = SplitAll(line);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), LineSplitter::kMaxFields);
  EXPECT_EQ(lines[0].back(), "11");
  EXPECT_EQ(lines[1], (std::vector<std::string>{"12", "13", "14"}));
  // Exactly eleven fields and a separator after them: no empty line follows.
  EXPECT_EQ(SplitAll("1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t\nx\n").size(), 2u);
}

}  // namespace
}  // namespace tessolar
