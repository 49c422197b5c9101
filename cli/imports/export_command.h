#pragma once
// tessolar-cli export FILE.cal [-o OUT.ics]

#include <string>
#include <vector>

namespace tessolar::cli {

int RunExportCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
