#include "cli/commands.h"
#include "cli/printing/pdf_command.h"

namespace tessolar::cli {

const std::vector<Command>& PrintingCommands() {
  static const std::vector<Command> commands = {
      {"pdf",
       "FILE [-o OUT] [--page all|month --month M] [--paper letter|a4] "
       "[--layout booklet|wall [--pictures crop|whole]]",
       "prints the whole calendar (or one month) of FILE to OUT (default: FILE ending in .pdf) "
       "as the desktop program prints it, on the locale's paper unless --paper names one: "
       "as a booklet of landscape sheets (26 for the year), or as a wall calendar of portrait "
       "sheets (13), each month's picture cropped to fill its frame or whole",
       &RunPdfCommand},
  };
  return commands;
}

}  // namespace tessolar::cli
