#include "cli/load_calendar.h"

#include "caldata/calendar_file.h"
#include "cli/command_line.h"

namespace tessolar::cli {

SavedState LoadCalendarOrThrow(CCalDatabase& db, const std::string& file) {
  UserText message;
  SavedState saved;
  if (LoadCalendarFile(db, file, &saved, &message) != 1) {
    throw CommandError(kExitBadInput, message.Empty() ? "no file " + file : English(message));
  }
  Notes notes;
  for (const UserText& message : SettingsNotReadMessages(file, db))
    notes.push_back(English(message));
  PrintNotes(notes);
  return saved;
}

void ThrowIfEntriesLeftOut(uint32_t leftOut, const std::string& file) {
  if (leftOut > 0) throw CommandError(kExitBadInput, English(EntriesLeftOutMessage(file, leftOut)));
}

}  // namespace tessolar::cli
