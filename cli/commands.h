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

const std::vector<Command>& Commands();

}  // namespace tessolar::cli
