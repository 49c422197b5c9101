#include "app/flows/view_controller.h"

#include <ctime>
#include <vector>

#include "app/flows/dialog_flows.h"
#include "caldata/calendar_text.h"
#include "caldata/captions.h"
#include "caldata/data_paths.h"
#include "pages/calendar_page.h"
#include "pages/page_conventions.h"
#include "pages/page_text.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar {
namespace {

// What a new entry on a day starts as: a birthday with its age shown.
CalEntry NewEntryOn(int month, int day, int year) {
  CalEntry entry;
  entry.month = static_cast<uint8_t>(month);
  entry.day = static_cast<uint8_t>(day);
  entry.type = kBirthday;
  entry.showAge = 1;
  entry.year = entry.enteredYear = static_cast<int16_t>(year);
  return entry;
}

// A calendar is mostly made for the year to come.
int NextYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900 + 1;
}

}  // namespace

NavigationCheck ViewController::BeforeNavigate(const std::string& url) {
  NavigationCheck check;
  RegeneratePage(check.message);
  const size_t queryAt = url.find('?');
  const std::string target = PercentDecoded(url.substr(0, std::min(url.find('#'), queryAt)));
  const std::string help = HelpDocumentPath();
  if (target == "file://" + help) check.openExternally = help;
  if (target != "file://" + PageFilePath()) return check;
  if (queryAt != std::string::npos) {
    const size_t fragmentAt = url.find('#', queryAt);
    const size_t end = fragmentAt == std::string::npos ? url.size() : fragmentAt;
    check.token = FindClickToken(PercentDecoded(url.substr(queryAt + 1, end - queryAt - 1)));
  }
  check.accept = check.token.kind == TokenKind::kNone;
  return check;
}

void ViewController::RegeneratePage(std::string& message) {
  if (state_.currentPageMode == state_.renderedPageMode) return;
  const CCalDatabase& db = doc_.Db();
  switch (state_.currentPageMode) {
    case PageMode::kWelcome: {
      const std::vector<std::string> recent = recent_.Read();
      WritePage(BuildWelcomePage(doc_.Db().Language(), {recent.rbegin(), recent.rend()}), message);
      break;
    }
    case PageMode::kOneMonth:
      WritePage(CalendarPageText(db, state_.currentMonth, state_.currentMonth + 1), message);
      break;
    case PageMode::kAllMonths:
      WritePage(CalendarPageText(db, 0, 12), message);
      break;
    case PageMode::kHelp:
      WritePage(BuildHelpPage(), message);
      break;
    default:
      break;
  }
  state_.renderedPageMode = state_.currentPageMode;
}

bool ViewController::WritePage(const std::string& text, std::string& message) {
  if (WritePageFile(text) == 0) return true;
  message = Printf("The page could not be written to %s.", PageFilePath().c_str());
  return false;
}

bool ViewController::WritePageOrSay(const std::string& text) {
  std::string message;
  if (WritePage(text, message)) return true;
  prompts_.ShowMessage(message);
  return false;
}

void ViewController::Select(PageMode mode) {
  Chosen(mode);
  display_.NavigateToPage();
}

bool ViewController::Chosen(PageMode mode) {
  state_.renderedPageMode = PageMode::kNone;
  state_.currentPageMode = mode;
  return true;
}

void ViewController::RunAndShow(TokenKind kind) {
  ClickToken token;
  token.kind = kind;
  if (RunToken(token)) display_.NavigateToPage();
}

bool ViewController::RunToken(const ClickToken& token) {
  switch (token.kind) {
    case TokenKind::kCalendarNew:
      return NewCalendarAction();
    case TokenKind::kCalendarBrowse:
      return BrowseAction();
    case TokenKind::kCalendarRecent:
      return token.path.empty() || RecentAction(token.path);
    case TokenKind::kCalDate:
      return AddOnDateAction(token.first, token.second);
    case TokenKind::kCalIdx:
      return ChangeEntryAction(token.first);
    case TokenKind::kCalBigPic:
      return token.first >= kBigPictureCount || BigPictureAction(token.first);
    case TokenKind::kCalUnhide:
      return UnhideAction(token.first);
    case TokenKind::kCalTitleText:
    case TokenKind::kCalTitlePic:
      return TitleAction();
    default:
      return true;
  }
}

bool ViewController::NewCalendarAction() {
  if (!files_.ConfirmReplace()) return false;
  doc_.Reset();
  CCalDatabase& db = doc_.Db();
  db.SetYear(NextYear());
  if (db.ClipartDirectory().empty()) db.SetClipartDirectory(ShippedClipartDirectory());
  state_.currentMonth = 0;
  if (!RunConfigurationFlow(doc_, prompts_)) return Chosen(PageMode::kWelcome);
  doc_.MarkStarted();
  return Chosen(PageMode::kOneMonth);
}

bool ViewController::BrowseAction() {
  if (!files_.ConfirmReplace()) return false;
  const std::string path = prompts_.ChooseCalendarToOpen();
  return !path.empty() && OpenAction(path, true, false);
}

bool ViewController::RecentAction(const std::string& path) {
  return files_.ConfirmReplace() && OpenAction(path, false, true);
}

void ViewController::OpenCalendarFile(const std::string& path) {
  OpenAction(path, true, false);
  display_.NavigateToPage();
}

bool ViewController::OpenAction(const std::string& path, bool addToRecent,
                                bool forgetOnFailure) {
  std::string reason;
  state_.currentMonth = 0;
  if (!doc_.Open(path, &reason)) {
    prompts_.ShowMessage(Printf("Could not open file (%s)", path.c_str()) + "\n" + reason);
    if (forgetOnFailure) recent_.Remove(path);
    return Chosen(PageMode::kWelcome);
  }
  if (addToRecent) recent_.Add(path);
  return Chosen(PageMode::kOneMonth);
}

bool ViewController::BigPictureAction(int slot) {
  CCalDatabase& db = doc_.Db();
  if (!RunBigPictureFlow(db, prompts_, slot)) return false;
  return WritePageOrSay(BuildBigPicturesPage(db, display_.ClientWidth(), display_.ClientHeight())) &&
         Chosen(PageMode::kBigPictures);
}

bool ViewController::UnhideAction(int index) {
  CCalDatabase& db = doc_.Db();
  if (index < 0 || static_cast<uint32_t>(index) >= db.Count()) {
    prompts_.ShowMessage("did not find index in database");
    return true;
  }
  db.SetEntryHidden(static_cast<uint32_t>(index), false);
  WritePageOrSay(BuildHiddenEntriesPage(db));
  return Chosen(PageMode::kHiddenEvents);
}

bool ViewController::TitleAction() {
  CCalDatabase& db = doc_.Db();
  if (!RunTitleFlow(db, prompts_)) return false;
  WritePageOrSay(BuildTitlePage(db));
  return Chosen(PageMode::kTitlePage);
}

bool ViewController::Rebuilt() {
  state_.renderedPageMode = PageMode::kNone;
  return true;
}

bool ViewController::AddOnDateAction(int month, int day) {
  CCalDatabase& db = doc_.Db();
  CalEntry entry = NewEntryOn(month, day, doc_.DialogYear());
  if (prompts_.RunEvent(entry, db, true) != EventAnswer::kOk) return false;
  db.SaveHolidayData(entry);
  db.SortAndCompact();
  return Rebuilt();
}

bool ViewController::ChangeEntryAction(int index) {
  CCalDatabase& db = doc_.Db();
  if (index < 0 || static_cast<uint32_t>(index) >= db.Count()) {
    prompts_.ShowMessage("did not find index in database");
    return false;
  }
  const CalEntry original = *db.EntryAt(static_cast<uint32_t>(index));
  CalEntry entry = original;
  switch (prompts_.RunEvent(entry, db, false)) {
    case EventAnswer::kOk:
      // In place, whatever its slot: the edit never adds a copy.
      db.PutEntry(entry, static_cast<uint32_t>(index));
      break;
    case EventAnswer::kDelete:
      db.RemoveHolidayData(original.month, original.day, original.year, original.type,
                           original.description, original.pictureFile);
      break;
    case EventAnswer::kCancel:
      return false;
  }
  db.SortAndCompact();
  return Rebuilt();
}

void ViewController::DropFiles(const std::vector<std::string>& files, const ClickToken& target) {
  if (files.empty()) return;
  CCalDatabase& db = doc_.Db();
  if (state_.currentPageMode == PageMode::kBigPictures) {
    if (target.kind == TokenKind::kCalBigPic && target.first < kBigPictureCount &&
        RunBigPictureFlow(db, prompts_, target.first, &files.front())) {
      ShowBigPictures();
    }
    return;
  }
  if (state_.currentPageMode != PageMode::kOneMonth) return;
  const int month = target.first;
  const int day = target.second;
  if (target.kind != TokenKind::kCalDate || month < 0 || month > 11 || day < 1 || day > 31) return;
  for (const std::string& file : files) DropOnDay(month, day, file);
}

void ViewController::DropOnDay(int month, int day, const std::string& file) {
  CCalDatabase& db = doc_.Db();
  const std::vector<CalEntry> entries = db.GetEntriesOfDay(month, day);
  int choice = 0;
  if (entries.size() >= 5) {
    prompts_.ShowMessage("current design only supports four events per day");
    return;
  }
  if (!entries.empty()) {
    std::vector<std::string> labels;
    for (const CalEntry& e : entries) labels.push_back(DropChoiceCaption(db, e));
    if (entries.size() < 4) labels.push_back("New Entry");
    choice = prompts_.RunPick(labels);
    if (choice < 0) return;
    if (choice == 0 && entries.size() == 4) choice = 4;
  }
  if (choice == 0) {
    CalEntry entry = NewEntryOn(month, day, db.Year());
    entry.pictureFile = file;
    if (prompts_.RunEvent(entry, db, true) != EventAnswer::kOk) return;
    db.SaveHolidayData(entry);
  } else {
    CalEntry entry = entries[static_cast<size_t>(choice) - 1];
    entry.pictureFile = file;
    db.PutEntry(entry, entry.index);
  }
  db.SortAndCompact();
  Select(PageMode::kOneMonth);
}

void ViewController::ShowBigPictures() {
  const CCalDatabase& db = doc_.Db();
  if (WritePageOrSay(BuildBigPicturesPage(db, display_.ClientWidth(), display_.ClientHeight()))) {
    Select(PageMode::kBigPictures);
  }
}

void ViewController::MonthPrevious() {
  if (state_.currentMonth > 0) ShowMonth(state_.currentMonth - 1);
}

void ViewController::MonthNext() {
  if (state_.currentMonth < 11) ShowMonth(state_.currentMonth + 1);
}

void ViewController::ShowMonth(int month) {
  if (month < 0 || month > 11) return;
  state_.currentMonth = month;
  Select(PageMode::kOneMonth);
}

void ViewController::Configuration() {
  if (!RunConfigurationFlow(doc_, prompts_)) return;
  doc_.MarkStarted();
  Select(PageMode::kOneMonth);
}

void ViewController::ShowCalDatabase() {
  if (WritePageOrSay(BuildDatabasePage(CalendarText(doc_.Db())))) Select(PageMode::kCalDatabase);
}

void ViewController::ShowTitlePage() {
  if (TitleAction()) display_.NavigateToPage();
}

void ViewController::ShowHiddenEvents() {
  WritePageOrSay(BuildHiddenEntriesPage(doc_.Db()));
  Select(PageMode::kHiddenEvents);
}

}  // namespace tessolar
