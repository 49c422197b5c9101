#include "imports/vcard_lines.h"

#include <cctype>

#include "caldata/hex_escapes.h"
#include "caldata/text_encoding.h"
#include "imports/vcard_reader.h"

namespace tessolar {

namespace {


// Position of the first `sep` outside double quotes, or npos.
size_t FindUnquoted(std::string_view text, char sep) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (text[i] == sep && !quoted) return i;
  }
  return std::string_view::npos;
}

std::vector<std::string> SplitUnquoted(std::string_view text, char sep) {
  std::vector<std::string> parts;
  for (size_t at = FindUnquoted(text, sep); at != std::string_view::npos;
       at = FindUnquoted(text, sep)) {
    parts.emplace_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.emplace_back(text);
  return parts;
}

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

bool IsQuotedPrintable(std::string_view logical) {
  const size_t colon = FindUnquoted(logical, ':');
  return colon != std::string_view::npos &&
         UpperAscii(std::string(logical.substr(0, colon))).find("QUOTED-PRINTABLE") != std::string::npos;
}

bool DecodeValue(ContentLine& line, UserText* error) {
  if (HasParam(line, "ENCODING", "QUOTED-PRINTABLE")) line.value = HexUnescaped(line.value, '=');
  const auto charset = line.params.find("CHARSET");
  const std::string name = charset == line.params.end() ? "UTF-8" : UpperAscii(charset->second);
  if (name == "ISO-8859-1" || name == "LATIN1") {
    line.value = Latin1ToUtf8(line.value);
  } else if (name == "WINDOWS-1252" || name == "CP1252") {
    line.value = Windows1252ToUtf8(line.value);
  } else if (name != "UTF-8" && name != "US-ASCII") {
    *error = {TESSOLAR_TEXT("VCardReader", "Line %1 uses the character set %2, which cannot be read."),
              {std::to_string(line.lineNumber), charset->second}};
    return false;
  } else if (!IsValidUtf8(line.value)) {
    *error = {TESSOLAR_TEXT("VCardReader", "Line %1 is not UTF-8 text and names no other character set."),
              {std::to_string(line.lineNumber)}};
    return false;
  }
  return true;
}

std::optional<ContentLine> ParseLogicalLine(std::string_view logical, size_t lineNumber,
                                            UserText* error, bool* failed) {
  const size_t colon = FindUnquoted(logical, ':');
  if (colon == std::string_view::npos) return std::nullopt;
  ContentLine line;
  line.lineNumber = lineNumber;
  line.value = std::string(logical.substr(colon + 1));
  std::vector<std::string> parts = SplitUnquoted(logical.substr(0, colon), ';');
  line.name = UpperAscii(parts[0].substr(parts[0].rfind('.') + 1));
  for (size_t i = 1; i < parts.size(); ++i) {
    const size_t eq = parts[i].find('=');
    std::string key = UpperAscii(parts[i].substr(0, eq));
    std::string value = eq == std::string::npos ? key : parts[i].substr(eq + 1);
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
      value = value.substr(1, value.size() - 2);
    }
    line.params[key] = value;
  }
  if (!DecodeValue(line, error)) *failed = true;
  return line;
}

}  // namespace

std::string UpperAscii(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool HasParam(const ContentLine& line, const std::string& key, const std::string& value) {
  if (value.empty()) return line.params.count(key) > 0;
  const auto found = line.params.find(key);
  return (found != line.params.end() && UpperAscii(found->second) == value) ||
         line.params.count(value) > 0;
}

std::optional<std::vector<ContentLine>> SplitContentLines(std::string_view text, UserText* error) {
  if (text.size() > kMaxImportFileBytes) {
    *error = {TESSOLAR_TEXT("VCardReader", "The file is larger than %1 MB."),
              {std::to_string(kMaxImportFileBytes >> 20)}};
    return std::nullopt;
  }
  if (text.find('\0') != std::string_view::npos) {
    *error = {TESSOLAR_TEXT("VCardReader", "The file is not text.")};
    return std::nullopt;
  }
  std::vector<ContentLine> lines;
  std::string logical;
  size_t logicalStart = 0;
  bool failed = false;
  auto flush = [&] {
    if (auto line = ParseLogicalLine(logical, logicalStart, error, &failed)) lines.push_back(std::move(*line));
    logical.clear();
  };
  size_t number = 0;
  bool quotedPrintable = false;
  while (!text.empty() && !failed) {
    const size_t end = text.find('\n');
    std::string_view physical = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    if (!physical.empty() && physical.back() == '\r') physical.remove_suffix(1);
    const bool continues = !physical.empty() && (physical[0] == ' ' || physical[0] == '\t');
    if (!logical.empty() && logical.back() == '=' && quotedPrintable) {
      logical.pop_back();  // a quoted-printable soft line break
      logical.append(physical);
    } else if (continues && !logical.empty()) {
      logical.append(physical.substr(1));
    } else {
      flush();
      logical.assign(physical);
      logicalStart = number;
      // Judged on the line's first piece, not again per soft break, so long values stay linear.
      quotedPrintable = IsQuotedPrintable(physical);
    }
    if (logical.size() > kMaxImportLineBytes) {
      *error = {TESSOLAR_TEXT("VCardReader", "Line %1 is longer than %2 MB."),
                {std::to_string(logicalStart), std::to_string(kMaxImportLineBytes >> 20)}};
      return std::nullopt;
    }
  }
  if (!failed) flush();
  if (failed) return std::nullopt;
  return lines;
}

}  // namespace tessolar
