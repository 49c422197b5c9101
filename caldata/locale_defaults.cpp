#include "caldata/locale_defaults.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include <cstdlib>

#include "compute/language_table.h"
#include "compute/week_start.h"

namespace tessolar {
namespace {

// Two-letter codes by the program's language and country numbers.
constexpr std::string_view kLanguageCodes[] = {"en", "es", "de", "fr", "nl", "it"};
constexpr std::string_view kTerritoryCodes[] = {"US", "CA", "GB", "AU", "MX", "IE", "DE",
                                                "NZ", "FR", "BE", "NL", "IT", "ES", "AT"};

static_assert(std::size(kLanguageCodes) == kLanguageCount &&
                  std::size(kTerritoryCodes) == kCountryCount,
              "a code for every language and country");

template <std::size_t N>
int IndexOf(const std::string_view (&codes)[N], std::string_view code, int otherwise) {
  for (std::size_t i = 0; i < N; ++i) {
    if (codes[i] == code) return static_cast<int>(i);
  }
  return otherwise;
}

}  // namespace

LocaleCalendar CalendarForLocale(std::string_view localeName) {
  // language[_TERRITORY][.codeset][@modifier]
  const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
  const size_t underscore = name.find('_');
  const std::string_view language = name.substr(0, underscore);
  const std::string_view territory =
      underscore == std::string_view::npos ? std::string_view() : name.substr(underscore + 1);
  LocaleCalendar calendar;
  calendar.language = IndexOf(kLanguageCodes, language, 0);
  calendar.country = IndexOf(kTerritoryCodes, territory, 0);
  calendar.firstWeekday = UsualFirstWeekday(calendar.country);
  return calendar;
}

std::string DesktopLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && value[0] != '\0') return value;
  }
  return {};
}

std::string DesktopZoneName() {
  // A zone is named by the path below the zoneinfo folder.
  auto belowZoneinfo = [](const std::string& path) {
    const std::string folder = "zoneinfo/";
    const size_t at = path.rfind(folder);
    return at == std::string::npos ? std::string() : path.substr(at + folder.size());
  };
  if (const char* tz = std::getenv("TZ"); tz != nullptr && tz[0] != '\0') {
    std::string name = tz[0] == ':' ? tz + 1 : tz;
    return name.empty() || name[0] != '/' ? name : belowZoneinfo(name);
  }
  std::error_code ec;
  const std::filesystem::path link = std::filesystem::read_symlink("/etc/localtime", ec);
  if (!ec) return belowZoneinfo(link.string());
  std::ifstream file("/etc/timezone");
  std::string name;
  std::getline(file, name);
  return name;
}

}  // namespace tessolar
