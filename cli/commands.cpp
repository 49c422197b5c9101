#include "cli/commands.h"

#include "cli/days_command.h"
#include "cli/hebrew_dates_command.h"

namespace tessolar::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"days", "--year Y [--country N] [--language N] [--include LIST]",
       "prints the computed days of year Y (LIST: christian,national,hebrew,equinox,fullmoons "
       "or all)",
       &RunDaysCommand},
      {"hebrew-dates", "FROM TO",
       "the Hebrew date of every day from FROM to TO (YYYY-MM-DD): date, day, month 1-13, "
       "month name, year",
       &RunHebrewDates},
  };
  return commands;
}

}  // namespace tessolar::cli
