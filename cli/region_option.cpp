#include "cli/region_option.h"

#include <cstdio>

#include "caldata/regions.h"
#include "compute/language_table.h"

namespace tessolar::cli {

std::string RegionOption(const ParsedArguments& parsed, int country) {
  const auto code = parsed.Option("--region");
  if (!code) return {};
  if (const Region* region = FindRegion(country, *code)) return region->code;
  const std::string name = CountryName(0, country);
  if (RegionsOf(country).empty()) {
    throw CommandError(kExitBadInput, "--region: " + name + " (country " + std::to_string(country) +
                                          ") has no regions");
  }
  throw CommandError(kExitBadInput, "--region: " + name + " has no region '" + *code +
                                        "'; `tessolar-cli regions --country " +
                                        std::to_string(country) + "` lists its codes");
}

int RunRegionsCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--country"}, 0);
  if (!parsed.Option("--country")) throw CommandError(kExitUsage, "--country is required");
  const int country = parsed.IntOption("--country", 0, kCountryCount - 1, 0);
  for (const Region& region : RegionsOf(country)) {
    std::printf("%s\t%s\n", region.code, region.name.source);
  }
  return kExitOk;
}

}  // namespace tessolar::cli
