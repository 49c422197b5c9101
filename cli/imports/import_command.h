#pragma once
// tessolar-cli import FILE.cal SOURCE [--dry-run]

#include <string>
#include <vector>

namespace tessolar::cli {

int RunImportCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
