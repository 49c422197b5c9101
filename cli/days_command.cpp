#include "cli/days_command.h"

#include <cstdio>
#include <string>

#include "caldata/cal_database.h"
#include "cli/command_line.h"
#include "generators/year_build.h"
#include "compute/language_table.h"

namespace tessolar::cli {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;

// Switches on the include flags named in a comma-separated list; an empty
// word (",," or a comma at either end) is refused like an unknown one.
void ApplyIncludeList(const std::string& list, CCalDatabase& db) {
  for (size_t start = 0;;) {
    const size_t comma = list.find(',', start);
    const std::string word = list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (word == "all") {
      db.SetChristian(true);
      db.SetNational(true);
      db.SetHebrew(true);
      db.SetEquinox(true);
      db.SetFullMoons(true);
    } else if (word == "christian") {
      db.SetChristian(true);
    } else if (word == "national") {
      db.SetNational(true);
    } else if (word == "hebrew") {
      db.SetHebrew(true);
    } else if (word == "equinox") {
      db.SetEquinox(true);
    } else if (word == "fullmoons") {
      db.SetFullMoons(true);
    } else {
      throw CommandError(kExitBadInput,
                         "unknown --include word '" + word +
                             "' (use christian, national, hebrew, equinox, fullmoons or all)");
    }
    if (comma == std::string::npos) return;
    start = comma + 1;
  }
}

}  // namespace

int RunDaysCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--year", "--country", "--language", "--include"}, 0);
  if (!parsed.Option("--year")) throw CommandError(kExitUsage, "--year is required");
  const int year = parsed.IntOption("--year", kFirstYear, kLastYear, 0);
  const int country = parsed.IntOption("--country", 0, kCountryCount - 1, 0);
  const int language = parsed.IntOption("--language", 0, kLanguageCount - 1, 0);

  CCalDatabase db;
  ApplyIncludeList(parsed.Option("--include").value_or("all"), db);
  db.SetYear(year);
  db.SetCountry(country);
  db.SetLanguage(language);
  Notes notes;
  CYearBuild().BuildYear(db, year, 0, &notes);
  PrintNotes(notes);
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    std::printf("%04d-%02d-%02d\t%d\t%u\t%s\t%s\n", year, e.month + 1, e.day, e.year, e.type,
                e.description.c_str(), e.pictureFile.c_str());
  }
  return kExitOk;
}

}  // namespace tessolar::cli
