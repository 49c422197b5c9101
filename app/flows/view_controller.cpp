#include "app/flows/view_controller.h"

namespace tessolar {

bool ViewController::RunToken(const ClickToken& token) {
  const bool show = AsChange([&] { return Route(token); });
  // The page first, then whatever follows a change (the recovery file): the
  // person sees the change at once.
  if (show) pages_.Show();
  Changed();
  return show;
}

bool ViewController::Route(const ClickToken& token) {
  switch (token.kind) {
    case TokenKind::kCalendarNew: return opening_.NewCalendar();
    case TokenKind::kCalendarBrowse: return opening_.Browse();
    case TokenKind::kCalendarRecent: return token.path.empty() || opening_.OpenRecent(token.path);
    case TokenKind::kCalDate: return editing_.AddEntryOnDay(token.first, token.second);
    case TokenKind::kCalIdx: return editing_.ChangeEntry(token.first);
    case TokenKind::kCalBigPic:
      return token.first >= kBigPictureCount || editing_.ChangeBigPicture(token.first);
    case TokenKind::kCalMore: return editing_.ChooseEntryOfDay(token.first, token.second);
    case TokenKind::kCalShow: pages_.ShowDay(token.first, token.second); return false;
    case TokenKind::kCalUnhide: return editing_.ShowHiddenEntry(token.first);
    case TokenKind::kCalTitleText:
    case TokenKind::kCalTitlePic: return editing_.ChangeTitle();
    default: return true;
  }
}

void ViewController::Step(bool stepped) {
  if (stepped) pages_.Refresh();
  Changed();
}

void ViewController::RunEditCommand(EditCommand command, const PageSelection& selection) {
  doc_.BeginChange();
  bool show = false;
  if (command == EditCommand::kAddEvent) {
    show = selection.month >= 0 && editing_.AddEntryOnDay(selection.month, selection.day);
  } else if (selection.entry >= 0) {
    switch (command) {
      case EditCommand::kEditEntry: show = editing_.ChangeEntry(selection.entry); break;
      case EditCommand::kHideEntry: show = editing_.HideEntry(selection.entry); break;
      default: show = editing_.DeleteEntry(selection.entry); break;
    }
  }
  doc_.EndChange();
  ShowIf(show);
}

void ViewController::OpenCalendarFile(const std::string& path) {
  opening_.Open(path, true, false);
  Changed();
  display_.NavigateToPage();
}

void ViewController::ShowIf(bool show) {
  if (show) pages_.Show();
  Changed();
}

}  // namespace tessolar
