#pragma once
// Starting and opening calendars: File New and the welcome page's link, File
// Open, the recent calendars, a calendar named on the command line, and the
// configuration dialog. Each action returns whether the page should now be
// shown (false: the click's navigation is cancelled, the page stays).

#include <functional>
#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/file_commands.h"
#include "app/flows/page_navigator.h"
#include "app/flows/recent_files.h"
#include "app/flows/user_prompts.h"
#include "caldata/locale_defaults.h"

namespace tessolar {

class CalendarOpening {
 public:
  // `currentYear` tells the year it is now: a new calendar is for the next.
  CalendarOpening(CalendarDocument& doc, UserPrompts& prompts, RecentFiles& recent,
                  FileCommands& files, PageNavigator& pages, std::function<int()> currentYear)
      : doc_(doc),
        prompts_(prompts),
        recent_(recent),
        files_(files),
        pages_(pages),
        currentYear_(std::move(currentYear)) {}

  // A new calendar through the configuration dialog, after the question
  // about unsaved changes.
  bool NewCalendar();
  // The file dialog, then Open.
  bool Browse();
  // A recent calendar; one that no longer opens leaves the list.
  bool OpenRecent(const std::string& path);
  // A calendar file dropped on the window, after the question about unsaved changes.
  bool OpenDropped(const std::string& path);
  // Opens `path`, or says why not and shows the welcome page.
  bool Open(const std::string& path, bool addToRecent, bool forgetOnFailure);
  // The configuration dialog over the calendar in hand.
  bool Configure();

  // Asked, when set, before a file is opened (another program may have it
  // open); false leaves the calendar in hand.
  std::function<bool(const std::string& path)> mayOpen;
  // The desktop's locale, which a new calendar starts from.
  std::function<std::string()> desktopLocale = DesktopLocaleName;
  // The desktop's time zone, whose region a new calendar takes.
  std::function<std::string()> desktopZone = DesktopZoneName;

 private:
  CalendarDocument& doc_;
  UserPrompts& prompts_;
  RecentFiles& recent_;
  FileCommands& files_;
  PageNavigator& pages_;
  std::function<int()> currentYear_;
};

// The year it is now, by the system's clock and time zone.
int SystemCurrentYear();

}  // namespace tessolar
