#include "cli/new_command.h"

#include <filesystem>
#include <system_error>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "caldata/data_paths.h"
#include "cli/command_line.h"
#include "cli/include_list.h"
#include "cli/region_option.h"
#include "generators/year_build.h"
#include "compute/language_table.h"
#include "compute/week_start.h"

namespace tessolar::cli {

int RunNewCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(
      args,
      {"--year", "--start-month", "--country", "--region", "--language", "--include", "--clipart",
       "--title", "--week-start", "--week-numbers"},
      1);
  const std::string& file = parsed.Positional(0);
  if (!parsed.Option("--year")) throw CommandError(kExitUsage, "--year is required");
  const int year = parsed.IntOption("--year", kMinCalendarYear, kMaxCalendarYear, 0);
  const int startMonth = parsed.IntOption("--start-month", 1, kMonthsPerYear, 1) - 1;
  const int country = parsed.IntOption("--country", 0, kCountryCount - 1, 0);
  const int language = parsed.IntOption("--language", 0, kLanguageCount - 1, 0);
  const std::string region = RegionOption(parsed, country);
  const IncludeFlags include = ParseIncludeList(parsed.Option("--include").value_or("all"));
  int firstWeekday = UsualFirstWeekday(country);
  if (const auto weekStart = parsed.Option("--week-start")) {
    if (*weekStart != "monday" && *weekStart != "sunday") {
      throw CommandError(kExitUsage, "--week-start must be monday or sunday, not '" + *weekStart + "'");
    }
    firstWeekday = *weekStart == "monday" ? kMondayFirst : kSundayFirst;
  }

  bool weekNumbers = UsualWeekNumbers(country);
  if (const auto numbers = parsed.Option("--week-numbers")) {
    if (*numbers != "on" && *numbers != "off") {
      throw CommandError(kExitUsage, "--week-numbers must be on or off, not '" + *numbers + "'");
    }
    weekNumbers = *numbers == "on";
  }

  std::error_code ec;
  // A calendar may hold years of someone's entries: never overwrite one.
  if (std::filesystem::symlink_status(file, ec).type() != std::filesystem::file_type::not_found) {
    throw CommandError(kExitBadInput, file + " already exists");
  }
  std::string clipart = parsed.Option("--clipart").value_or(ShippedClipartDirectory());
  if (parsed.Option("--clipart")) {
    if (!std::filesystem::is_directory(clipart, ec)) {
      throw CommandError(kExitBadInput, "--clipart: " + clipart + " is not a folder");
    }
    if (clipart.back() != '/') clipart += '/';
  }

  CCalDatabase db;
  db.SetLanguage(language);
  db.SetCountry(country);
  db.SetRegion(region);
  db.SetFirstWeekday(firstWeekday);
  db.SetMarkDaysOff(true);
  db.SetWeekNumbers(weekNumbers);
  db.SetYear(year);
  db.SetStartMonth(startMonth);
  include.ApplyTo(db);
  db.SetClipartDirectory(clipart);
  if (const auto title = parsed.Option("--title")) db.SetTitle(*title);
  CYearBuild().BuildYear(db, year, false);

  UserText message;
  if (SaveCalendarFile(db, file, nullptr, &message) != 0) {
    throw CommandError(kExitBadInput, English(message));
  }
  return kExitOk;
}

}  // namespace tessolar::cli
