#pragma once
// Save, Save As and the question before the calendar is closed: when to write
// the calendar file and where.

#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/recent_files.h"
#include "app/flows/user_prompts.h"

namespace tessolar {

class FileCommands {
 public:
  FileCommands(CalendarDocument& doc, UserPrompts& prompts, RecentFiles& recent)
      : doc_(doc), prompts_(prompts), recent_(recent) {}

  // Saves to the calendar's own file, asking for a name when it has none.
  // A calendar whose file listed entries it could not hold asks before it
  // replaces a file, and goes to Save As unless told to. Returns whether the
  // calendar is now on disk.
  bool Save();
  // Saves to a file the user chooses, starting the dialog at `path`.
  bool SaveAs(const std::string& path);
  // Before the program ends: asks "Save changes before exit?" when the
  // calendar has unsaved changes, saves on Yes and leaves the two texts
  // compared in the page folder ("dbMemory", "dbDisk"). Returns false when
  // the user said Yes but the calendar was not saved, so nothing is lost.
  bool ConfirmExit();
  // The same before a new or another calendar takes this one's place.
  bool ConfirmReplace();

 private:
  bool Write(const std::string& path);
  bool SaveUnnamedOrNamed();
  void WriteDiagnostic(const std::string& text, const std::string& name);

  CalendarDocument& doc_;
  UserPrompts& prompts_;
  RecentFiles& recent_;
};

// `path` with every ".cal.cal" made ".cal".
std::string WithSingleCalExtension(std::string path);

}  // namespace tessolar
