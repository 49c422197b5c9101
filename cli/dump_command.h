#pragma once
// tessolar-cli dump: prints the calendar text of a calendar file.

#include <string>
#include <vector>

namespace tessolar::cli {

int RunDumpCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
