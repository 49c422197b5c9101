#include "cli/command_line.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "cli/commands.h"

namespace tessolar::cli {

ParsedArguments::ParsedArguments(const std::vector<std::string>& args,
                                 const std::set<std::string>& options, size_t positionals) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg.size() > 1 && arg[0] == '-' && !ParseInt(arg)) {
      if (options.count(arg) == 0) throw CommandError(kExitUsage, "unknown option " + arg);
      if (i + 1 >= args.size()) throw CommandError(kExitUsage, "option " + arg + " needs a value");
      options_[arg] = args[++i];
    } else {
      positionals_.push_back(arg);
    }
  }
  if (positionals_.size() != positionals) {
    throw CommandError(kExitUsage, "expected " + std::to_string(positionals) +
                                       " argument(s), got " + std::to_string(positionals_.size()));
  }
}

std::optional<std::string> ParsedArguments::Option(const std::string& name) const {
  const auto it = options_.find(name);
  if (it == options_.end()) return std::nullopt;
  return it->second;
}

int ParsedArguments::IntOption(const std::string& name, int min, int max, int fallback) const {
  const auto text = Option(name);
  if (!text) return fallback;
  const auto value = ParseInt(*text);
  if (!value || *value < min || *value > max) {
    throw CommandError(kExitBadInput, name + " must be a whole number from " + std::to_string(min) +
                                          " to " + std::to_string(max) + ", not '" + *text + "'");
  }
  return *value;
}

std::optional<int> ParseInt(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < INT_MIN || value > INT_MAX) return std::nullopt;
  return static_cast<int>(value);
}

void PrintNotes(const Notes& notes) {
  std::set<std::string> said;
  for (const std::string& note : notes) {
    if (said.insert(note).second) std::fprintf(stderr, "tessolar-cli: %s\n", note.c_str());
  }
}

int RunCommand(const Command& command, const std::vector<std::string>& args) {
  try {
    return command.run(args);
  } catch (const CommandError& error) {
    std::fprintf(stderr, "tessolar-cli %s: %s\n", command.name, error.what());
    if (error.code == kExitUsage) {
      std::fprintf(stderr, "Usage: tessolar-cli %s %s\n", command.name, command.usage);
    }
    return error.code;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "tessolar-cli %s: %s\n", command.name, error.what());
    return kExitBadInput;
  }
}

}  // namespace tessolar::cli
