#include "cli/days_command.h"

#include <cstdio>
#include <string>

#include "caldata/cal_database.h"
#include "cli/command_line.h"
#include "cli/include_list.h"
#include "cli/region_option.h"
#include "generators/year_build.h"
#include "compute/language_table.h"

namespace tessolar::cli {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

}  // namespace

int RunDaysCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--year", "--country", "--region", "--language", "--include"},
                               0);
  if (!parsed.Option("--year")) throw CommandError(kExitUsage, "--year is required");
  const int year = parsed.IntOption("--year", kFirstYear, kLastYear, 0);
  const int country = parsed.IntOption("--country", 0, kCountryCount - 1, 0);
  const int language = parsed.IntOption("--language", 0, kLanguageCount - 1, 0);
  const std::string region = RegionOption(parsed, country);

  CCalDatabase db;
  ParseIncludeList(parsed.Option("--include").value_or("all")).ApplyTo(db);
  db.SetYear(year);
  db.SetCountry(country);
  db.SetRegion(region);
  db.SetLanguage(language);
  Notes notes;
  CYearBuild().BuildYear(db, year, false, &notes);
  PrintNotes(notes);
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    std::printf("%04d-%02d-%02d\t%d\t%u\t%s\t%s\n", year, e.month + 1, e.day, e.year, e.type,
                e.description.c_str(), e.pictureFile.c_str());
  }
  return kExitOk;
}

}  // namespace tessolar::cli
