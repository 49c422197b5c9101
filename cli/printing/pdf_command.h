#pragma once
// tessolar-cli pdf: prints the all-months page (or one month) of a calendar
// file to PDF through the browser engine, without a window.

#include <string>
#include <vector>

namespace tessolar::cli {

int RunPdfCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
