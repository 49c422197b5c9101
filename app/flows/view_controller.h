#pragma once
// What the browser view and the window's commands lead to, without the
// browser: a click on the page (its token) or a menu command goes to the flow
// that does it. Pages and months: PageNavigator; what a person does to the
// calendar on its pages: EntryEditing; new and opened calendars:
// CalendarOpening; imports and exports: CalendarExchange.

#include <functional>
#include <string>
#include <vector>

#include "app/flows/calendar_document.h"
#include "app/flows/calendar_exchange.h"
#include "app/flows/calendar_opening.h"
#include "app/flows/entry_editing.h"
#include "app/flows/file_commands.h"
#include "app/flows/page_display.h"
#include "app/flows/page_navigator.h"
#include "app/flows/recent_files.h"
#include "app/flows/user_prompts.h"
#include "pages/click_tokens.h"

namespace tessolar {

class ViewController {
 public:
  ViewController(CalendarDocument& doc, UserPrompts& prompts, RecentFiles& recent,
                 FileCommands& files, PageDisplay& display,
                 std::function<int()> currentYear = SystemCurrentYear)
      : doc_(doc),
        display_(display),
        pages_(doc, prompts, recent, display),
        editing_(doc, prompts, pages_),
        opening_(doc, prompts, recent, files, pages_, std::move(currentYear)),
        exchange_(doc, prompts, files, pages_) {}

  const PageState& State() const { return pages_.State(); }

  // See PageNavigator::BeforeNavigate.
  NavigationCheck BeforeNavigate(const std::string& url) { return pages_.BeforeNavigate(url); }
  // Runs a token's action (from the event loop, where dialogs may run) and
  // shows the page it leads to (PageNavigator::Show). Returns whether it led
  // to one; false when the page on screen stays as it was.
  bool RunToken(const ClickToken& token);

  // Page and month commands.
  void ShowWelcome() { pages_.Select(PageMode::kWelcome); }
  void ShowBigPictures() { pages_.ShowBigPictures(); }
  void ShowOneMonth() { pages_.Select(PageMode::kOneMonth); }
  void ShowAllMonths() { pages_.Select(PageMode::kAllMonths); }
  void MonthPrevious() { pages_.MonthPrevious(); }
  void MonthNext() { pages_.MonthNext(); }
  void ShowMonth(int month) { pages_.ShowMonth(month); }
  void Configuration() { ShowIf(AsChange([this] { return opening_.Configure(); })); }
  void ShowCalDatabase() { pages_.ShowCalDatabase(); }
  void ShowTitlePage() { ShowIf(AsChange([this] { return editing_.ChangeTitle(); })); }
  void ShowHelp() { pages_.Select(PageMode::kHelp); }
  void ShowHiddenEvents() { pages_.ShowHiddenEvents(); }

  // The Edit menu's commands on the page's selection: a new entry on the
  // selected day; the focused entry changed, hidden or deleted.
  enum class EditCommand { kAddEvent, kEditEntry, kHideEntry, kDeleteEntry };
  void RunEditCommand(EditCommand command, const PageSelection& selection);

  // See EntryEditing::DropFiles.
  void DropFiles(const std::vector<std::string>& files, const ClickToken& target) {
    doc_.BeginChange();
    editing_.DropFiles(files, target);
    doc_.EndChange();
    Changed();
  }

  // Edit > Undo and Redo: the calendar before the last change, or after the
  // last change undone, on the page on screen.
  void Undo() { Step(doc_.Undo()); }
  void Redo() { Step(doc_.Redo()); }

  // File New, File Open, and a calendar named on the command line.
  void NewCalendar() { ShowIf(opening_.NewCalendar()); }
  void OpenCalendar() { ShowIf(opening_.Browse()); }
  void OpenCalendarFile(const std::string& path);
  // File > Open Recent, as the welcome page's list opens it.
  void OpenRecent(const std::string& path) { ShowIf(opening_.OpenRecent(path)); }
  // A calendar file dropped on the window: opened as File Open opens it.
  void OpenDroppedCalendar(const std::string& path) { ShowIf(opening_.OpenDropped(path)); }

  // File Import and File Export as iCalendar.
  void Import() { ShowIf(AsChange([this] { return exchange_.Import(); })); }
  void ExportICalendar() { exchange_.Export(); }

  // Called after every click and command that may have changed the calendar.
  void SetChangeListener(std::function<void()> listener) { changed_ = std::move(listener); }
  // Asked before a calendar file is opened; false leaves the calendar in hand.
  void SetOpenGuard(std::function<bool(const std::string& path)> mayOpen) {
    opening_.mayOpen = std::move(mayOpen);
  }
  // Where new calendars learn the desktop's locale (the environment unless set).
  void SetDesktopLocale(std::function<std::string()> locale) {
    opening_.desktopLocale = std::move(locale);
  }
  // Where new calendars learn the desktop's time zone (the system's unless set).
  void SetDesktopZone(std::function<std::string()> zone) { opening_.desktopZone = std::move(zone); }

 private:
  bool Route(const ClickToken& token);
  // Runs a command that may change the calendar as one change of its history.
  template <typename Command>
  bool AsChange(Command command) {
    doc_.BeginChange();
    const bool result = command();
    doc_.EndChange();
    return result;
  }
  void Step(bool stepped);
  // After a command: tells the listener, then loads the page when `show`.
  void ShowIf(bool show);
  void Changed() {
    if (changed_) changed_();
  }

  CalendarDocument& doc_;
  PageDisplay& display_;
  PageNavigator pages_;
  EntryEditing editing_;
  CalendarOpening opening_;
  CalendarExchange exchange_;
  std::function<void()> changed_;
};

}  // namespace tessolar
