#pragma once
// The --include option: which families of computed days a calendar holds.

#include <string>

#include "caldata/cal_database.h"

namespace tessolar::cli {

struct IncludeFlags {
  bool christian = false;
  bool national = false;
  bool hebrew = false;
  bool equinox = false;
  bool fullMoons = false;
  bool moonPhases = false;

  void ApplyTo(CCalDatabase& db) const;
};

// A comma-separated list of christian, national, hebrew, equinox, fullmoons,
// moonphases and all (every family). Throws a bad-input CommandError for an unknown or
// empty name (",," or a comma at either end, or an empty list).
IncludeFlags ParseIncludeList(const std::string& list);

}  // namespace tessolar::cli
