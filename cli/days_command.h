#pragma once

#include <string>
#include <vector>

namespace tessolar::cli {

// tessolar-cli days: the computed days of one year, one entry a line.
int RunDaysCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
