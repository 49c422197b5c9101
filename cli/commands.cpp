#include "cli/commands.h"

#include "cli/days_command.h"

namespace tessolar::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"days", "--year Y [--country N] [--language N] [--include LIST]",
       "prints the computed days of year Y (LIST: christian,national,hebrew,equinox,fullmoons "
       "or all)",
       &RunDaysCommand},
  };
  return commands;
}

}  // namespace tessolar::cli
