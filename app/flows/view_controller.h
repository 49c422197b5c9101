#pragma once
// What the browser view does, without the browser: the page state, the page
// written before each navigation, the click tokens' actions, and the page,
// month and calendar commands of the menus and the toolbar.

#include <string>
#include <vector>

#include "app/flows/calendar_document.h"
#include "pages/click_tokens.h"
#include "app/flows/file_commands.h"
#include "app/flows/page_display.h"
#include "app/flows/page_state.h"
#include "app/flows/recent_files.h"
#include "app/flows/user_prompts.h"

namespace tessolar {

struct NavigationCheck {
  bool accept = false;  // only the page file itself, without a token, loads
  ClickToken token;     // the token the page file's query carries, to run next
  std::string message;  // for the user, when the page file could not be written
  std::string openExternally;  // the help document, for the desktop's own viewer
};

class ViewController {
 public:
  ViewController(CalendarDocument& doc, UserPrompts& prompts, RecentFiles& recent,
                 FileCommands& files, PageDisplay& display)
      : doc_(doc), prompts_(prompts), recent_(recent), files_(files), display_(display) {}

  const PageState& State() const { return state_; }

  // Called before every navigation of the view, from inside the browser
  // engine: writes the page the state asks for, and says whether `url` (as
  // the engine reports it, percent-encoded) may load. Runs no dialog.
  NavigationCheck BeforeNavigate(const std::string& url);
  // Runs a token's action (from the event loop, where dialogs may run).
  // Returns true when the page file should now be shown, false when the
  // token's navigation is cancelled and the page on screen stays.
  bool RunToken(const ClickToken& token);

  // Page and month commands.
  void ShowWelcome() { Select(PageMode::kWelcome); }
  void ShowBigPictures();
  void ShowOneMonth() { Select(PageMode::kOneMonth); }
  void ShowAllMonths() { Select(PageMode::kAllMonths); }
  void MonthPrevious();
  void MonthNext();
  void ShowMonth(int month);
  void Configuration();
  void ShowCalDatabase();
  void ShowTitlePage();
  void ShowHelp() { Select(PageMode::kHelp); }
  void ShowHiddenEvents();

  // Files dropped on the page element that carries `target`, the token found
  // under the drop point: a day of the month page or a big picture.
  void DropFiles(const std::vector<std::string>& files, const ClickToken& target);

  // File New, File Open, and a calendar named on the command line.
  void NewCalendar() { RunAndShow(TokenKind::kCalendarNew); }
  void OpenCalendar() { RunAndShow(TokenKind::kCalendarBrowse); }
  void OpenCalendarFile(const std::string& path);

 private:
  // Sets the page to show and loads it; the navigation hook writes it unless
  // it is one of the pages written before (big pictures, listing, hidden
  // events, title).
  void Select(PageMode mode);
  // The same for a token's action, whose own navigation then shows the page.
  bool Chosen(PageMode mode);
  void RunAndShow(TokenKind kind);
  void RegeneratePage(std::string& message);
  bool WritePage(const std::string& text, std::string& message);
  bool WritePageOrSay(const std::string& text);

  bool NewCalendarAction();
  bool BrowseAction();
  bool RecentAction(const std::string& path);
  bool OpenAction(const std::string& path, bool addToRecent, bool forgetOnFailure);
  bool BigPictureAction(int slot);
  bool UnhideAction(int index);
  bool TitleAction();
  bool AddOnDateAction(int month, int day);
  bool ChangeEntryAction(int index);
  bool Rebuilt();
  void DropOnDay(int month, int day, const std::string& file);

  CalendarDocument& doc_;
  UserPrompts& prompts_;
  RecentFiles& recent_;
  FileCommands& files_;
  PageDisplay& display_;
  PageState state_;
};

}  // namespace tessolar
