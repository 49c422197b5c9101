#pragma once
// Argument handling shared by the commands of tessolar-cli.

#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "compute/notes.h"

namespace tessolar::cli {

enum ExitCode { kExitOk = 0, kExitUsage = 1, kExitBadInput = 2 };

// Thrown by a command to end with a one-line message on standard error.
struct CommandError : std::runtime_error {
  CommandError(ExitCode code, const std::string& message)
      : std::runtime_error(message), code(code) {}
  ExitCode code;
};

// A command's arguments: options of the form "--name value" (or "-o value")
// and positional arguments, in any order.
class ParsedArguments {
 public:
  // Throws a usage error for an unknown option, a missing value or a wrong
  // number of positionals.
  ParsedArguments(const std::vector<std::string>& args, const std::set<std::string>& options,
                  size_t positionals);

  const std::string& Positional(size_t i) const { return positionals_.at(i); }
  std::optional<std::string> Option(const std::string& name) const;
  // An integer option within [min, max]; `fallback` when absent. Throws a
  // bad-input error for a value that is not a number or out of range.
  int IntOption(const std::string& name, int min, int max, int fallback) const;

 private:
  std::map<std::string, std::string> options_;
  std::vector<std::string> positionals_;
};

// Prints each of the core's notes once, in order, to standard error.
void PrintNotes(const Notes& notes);

// Whole-text integer parse; nothing for text that is not a decimal integer in int range.
std::optional<int> ParseInt(const std::string& text);

}  // namespace tessolar::cli
