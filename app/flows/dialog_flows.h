#pragma once
// The flows around the configuration, title and big-picture dialogs: what
// fills each dialog from the calendar, and what its answer changes.

#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/user_prompts.h"

namespace tessolar {

// The configuration dialog. The include flags, font and clip-art folder the
// user set stay set however the dialog ends; on OK a change of year, start
// month, language or country takes the old computed days out first (hidden days stay hidden
// when they come back), and the year build runs. Returns whether OK.
bool RunConfigurationFlow(CalendarDocument& doc, UserPrompts& prompts);

// The title dialog, filled from the calendar with out-of-range values reset;
// on OK its fields go back into the calendar. Returns whether OK.
bool RunTitleFlow(CCalDatabase& db, UserPrompts& prompts);

// The big-picture dialog for `slot` (0..11), filled from the slot or, for a
// dropped file, with that file. On OK the slot takes the dialog's texts
// ("none" for an empty one). Returns whether OK.
bool RunBigPictureFlow(CCalDatabase& db, UserPrompts& prompts, int slot,
                       const std::string* droppedFile = nullptr);

}  // namespace tessolar
