#include "caldata/line_splitter.h"

namespace tessolar {
namespace {

bool IsLineBreak(char c) { return c == '\n' || c == '\r'; }

const std::string kNoField;

}  // namespace

LineSplitter::LineSplitter(std::string_view text, char separator)
    : text_(text), separator_(separator) {}

const std::string& LineSplitter::Field(size_t i) const {
  return i < count_ ? fields_[i] : kNoField;
}

size_t LineSplitter::NextLine() {
  for (std::string& field : fields_) field.clear();
  count_ = 0;
  std::string current;
  bool inQuotes = false;
  while (pos_ < text_.size() && !IsLineBreak(text_[pos_]) && count_ < kMaxFields) {
    const char c = text_[pos_++];
    if (c == separator_ && !inQuotes) {
      fields_[count_++].swap(current);
      current.clear();
    } else if (c == '"' && inQuotes) {
      if (pos_ < text_.size() && text_[pos_] == '"') {
        current += text_[pos_++];
      } else {
        inQuotes = false;
      }
    } else if (c == '"' && current.empty()) {
      // Whatever follows the opening quote is text, even a quote or a separator.
      inQuotes = true;
      if (pos_ < text_.size() && !IsLineBreak(text_[pos_])) current += text_[pos_++];
    } else {
      current += c;
    }
  }
  if (!current.empty() && count_ < kMaxFields) fields_[count_++].swap(current);
  while (pos_ < text_.size() && IsLineBreak(text_[pos_])) ++pos_;
  return count_;
}

}  // namespace tessolar
