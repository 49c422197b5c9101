#pragma once
// The pages besides the calendar pages: welcome, help, hidden entries and
// the listing of the calendar file. Each is returned as text that the
// caller writes with WritePageFile.

#include <string>
#include <vector>

#include "caldata/cal_database.h"

namespace tessolar {

// The start page in `language`: new calendar, open a calendar, and
// `recentFiles` (most recent first) as links that reopen them.
std::string BuildWelcomePage(int language, const std::vector<std::string>& recentFiles);

// Links to the help document in the program's data folder.
std::string BuildHelpPage();

// The hidden entries, each with a check box that shows it again.
std::string BuildHiddenEntriesPage(const CCalDatabase& db);

// `calendarText` (the text a save would write), one line per line.
std::string BuildDatabasePage(const std::string& calendarText);

}  // namespace tessolar
