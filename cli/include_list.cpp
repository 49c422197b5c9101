#include "cli/include_list.h"

#include <sstream>

#include "cli/command_line.h"

namespace tessolar::cli {

void IncludeFlags::ApplyTo(CCalDatabase& db) const {
  db.SetChristian(christian);
  db.SetNational(national);
  db.SetHebrew(hebrew);
  db.SetEquinox(equinox);
  db.SetFullMoons(fullMoons);
}

IncludeFlags ParseIncludeList(const std::string& list) {
  if (list == "all") return {true, true, true, true, true};
  IncludeFlags flags;
  std::istringstream names(list);
  std::string name;
  bool any = false;
  while (std::getline(names, name, ',')) {
    if (name == "christian") {
      flags.christian = true;
    } else if (name == "national") {
      flags.national = true;
    } else if (name == "hebrew") {
      flags.hebrew = true;
    } else if (name == "equinox") {
      flags.equinox = true;
    } else if (name == "fullmoons") {
      flags.fullMoons = true;
    } else {
      throw CommandError(kExitBadInput,
                         "--include takes christian, national, hebrew, equinox, fullmoons or "
                         "all, not '" +
                             name + "'");
    }
    any = true;
  }
  if (!any) throw CommandError(kExitBadInput, "--include needs at least one name");
  return flags;
}

}  // namespace tessolar::cli
