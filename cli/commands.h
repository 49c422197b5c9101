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

// Every command: the core ones, then PrintingCommands().
const std::vector<Command>& Commands();

// The commands that print through the browser engine; none in builds
// without the desktop program.
const std::vector<Command>& PrintingCommands();

}  // namespace tessolar::cli
