#pragma once
// The commands of tessolar-cli.

#include <string>
#include <vector>

namespace tessolar::cli {

struct Command {
  const char* name;
  const char* usage;  // arguments after the command name
  const char* summary;
  // Returns the exit status; throws CommandError for usage and input faults.
  int (*run)(const std::vector<std::string>& args);
};

// Runs `command` on `args`: its exit status, or, for a CommandError or any
// other exception, its one line on standard error (with the usage for a
// usage error) and the error's status.
int RunCommand(const Command& command, const std::vector<std::string>& args);

// Every command: the core ones, then PrintingCommands().
const std::vector<Command>& Commands();

// The commands that print through the browser engine; none in builds
// without the desktop program.
const std::vector<Command>& PrintingCommands();

}  // namespace tessolar::cli
