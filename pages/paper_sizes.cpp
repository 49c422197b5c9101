#include "pages/paper_sizes.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

namespace tessolar {
namespace {

// The locale that decides the paper, as the C library picks it from the
// environment; empty when none or only the C locale is named.
std::string PaperLocaleName() {
  for (const char* name : {"LC_ALL", "LC_PAPER", "LANG"}) {
    const char* value = std::getenv(name);
    if (value == nullptr || value[0] == '\0') continue;
    const std::string locale = value;
    if (locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) return {};
    return locale;
  }
  return {};
}

// Letter or A4 from the locale's LC_PAPER sheet size; nothing when the
// locale is not installed.
std::optional<Paper> PaperFromLcPaper(const std::string& localeName) {
  const locale_t locale = ::newlocale(LC_PAPER_MASK, localeName.c_str(), nullptr);
  if (locale == nullptr) return std::nullopt;
  // glibc keeps the sheet's width in millimetres as a 32-bit word in the
  // storage of the returned pointer (a union of the two in its tables).
  const char* const value = ::nl_langinfo_l(_NL_PAPER_WIDTH, locale);
  uint32_t width = 0;
  std::memcpy(&width, &value, sizeof width);
  ::freelocale(locale);
  return width == 216 ? Paper::kLetter : Paper::kA4;
}

// The territory of "en_US.UTF-8" or "fr_CA@euro" decides for a locale that
// is not installed.
Paper PaperOfTerritory(const std::string& localeName) {
  const size_t underscore = localeName.find('_');
  if (underscore == std::string::npos) return Paper::kA4;
  const std::string territory = localeName.substr(
      underscore + 1, localeName.find_first_of(".@", underscore) - underscore - 1);
  return territory == "US" || territory == "CA" ? Paper::kLetter : Paper::kA4;
}

uint32_t CssPixels(double mm) {
  return static_cast<uint32_t>(std::max(0.0, std::floor(mm / 25.4 * 96)));
}

}  // namespace

Paper PaperOfLocale() {
  const std::string localeName = PaperLocaleName();
  if (localeName.empty()) return Paper::kA4;
  if (const auto paper = PaperFromLcPaper(localeName)) return *paper;
  return PaperOfTerritory(localeName);
}

std::optional<Paper> PaperNamed(std::string_view name) {
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower == "letter") return Paper::kLetter;
  if (lower == "a4") return Paper::kA4;
  return std::nullopt;
}

const char* PaperName(Paper paper) { return paper == Paper::kLetter ? "letter" : "a4"; }

SheetArea PortraitArea(Paper paper) {
  return paper == Paper::kLetter ? PortraitArea(215.9, 279.4, kPrintMarginMm)
                                 : PortraitArea(210, 297, kPrintMarginMm);
}

SheetArea PortraitArea(double widthMm, double heightMm, double marginMm) {
  return {CssPixels(widthMm - 2 * marginMm), CssPixels(heightMm - 2 * marginMm)};
}

}  // namespace tessolar
