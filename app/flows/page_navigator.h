#pragma once
// Which page the view shows, and writing it: the page state, the page written
// before each navigation of the view, and the moves between pages and months.

#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/page_display.h"
#include "app/flows/page_state.h"
#include "app/flows/recent_files.h"
#include "app/flows/user_prompts.h"
#include "pages/click_tokens.h"

namespace tessolar {

struct NavigationCheck {
  bool accept = false;         // only the page file itself, without a token, loads
  ClickToken token;            // the token the page file's query carries, to run next
  UserText message;            // for the user, when the page file could not be written
  std::string openExternally;  // the help document, for the desktop's own viewer
};

class PageNavigator {
 public:
  PageNavigator(CalendarDocument& doc, UserPrompts& prompts, RecentFiles& recent,
                PageDisplay& display)
      : doc_(doc), prompts_(prompts), recent_(recent), display_(display) {}

  const PageState& State() const { return state_; }

  // Called before every navigation of the view, from inside the browser
  // engine: writes the page the state asks for, and says whether `url` (as
  // the engine reports it, percent-encoded) may load. Runs no dialog.
  NavigationCheck BeforeNavigate(const std::string& url);

  // Sets the page to show and shows it (Show).
  void Select(PageMode mode);
  // Shows the page the state asks for: the page on screen, when it is that
  // page and the calendar changed, is updated in place; any other page loads,
  // and the navigation hook writes it unless it is one of the pages written
  // before (big pictures, listing, hidden events, title).
  void Show();
  // The same for a click's action, whose own navigation then shows the page.
  void Choose(PageMode mode);
  // The calendar changed: the page on screen is written again when it loads.
  void CalendarChanged() { state_.renderedPageMode = PageMode::kNone; }
  // Writes a page now; says so to the user when it cannot be written.
  bool WritePageOrSay(const std::string& text);

  // The month of the one-month page, 0..11; others are ignored.
  void SetMonth(int month);
  void ShowMonth(int month);
  // The month of `day` of `month` shown with that day selected: where the
  // keyboard moved past the month on screen.
  void ShowDay(int month, int day);
  void MonthPrevious();
  void MonthNext();
  void ShowBigPictures();
  void ShowCalDatabase();
  void ShowHiddenEvents();
  // Writes the page on screen again from the calendar as it now is, and shows it.
  void Refresh();
  // The big-pictures page as large as the view.
  std::string BigPicturesPage() const;

 private:
  // Writes the page the state asks for when the one written last is another
  // or out of date; its text in `written` when given.
  void RegeneratePage(UserText& message, std::string* written = nullptr);
  bool WritePage(const std::string& text, UserText& message);

  CalendarDocument& doc_;
  UserPrompts& prompts_;
  RecentFiles& recent_;
  PageDisplay& display_;
  PageState state_;
};

}  // namespace tessolar
