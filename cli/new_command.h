#pragma once
// tessolar-cli new: creates a calendar file with its computed days.

#include <string>
#include <vector>

namespace tessolar::cli {

int RunNewCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
