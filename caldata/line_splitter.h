#pragma once
// Splits the lines of a calendar text into fields. A field that begins with a
// double quote is quoted: separators inside it are ordinary characters, a
// doubled quote stands for one, and the character right after the opening
// quote is taken as it stands. Blank lines are skipped. A line holds at most
// kMaxFields fields; whatever follows the last of them is read as the next line.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tessolar {

class LineSplitter {
 public:
  static constexpr size_t kMaxFields = 11;

  explicit LineSplitter(std::string_view text, char separator = '\t');

  // Splits the line at the current position and moves past it (and past the
  // line breaks after it). Returns the number of fields: 0 for a line without
  // any, and at the end of the text.
  size_t NextLine();

  // Field i of the last line read; empty for i at or beyond the count NextLine gave.
  const std::string& Field(size_t i) const;
  bool AtEnd() const { return pos_ >= text_.size(); }

 private:
  std::string_view text_;
  char separator_;
  size_t pos_ = 0;
  std::array<std::string, kMaxFields> fields_{};
  size_t count_ = 0;
};

}  // namespace tessolar
