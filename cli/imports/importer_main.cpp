// tessolar-importer import|export ARGUMENTS: tessolar-cli's import and export
// commands, which it hands over here so that only they load libical.

#include <cstdio>
#include <string>
#include <vector>

#include "cli/imports/export_command.h"
#include "cli/imports/import_command.h"
#include "cli/imports/import_commands.h"

int main(int argc, char** argv) {
  using tessolar::cli::Command;
  static const Command kCommands[] = {
      {"import", tessolar::cli::kImportUsage, tessolar::cli::kImportSummary,
       &tessolar::cli::RunImportCommand},
      {"export", tessolar::cli::kExportUsage, tessolar::cli::kExportSummary,
       &tessolar::cli::RunExportCommand},
  };
  const std::vector<std::string> args(argv + 1, argv + argc);
  for (const Command& command : kCommands) {
    if (!args.empty() && args[0] == command.name) {
      return tessolar::cli::RunCommand(command, {args.begin() + 1, args.end()});
    }
  }
  std::fprintf(stderr, "usage: %s import|export ARGUMENTS (run by tessolar-cli)\n", argv[0]);
  return 1;
}
