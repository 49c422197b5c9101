#include "cli/commands.h"

#include "cli/hebrew_dates_command.h"

namespace tessolar::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"hebrew-dates", "FROM TO",
       "the Hebrew date of every day from FROM to TO (YYYY-MM-DD): date, day, month 1-13, "
       "month name, year",
       &RunHebrewDates},
  };
  return commands;
}

}  // namespace tessolar::cli
