#include "cli/commands.h"

namespace tessolar::cli {

// Builds without the desktop program (sanitizer, fuzzing) print nothing.
const std::vector<Command>& PrintingCommands() {
  static const std::vector<Command> none;
  return none;
}

}  // namespace tessolar::cli
