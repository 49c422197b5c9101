#include "cli/commands.h"

#include "cli/days_command.h"
#include "cli/dump_command.h"
#include "cli/hebrew_dates_command.h"
#include "cli/imports/import_commands.h"
#include "cli/new_command.h"
#include "cli/region_option.h"
#include "cli/render_command.h"

namespace tessolar::cli {


namespace {

// The commands every build has.
const std::vector<Command>& CoreCommands() {
  static const std::vector<Command> commands = {
      {"new",
       "FILE --year Y [--start-month M] [--country N] [--region CODE] [--language N] "
       "[--include LIST] [--clipart DIR] [--title TEXT] [--week-start monday|sunday] "
       "[--week-numbers on|off]",
       "creates a calendar with its computed days and saves it, enciphered, to FILE (which must "
       "not exist); it runs twelve months from month M of Y (January by default); its weeks "
       "start on the country's usual day unless --week-start names one, and show week numbers "
       "where the country's calendars do unless --week-numbers says",
       &RunNewCommand},
      {"dump", "FILE", "prints the calendar text of FILE (enciphered or plain), plain",
       &RunDumpCommand},
      {"render", "FILE --page P [--month M] [-o OUT]",
       "writes page P of FILE (welcome, month, all, title, bigpictures, hidden, database, help) "
       "to OUT or standard output; month M of the calendar, in the year it has there",
       &RunRenderCommand},
      {"import", kImportUsage, kImportSummary, &HandOverImport},
      {"export", kExportUsage, kExportSummary, &HandOverExport},
      {"days", "--year Y [--country N] [--region CODE] [--language N] [--include LIST]",
       "prints the computed days of year Y (LIST: christian,national,hebrew,equinox,fullmoons,"
       "moonphases or all); with a region, its days off and not other regions'",
       &RunDaysCommand},
      {"regions", "--country N",
       "lists the regions of country N a calendar can show the days off of: code, tab, name",
       &RunRegionsCommand},
      {"hebrew-dates", "FROM TO",
       "the Hebrew date of every day from FROM to TO (YYYY-MM-DD): date, day, month 1-13, "
       "month name, year",
       &RunHebrewDates},
  };
  return commands;
}

}  // namespace

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = [] {
    std::vector<Command> table = CoreCommands();
    table.insert(table.end(), PrintingCommands().begin(), PrintingCommands().end());
    return table;
  }();
  return commands;
}

}  // namespace tessolar::cli
