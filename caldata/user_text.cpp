#include "caldata/user_text.h"

namespace tessolar {

std::string FillIn(std::string_view pattern, const std::vector<std::string>& values) {
  std::string text;
  text.reserve(pattern.size());
  for (size_t i = 0; i < pattern.size(); ++i) {
    const bool marker = pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
                        pattern[i + 1] <= '9';
    const size_t n = marker ? static_cast<size_t>(pattern[i + 1] - '1') : 0;  // [0, 8]
    if (marker && n < values.size()) {
      text += values[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

std::string English(const UserText& text) {
  if (!text.IsPhrase()) return text.Value();
  std::vector<std::string> values;
  for (const UserText& value : text.Values()) values.push_back(English(value));
  return FillIn(text.GetPhrase().source, values);
}

}  // namespace tessolar
