#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "caldata/data_paths.h"
#include "cli/command_line.h"
#include "cli/imports/import_commands.h"

namespace tessolar::cli {
namespace {

// Beside tessolar-cli as in a build tree, else where the package installs it.
std::string ImporterPath() {
  const std::string beside = BesideRunningBinary(TESSOLAR_IMPORTER_FROM_BINARY);
  return !beside.empty() && ::access(beside.c_str(), X_OK) == 0 ? beside
                                                                : TESSOLAR_INSTALLED_IMPORTER;
}

int HandOver(const char* command, const std::vector<std::string>& args) {
  const std::string importer = ImporterPath();
  std::vector<std::string> words{importer, command};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  ::execv(importer.c_str(), argv.data());
  throw CommandError(kExitBadInput,
                     "could not start the importer " + importer + ": " + std::strerror(errno));
}

}  // namespace

int HandOverImport(const std::vector<std::string>& args) { return HandOver("import", args); }
int HandOverExport(const std::vector<std::string>& args) { return HandOver("export", args); }

}  // namespace tessolar::cli
