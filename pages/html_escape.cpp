#include "pages/html_escape.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tessolar {
namespace {

bool IsAsciiAlnum(unsigned char c) { return std::isalnum(c) && c < 0x80; }

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool ContainsNoCase(const std::string& text, const char* word) {
  return Lower(text).find(word) != std::string::npos;
}

// The SVG beside a raster picture of the same name, when both are there: the
// shipped clip-art comes as both, the raster for the size probes and the
// dialogs' previews, the SVG to print sharp at any size. The engine runs no
// script and loads nothing from an SVG shown as an <img>.
std::string DrawnFrom(const std::string& absolutePath) {
  const std::filesystem::path picture(absolutePath);
  const std::string suffix = Lower(picture.extension().string());
  if (suffix != ".png" && suffix != ".gif" && suffix != ".jpg" && suffix != ".jpeg") {
    return absolutePath;
  }
  const std::filesystem::path vector = std::filesystem::path(picture).replace_extension(".svg");
  std::error_code error;
  if (std::filesystem::is_regular_file(picture, error) &&
      std::filesystem::is_regular_file(vector, error)) {
    return vector.string();
  }
  return absolutePath;
}

}  // namespace

std::string EscapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\'': out += "&#39;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string EscapeCssString(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) {
    if (IsAsciiAlnum(c) || c == ' ' || c == '-' || c == '_' || c >= 0x80) {
      out += static_cast<char>(c);
    } else if (c == 0) {
      out += "\\fffd ";  // CSS turns NUL into the replacement character anyway
    } else {
      // "\hh " is the CSS escape of one code point; the space ends the hex digits.
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%x ", c);
      out += escape;
    }
  }
  return out;
}

std::string SanitizeCssValue(std::string_view value) {
  std::string out;
  for (unsigned char c : value) {
    if (IsAsciiAlnum(c) || c == ' ' || c == '#' || c == '.' || c == ',' || c == '%' || c == '(' ||
        c == ')' || c == '-') {
      out += static_cast<char>(c);
    }
  }
  if (ContainsNoCase(out, "url") || ContainsNoCase(out, "image") ||
      ContainsNoCase(out, "expression")) {
    return {};
  }
  return out;
}

std::string PercentEncodePath(std::string_view path) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(path.size());
  for (unsigned char c : path) {
    if (IsAsciiAlnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

std::string FileUrl(const std::string& absolutePath) {
  return "file://" + PercentEncodePath(absolutePath);
}

std::string PictureUrl(const std::string& path) {
  if (path.empty()) return {};
  if (path.front() == '/') return FileUrl(DrawnFrom(path));
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (!error) return FileUrl(DrawnFrom(absolute.string()));
  }
  // ':' is encoded too, so a name like "javascript:..." stays a relative file name.
  return PercentEncodePath(path);
}

}  // namespace tessolar
