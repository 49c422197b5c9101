#pragma once
// One editor per calendar file: a lock file in the state folder tells which
// running Tessolar has a calendar file open. Opening a file that another
// running program holds asks first; a lock left by a program that died is
// taken over without a question.

#include <functional>
#include <string>

#include "app/flows/user_prompts.h"

namespace tessolar {

class CalendarLocks {
 public:
  // Locks of process `pid` in `folder`/locks; `isRunning` tells whether a
  // program of another id still runs.
  CalendarLocks(std::string folder, int pid, std::function<bool(int)> isRunning);
  ~CalendarLocks() { Follow(""); }
  CalendarLocks(const CalendarLocks&) = delete;
  CalendarLocks& operator=(const CalendarLocks&) = delete;

  // The id of another running program that has `path` open, or 0.
  int HolderOf(const std::string& path) const;
  // Whether to open `path`: yes when no other running program has it open,
  // else what the user answers.
  bool MayOpen(const std::string& path, UserPrompts& prompts) const;
  // Holds the lock of `path`, the calendar's file now (none for an empty one),
  // and lets go of the one held before.
  void Follow(const std::string& path);

 private:
  std::string LockFileOf(const std::string& path) const;

  std::string folder_;
  int pid_;
  std::function<bool(int)> isRunning_;
  std::string held_;
};

}  // namespace tessolar
