#pragma once
// The --region option of days and new, and the regions command that lists
// the codes it takes.

#include <string>
#include <vector>

#include "cli/command_line.h"

namespace tessolar::cli {

// The region code --region names for `country`, as the country writes it
// ("de-by" gives "DE-BY"); empty without the option. Throws a bad-input
// error for a code the country has no region of.
std::string RegionOption(const ParsedArguments& parsed, int country);

// tessolar-cli regions --country N: CODE<TAB>name for each region of the country.
int RunRegionsCommand(const std::vector<std::string>& args);

}  // namespace tessolar::cli
