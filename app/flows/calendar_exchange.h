#pragma once
// File Import and File Export as iCalendar: people and events from address
// books and other calendars into the calendar in hand, after a preview, and
// the calendar's year out as an iCalendar file.

#include <functional>
#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/file_commands.h"
#include "app/flows/page_navigator.h"
#include "app/flows/user_prompts.h"

namespace tessolar {

class CalendarExchange {
 public:
  CalendarExchange(CalendarDocument& doc, UserPrompts& prompts, FileCommands& files,
                   PageNavigator& pages)
      : doc_(doc), prompts_(prompts), files_(files), pages_(pages) {}

  // A vCard or iCalendar file chosen by the user, its preview, and on OK its
  // checked entries added. Imported photos go to the folder beside the
  // calendar file, so a calendar without a file is saved first. Returns
  // whether the page should now be shown.
  bool Import();
  // The calendar's year written to an iCalendar file the user chooses.
  void Export();

  // The DTSTAMP of an export, UTC; the system's clock unless set.
  std::function<std::string()> stamp = UtcStamp;

  static std::string UtcStamp();

 private:
  // Whether the checked candidates' photos have a folder to go to, saving
  // the calendar when it has no file yet.
  bool PhotoFolderReady(const ImportPlan& plan);

  CalendarDocument& doc_;
  UserPrompts& prompts_;
  FileCommands& files_;
  PageNavigator& pages_;
};

}  // namespace tessolar
