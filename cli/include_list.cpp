#include "cli/include_list.h"

#include "cli/command_line.h"

namespace tessolar::cli {

void IncludeFlags::ApplyTo(CCalDatabase& db) const {
  db.SetChristian(christian);
  db.SetNational(national);
  db.SetHebrew(hebrew);
  db.SetEquinox(equinox);
  db.SetFullMoons(fullMoons);
  db.SetMoonPhases(moonPhases);
}

IncludeFlags ParseIncludeList(const std::string& list) {
  IncludeFlags flags;
  for (size_t start = 0;;) {
    const size_t comma = list.find(',', start);
    const std::string name = list.substr(start, comma == std::string::npos ? comma : comma - start);
    if (name == "all") {
      flags = {true, true, true, true, true, true};
    } else if (name == "christian") {
      flags.christian = true;
    } else if (name == "national") {
      flags.national = true;
    } else if (name == "hebrew") {
      flags.hebrew = true;
    } else if (name == "equinox") {
      flags.equinox = true;
    } else if (name == "fullmoons") {
      flags.fullMoons = true;
    } else if (name == "moonphases") {
      flags.moonPhases = true;
    } else {
      throw CommandError(kExitBadInput,
                         "--include takes christian, national, hebrew, equinox, fullmoons, "
                         "moonphases or all, not '" +
                             name + "'");
    }
    if (comma == std::string::npos) return flags;
    start = comma + 1;
  }
}

}  // namespace tessolar::cli
