#include "cli/commands.h"
#include "cli/printing/pdf_command.h"

namespace tessolar::cli {

const std::vector<Command>& PrintingCommands() {
  static const std::vector<Command> commands = {
      {"pdf", "FILE [-o OUT] [--page all|month --month M] [--paper letter|a4]",
       "prints the all-months page (or one month) of FILE to OUT (default: FILE ending in .pdf) "
       "as the desktop program prints it, on the locale's paper unless --paper names one",
       &RunPdfCommand},
  };
  return commands;
}

}  // namespace tessolar::cli
