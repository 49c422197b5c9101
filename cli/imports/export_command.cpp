#include "cli/imports/export_command.h"

#include <ctime>

#include "cli/command_line.h"
#include "cli/load_calendar.h"
#include "cli/render_command.h"
#include "imports/icalendar_export.h"

namespace tessolar::cli {

int RunExportCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"-o"}, 1);
  const std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%dT%H%M%SZ", std::gmtime(&now));
  const RenderedPage exported = RenderCalendar(parsed.Positional(0), [&](CCalDatabase& db, Notes*) {
    return ExportICalendar(db, stamp);
  });
  WriteOutput(parsed.Option("-o"), exported.text);
  ThrowIfEntriesLeftOut(exported.entriesLeftOut, parsed.Positional(0));
  return kExitOk;
}

}  // namespace tessolar::cli
