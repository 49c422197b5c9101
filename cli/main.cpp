// tessolar-cli: builds, converts, renders and prints calendars without a window.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "compute/language_table.h"
#include "tessolar_version.h"

using tessolar::cli::Command;
using tessolar::cli::Commands;

namespace {

// "0 English, 1 Spanish, ..." for --language and --country, in English.
void PrintNumbered(std::FILE* out, const char* option, int count, std::string (*name)(int, int)) {
  std::fprintf(out, "%s:", option);
  for (int i = 0; i < count; ++i) {
    std::fprintf(out, "%s %d %s", i > 0 ? "," : "", i, name(0, i).c_str());
  }
  std::fprintf(out, "\n");
}

void PrintUsage(std::FILE* out) {
  std::fprintf(out,
               "Usage: tessolar-cli COMMAND [ARGUMENTS]\n"
               "       tessolar-cli --help | --version\n\n"
               "Months are 1 to 12. Exit status: 0 done, 1 usage error, 2 bad input.\n");
  PrintNumbered(out, "--language", tessolar::kLanguageCount, tessolar::LanguageName);
  PrintNumbered(out, "--country", tessolar::kCountryCount, tessolar::CountryName);
  if (!Commands().empty()) std::fprintf(out, "\nCommands:\n");
  for (const Command& command : Commands()) {
    std::fprintf(out, "  %s %s\n      %s\n", command.name, command.usage, command.summary);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) {
    PrintUsage(stderr);
    return tessolar::cli::kExitUsage;
  }
  if (args[0] == "--help" || args[0] == "-h") {
    PrintUsage(stdout);
    return tessolar::cli::kExitOk;
  }
  if (args[0] == "--version") {
    std::printf("tessolar-cli %s (build %s)\n", tessolar::kVersionText, tessolar::kBuildText);
    return tessolar::cli::kExitOk;
  }
  for (const Command& command : Commands()) {
    if (args[0] == command.name) {
      return tessolar::cli::RunCommand(command, {args.begin() + 1, args.end()});
    }
  }
  std::fprintf(stderr, "tessolar-cli: unknown command '%s'\n\n", args[0].c_str());
  PrintUsage(stderr);
  return tessolar::cli::kExitUsage;
}
