#include "app/flows/page_navigator.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "caldata/calendar_text.h"
#include "caldata/data_paths.h"
#include "compute/date_arithmetic.h"
#include "pages/calendar_page.h"
#include "pages/page_conventions.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar {

NavigationCheck PageNavigator::BeforeNavigate(const std::string& url) {
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
    check.token = ReadClickToken(PercentDecoded(url.substr(queryAt + 1, end - queryAt - 1)));
  }
  check.accept = check.token.kind == TokenKind::kNone;
  return check;
}

void PageNavigator::RegeneratePage(UserText& message, std::string* written) {
  if (state_.currentPageMode == state_.renderedPageMode) return;
  const CCalDatabase& db = doc_.Db();
  std::string text;
  switch (state_.currentPageMode) {
    case PageMode::kWelcome: {
      const std::vector<std::string> recent = recent_.Read();
      text = BuildWelcomePage(db.Language(), {recent.rbegin(), recent.rend()});
      break;
    }
    case PageMode::kOneMonth: {
      const int position = db.Span().PositionOf(state_.currentMonth);
      text = CalendarPageText(db, position, position + 1);
      break;
    }
    case PageMode::kAllMonths: text = CalendarPageText(db, 0, 12); break;
    case PageMode::kHelp: text = BuildHelpPage(); break;
    default: break;
  }
  if (!text.empty()) WritePage(text, message);
  if (written != nullptr) *written = std::move(text);
  state_.renderedPageMode = state_.currentPageMode;
  state_.shownPageMode = state_.currentPageMode;
  state_.shownMonth = state_.currentMonth;
}

bool PageNavigator::WritePage(const std::string& text, UserText& message) {
  if (WritePageFile(text) == 0) return true;
  message = {TESSOLAR_TEXT("PageNavigator", "The page could not be written to %1."),
             {PageFilePath()}};
  return false;
}

bool PageNavigator::WritePageOrSay(const std::string& text) {
  UserText message;
  if (WritePage(text, message)) return true;
  prompts_.ShowMessage(message);
  return false;
}

void PageNavigator::Select(PageMode mode) {
  Choose(mode);
  Show();
}

void PageNavigator::Show() {
  const PageMode mode = state_.currentPageMode;
  const bool onScreen = mode == state_.shownPageMode &&
                        (mode == PageMode::kAllMonths ||
                         (mode == PageMode::kOneMonth && state_.currentMonth == state_.shownMonth));
  if (!onScreen) {
    display_.NavigateToPage();
    return;
  }
  UserText message;
  std::string page;
  RegeneratePage(message, &page);
  if (!message.Empty()) prompts_.ShowMessage(message);
  if (!page.empty()) display_.ReplacePage(page);
}

void PageNavigator::Choose(PageMode mode) {
  state_.renderedPageMode = PageMode::kNone;
  state_.currentPageMode = mode;
}

void PageNavigator::SetMonth(int month) {
  if (month >= 0 && month <= 11) state_.currentMonth = month;
}

void PageNavigator::ShowMonth(int month) {
  if (month < 0 || month > 11) return;
  state_.currentMonth = month;
  Select(PageMode::kOneMonth);
}

void PageNavigator::ShowDay(int month, int day) {
  if (month < 0 || month > 11) return;
  const int year = doc_.Db().Span().YearOf(month);
  if (day < 1 || day > DaysInMonth(month, year)) return;
  ShowMonth(month);
  display_.SelectDay(IsoDate(year, month, day));
}

// In the calendar's order, from its start month to the month before it.
void PageNavigator::MonthPrevious() {
  const CalendarSpan span = doc_.Db().Span();
  const int position = span.PositionOf(state_.currentMonth);
  if (position > 0) ShowMonth(span.MonthAt(position - 1));
}

void PageNavigator::MonthNext() {
  const CalendarSpan span = doc_.Db().Span();
  const int position = span.PositionOf(state_.currentMonth);
  if (position < 11) ShowMonth(span.MonthAt(position + 1));
}

std::string PageNavigator::BigPicturesPage() const {
  return BuildBigPicturesPage(doc_.Db(), display_.ClientWidth(), display_.ClientHeight());
}

void PageNavigator::ShowBigPictures() {
  if (WritePageOrSay(BigPicturesPage())) Select(PageMode::kBigPictures);
}

void PageNavigator::ShowCalDatabase() {
  if (WritePageOrSay(BuildDatabasePage(CalendarText(doc_.Db())))) Select(PageMode::kCalDatabase);
}

void PageNavigator::Refresh() {
  switch (state_.currentPageMode) {
    case PageMode::kBigPictures: ShowBigPictures(); return;
    case PageMode::kCalDatabase: ShowCalDatabase(); return;
    case PageMode::kHiddenEvents: ShowHiddenEvents(); return;
    case PageMode::kTitlePage:
      if (WritePageOrSay(BuildTitlePage(doc_.Db()))) Select(PageMode::kTitlePage);
      return;
    default:
      CalendarChanged();
      Show();
  }
}

void PageNavigator::ShowHiddenEvents() {
  WritePageOrSay(BuildHiddenEntriesPage(doc_.Db()));
  Select(PageMode::kHiddenEvents);
}

}  // namespace tessolar
