#pragma once
// The recovery file: the calendar in hand written after every change, with
// the name of its file and the time of the change, so that the unsaved work
// outlives a crash, a kill or a logout. The calendar is its plain text, read
// back by the calendar reader.

#include <cstdint>
#include <string>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"

namespace tessolar {

struct RecoveryInfo {
  std::string calendarFile;  // the calendar's own file; empty for an unnamed one
  int64_t changedAt = 0;     // seconds since 1970
};

// Writes a calendar's text (CalendarText), the name of its file and the time
// of the change to `path`, replacing it in one step. Returns an empty text on
// success, else why it failed.
UserText WriteRecoveryFile(const std::string& path, const std::string& calendarFile,
                           const std::string& calendarText, int64_t changedAt);

// Reads a recovery file into `db` and `info`; false (with `db` as it was) when
// it is not one or its calendar does not read.
bool ReadRecoveryFile(const std::string& path, CCalDatabase& db, RecoveryInfo& info);

}  // namespace tessolar
