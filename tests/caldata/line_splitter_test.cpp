#include "caldata/line_splitter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessolar {
namespace {

using Lines = std::vector<std::vector<std::string>>;

Lines SplitAll(const std::string& text) {
  Lines lines;
  LineSplitter splitter(text);
  while (!splitter.AtEnd()) {
    const size_t n = splitter.NextLine();
    lines.emplace_back();
    for (size_t i = 0; i < n; ++i) lines.back().push_back(splitter.Field(i));
  }
  return lines;
}

TEST(LineSplitter, FieldsSeparatorsQuotesAndLineEnds) {
  const std::pair<const char*, Lines> cases[] = {
      // Empty fields count before a separator but not at the end.
      {"a\tb\n", {{"a", "b"}}},
      {"\t\tc\n", {{"", "", "c"}}},
      {"a\t\n", {{"a"}}},
      {"a\t\t\n", {{"a", ""}}},
      {"last line without break", {{"last line without break"}}},
      // Blank lines and carriage returns disappear.
      {"a\r\n\r\n\nb\rc\n", {{"a"}, {"b"}, {"c"}}},
      {"\nx", {{}, {"x"}}},
      // Quoted fields hold separators and doubled quotes; a later quote is an ordinary character.
      {"\"a\tb\"\tc\n", {{"a\tb", "c"}}},
      {"\"say \"\"hi\"\"\"\tx\n", {{"say \"hi\"", "x"}}},
      {"a\"b\t\"\n", {{"a\"b"}}},
      // The character right after the opening quote is taken as it stands.
      {"\"\"x\"\ty\n", {{"\"x", "y"}}},
      // After the closing quote the field goes on unquoted.
      {"\"ab\"cd\"\te\n", {{"abcd\"", "e"}}},
      // An unclosed quote runs to the end of the line.
      {"1\t\"open\tpic\t7\n2\tnext\n", {{"1", "open\tpic\t7"}, {"2", "next"}}},
      {"\"\nb\n", {{}, {"b"}}},
      // The twelfth field onward is read as the next line; a separator after eleven adds no line.
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\n", {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {"12", "13"}}},
      {"1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t\nx\n", {{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"}, {"x"}}},
  };
  for (const auto& [text, lines] : cases) EXPECT_EQ(SplitAll(text), lines) << text;
  LineSplitter end("");
  EXPECT_EQ(end.NextLine(), 0u);
  EXPECT_EQ(end.Field(0), "");
}

}  // namespace
}  // namespace tessolar
