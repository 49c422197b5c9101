#pragma once
// The line layer of vCard text: unfolding, parameters, value encodings.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "caldata/user_text.h"

namespace tessolar {

struct ContentLine {
  std::string name;                           // upper case, group dropped
  std::map<std::string, std::string> params;  // upper-case keys; 2.1 bare values keyed by themselves
  std::string value;                          // decoded (quoted-printable, character set)
  size_t lineNumber = 0;
};

// The unfolded content lines of `text`, values decoded to UTF-8; nothing with
// `error` set when the text is binary, a line is too long, or a character set
// is unknown or broken.
std::optional<std::vector<ContentLine>> SplitContentLines(std::string_view text, UserText* error);

// Whether the line carries parameter `key` (KEY=... or a 2.1 bare value),
// with `value` when given, case-insensitively.
bool HasParam(const ContentLine& line, const std::string& key, const std::string& value = {});

std::string UpperAscii(std::string text);

}  // namespace tessolar
