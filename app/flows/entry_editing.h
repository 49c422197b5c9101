#pragma once
// What a person does to the calendar on its pages: double-click a day number
// to add an entry on that day, double-click an entry's caption or picture to
// change or delete it, tick a hidden entry to show it again, double-click the
// title or a big picture to change it, and drop pictures on a day or a big
// picture. Each action but the drops returns whether the page should now be
// shown (false: the click's navigation is cancelled, the page stays).

#include <string>
#include <vector>

#include "app/flows/calendar_document.h"
#include "app/flows/page_navigator.h"
#include "app/flows/user_prompts.h"
#include "pages/click_tokens.h"

namespace tessolar {

class EntryEditing {
 public:
  EntryEditing(CalendarDocument& doc, UserPrompts& prompts, PageNavigator& pages)
      : doc_(doc), prompts_(prompts), pages_(pages) {}

  // A day number (DateToken): a new entry on `day` of `month` (0..11), dated
  // in the year of the configuration dialog, through the event dialog.
  bool AddEntryOnDay(int month, int day);
  // An entry's caption or picture (EntryToken): the event dialog over the
  // entry at `index`, which changes it in place or deletes it.
  bool ChangeEntry(int index);
  // Edit menu: the entry at `index` hidden, or deleted once the person says so.
  bool HideEntry(int index);
  bool DeleteEntry(int index);
  // The mark of a day's entries beyond its cell (MoreEntriesToken): the pick
  // dialog of all the day's entries, then the event dialog of the one picked.
  bool ChooseEntryOfDay(int month, int day);
  // A box of the hidden-entries page (UnhideToken).
  bool ShowHiddenEntry(int index);
  // A big picture (BigPictureToken): its picture and description.
  bool ChangeBigPicture(int slot);
  // The title's text or picture: the title dialog.
  bool ChangeTitle();

  // Files dropped on the page element that carries `target`, the token found
  // under the drop point: a day of the month page or a big picture.
  void DropFiles(const std::vector<std::string>& files, const ClickToken& target);

 private:
  void DropOnDay(int month, int day, const std::string& file);
  bool ValidIndex(int index);
  // Whether a new entry fits; says the calendar is full when not.
  bool HasRoom();

  CalendarDocument& doc_;
  UserPrompts& prompts_;
  PageNavigator& pages_;
};

}  // namespace tessolar
