#include "cli/dump_command.h"

#include <cstdio>

#include "caldata/cal_database.h"
#include "caldata/calendar_text.h"
#include "cli/command_line.h"
#include "cli/load_calendar.h"

namespace tessolar::cli {

int RunDumpCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {}, 1);
  CCalDatabase db;
  LoadCalendarOrThrow(db, parsed.Positional(0));
  const std::string text = CalendarText(db);
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    throw CommandError(kExitBadInput, "could not write to standard output");
  }
  ThrowIfEntriesLeftOut(db.EntriesLeftOut(), parsed.Positional(0));
  return kExitOk;
}

}  // namespace tessolar::cli
