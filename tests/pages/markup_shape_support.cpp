#include "pages/markup_shape_support.h"

#include <algorithm>
#include <cctype>
#include <regex>

namespace tessolar::testing {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// CSS declarations of a style attribute: the property names, with quoted
// strings and backslash escapes skipped so that only real separators count.
void AddStyleProperties(const std::string& style, std::vector<std::string>& shape) {
  static const std::regex declaration("(?:^|;)\\s*([^:;\"']*):");
  static const std::regex quotedOrEscaped("\\\\.|\"[^\"]*\"|'[^']*'");
  const std::string plain = std::regex_replace(style, quotedOrEscaped, "_");
  for (auto it = std::sregex_iterator(plain.begin(), plain.end(), declaration);
       it != std::sregex_iterator(); ++it)
    shape.push_back("css:" + Lower((*it)[1]));
}

}  // namespace

std::vector<std::string> MarkupShape(const std::string& html) {
  static const std::regex piece("<!--[\\s\\S]*?(?:-->|$)|<([^\\s>]*)([^>]*)>?");
  static const std::regex attribute("([^\\s=/]+)(?:\\s*=\\s*(\"[^\"]*\"?|'[^']*'?|[^\\s>]*))?");
  std::vector<std::string> shape;
  for (auto it = std::sregex_iterator(html.begin(), html.end(), piece);
       it != std::sregex_iterator(); ++it) {
    if (!(*it)[1].matched) {
      shape.push_back("comment");
      continue;
    }
    const std::string tag = Lower((*it)[1]), attributes = (*it)[2];
    shape.push_back("tag:" + tag);
    for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
         a != std::sregex_iterator(); ++a) {
      const std::string name = Lower((*a)[1]);
      std::string value = (*a)[2];
      if (!value.empty() && (value[0] == '"' || value[0] == '\''))
        value = value.substr(1, value.find(value[0], 1) - 1);
      shape.push_back("attr:" + name);
      if (name == "style") AddStyleProperties(value, shape);
      const size_t colon = value.find(':');
      if ((name == "src" || name == "href") && colon != std::string::npos &&
          value.find('/') > colon)
        shape.push_back("scheme:" + Lower(value.substr(0, colon)));
      if (name.compare(0, 2, "on") == 0)
        shape.push_back("call:" + value.substr(0, value.find('(')));
    }
    if (tag == "style" || tag == "script") {
      // The characters that structure the element's text, up to its end tag.
      const size_t from = it->position() + it->length(), close = Lower(html).find("</" + tag, from);
      const std::string text =
          html.substr(from, close == std::string::npos ? std::string::npos : close - from);
      std::string counts = tag + ":";
      for (char c : std::string("{};<\"'"))
        counts += c + std::to_string(std::count(text.begin(), text.end(), c)) + " ";
      shape.push_back(counts);
    }
  }
  return shape;
}

size_t Occurrences(const std::string& text, const std::string& needle) {
  size_t n = 0;
  for (size_t pos = text.find(needle); pos != std::string::npos;
       pos = text.find(needle, pos + needle.size()))
    ++n;
  return n;
}

}  // namespace tessolar::testing
