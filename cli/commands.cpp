#include "cli/commands.h"

namespace tessolar::cli {

const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {};
  return commands;
}

}  // namespace tessolar::cli
