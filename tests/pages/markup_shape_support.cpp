#include "pages/markup_shape_support.h"

#include <algorithm>
#include <cctype>

namespace tessolar::testing {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// CSS declarations of a style attribute: the property names, with quoted
// strings and backslash escapes skipped so that only real separators count.
void AddStyleProperties(const std::string& style, std::vector<std::string>& shape) {
  std::string name;
  bool inName = true;
  char quote = 0;
  for (size_t i = 0; i < style.size(); ++i) {
    const char c = style[i];
    if (c == '\\') {
      ++i;
    } else if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      inName = true;
      name.clear();
    } else if (c == ':' && inName) {
      inName = false;
      name.erase(0, name.find_first_not_of(" \t\n"));
      shape.push_back("css:" + Lower(name));
    } else if (inName) {
      name += c;
    }
  }
}

std::string Scheme(const std::string& url) {
  const size_t colon = url.find(':');
  const size_t slash = url.find('/');
  if (colon == std::string::npos || (slash != std::string::npos && slash < colon)) return "relative";
  return Lower(url.substr(0, colon));
}

void AddRawTextCounts(const std::string& element, const std::string& text,
                      std::vector<std::string>& shape) {
  std::string counts = element + ":";
  for (char c : std::string("{};<\"'")) {
    counts += c + std::to_string(std::count(text.begin(), text.end(), c)) + " ";
  }
  shape.push_back(counts);
}

}  // namespace

std::vector<std::string> MarkupShape(const std::string& html) {
  std::vector<std::string> shape;
  size_t i = 0;
  while ((i = html.find('<', i)) != std::string::npos) {
    if (html.compare(i, 4, "<!--") == 0) {
      const size_t end = html.find("-->", i + 4);
      shape.push_back("comment");
      if (end == std::string::npos) break;
      i = end + 3;
      continue;
    }
    ++i;
    size_t nameEnd = i;
    while (nameEnd < html.size() && !IsSpace(html[nameEnd]) && html[nameEnd] != '>') ++nameEnd;
    const std::string tag = Lower(html.substr(i, nameEnd - i));
    shape.push_back("tag:" + tag);
    i = nameEnd;
    // Attributes up to the closing '>'.
    while (i < html.size() && html[i] != '>') {
      if (IsSpace(html[i]) || html[i] == '/') {
        ++i;
        continue;
      }
      size_t end = i;
      while (end < html.size() && !IsSpace(html[end]) && html[end] != '=' && html[end] != '>') ++end;
      const std::string attribute = Lower(html.substr(i, end - i));
      shape.push_back("attr:" + attribute);
      i = end;
      while (i < html.size() && IsSpace(html[i])) ++i;
      if (i >= html.size() || html[i] != '=') continue;
      ++i;
      while (i < html.size() && IsSpace(html[i])) ++i;
      std::string value;
      if (i < html.size() && (html[i] == '"' || html[i] == '\'')) {
        const size_t close = html.find(html[i], i + 1);
        value = html.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
        i = close == std::string::npos ? html.size() : close + 1;
      } else {
        size_t close = i;
        while (close < html.size() && !IsSpace(html[close]) && html[close] != '>') ++close;
        value = html.substr(i, close - i);
        i = close;
      }
      if (attribute == "style") AddStyleProperties(value, shape);
      if (attribute == "src" || attribute == "href") shape.push_back("scheme:" + Scheme(value));
      if (attribute.compare(0, 2, "on") == 0) shape.push_back("call:" + value.substr(0, value.find('(')));
    }
    ++i;
    if (tag == "style" || tag == "script") {
      const size_t close = Lower(html).find("</" + tag, i);
      AddRawTextCounts(tag, html.substr(i, close == std::string::npos ? std::string::npos : close - i),
                       shape);
      if (close == std::string::npos) break;
      i = close;
    }
  }
  return shape;
}

}  // namespace tessolar::testing
