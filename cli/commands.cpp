#include "cli/commands.h"

#include "cli/dump_command.h"
#include "cli/new_command.h"

namespace tessolar::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"new",
       "FILE --year Y [--country N] [--language N] [--include LIST] [--clipart DIR] [--title TEXT]",
       "creates a calendar with its computed days and saves it, enciphered, to FILE (which must "
       "not exist)",
       &RunNewCommand},
      {"dump", "FILE", "prints the calendar text of FILE (enciphered or plain), plain",
       &RunDumpCommand},
  };
  return commands;
}

}  // namespace tessolar::cli
