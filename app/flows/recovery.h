#pragma once
// Recovery after a crash: after every change, the calendar in hand goes to a
// recovery file of this program's own in the state folder; saving it, or
// leaving it unsaved after the exit question, removes the file. A start finds
// the files that programs no longer running left behind and offers them back.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/flows/calendar_document.h"
#include "app/flows/user_prompts.h"

namespace tessolar {

// $XDG_STATE_HOME/tessolar, else $HOME/.local/state/tessolar.
std::string StateFolder();

// Whether process `pid` is a Tessolar still running: a process that died but
// was not yet reaped, or another program that got the id since, is not.
bool IsRunningTessolar(int pid);

class Recovery {
 public:
  struct Clock {
    std::function<int64_t()> now;          // seconds since 1970
    std::function<bool(int)> isRunning;    // whether a process of that id runs
  };
  // The recovery file of process `pid` in `folder`.
  Recovery(CalendarDocument& doc, std::string folder, int pid, Clock clock = SystemClock());

  // After a change: writes the calendar when it has unsaved changes that
  // differ from what was last written, removes the file when it has none.
  void Update();
  // The calendar was saved or left without saving: no recovery file.
  void Discard();

  // At start: for each recovery file that a program no longer running left,
  // asks whether to recover the unsaved changes to its calendar. Yes opens
  // the last one recovered into the document, unsaved, with its file name; No
  // removes that file. Returns whether a calendar was recovered.
  bool OfferLeftBehind(UserPrompts& prompts);

  static Clock SystemClock();

 private:
  std::string FileOf(int pid) const;

  CalendarDocument& doc_;
  std::string folder_;
  int pid_;
  Clock clock_;
  std::string written_;  // the calendar text last written; empty when there is no file
};

}  // namespace tessolar
