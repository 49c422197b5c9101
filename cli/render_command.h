#pragma once
// tessolar-cli render: writes one page of a calendar file as HTML.

#include <string>
#include <vector>

namespace tessolar::cli {

int RunRenderCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
