#include "app/flows/calendar_document.h"

#include <memory>
#include <utility>

#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"

namespace tessolar {

void CalendarDocument::Reset() {
  db_.ResetDatabase();
  fileName_.clear();
  saved_ = SavedState();
  yearBuild_ = CYearBuild();
  started_ = false;
  history_.Clear();
  before_.reset();
}

bool CalendarDocument::Open(const std::string& path, UserText* message) {
  // Read beside the calendar in hand, which stays as it is when the file does not open.
  auto opened = std::make_unique<CCalDatabase>(db_);
  opened->ResetDatabase();
  SavedState saved;
  const int loaded = LoadCalendarFile(*opened, path, &saved, message);
  if (loaded != 1) {
    if (loaded == -1 && message) *message = TESSOLAR_TEXT("CalendarOpening", "No such file.");
    return false;
  }
  Reset();
  db_ = std::move(*opened);
  fileName_ = path;
  saved_ = std::move(saved);
  BuildYear(db_.Year(), false);
  // The days the build computed are no change of the person's: the calendar
  // counts as saved until one is made (a Save with none leaves the file be).
  saved_.text = CalendarText(db_);
  // A day double-clicked next dates its entry in this calendar's year, as
  // after the configuration dialog, not in the year of an earlier calendar.
  dialogYear_ = db_.Year();
  started_ = true;
  return true;
}

void CalendarDocument::BeginChange() {
  before_ = CalendarState{db_, yearBuild_, dialogYear_};
  textBefore_ = CalendarText(db_);
  changeName_ = TESSOLAR_TEXT("CalendarDocument", "Change");
}

void CalendarDocument::EndChange() {
  // Gone when the command opened or started another calendar.
  if (!before_) return;
  if (CalendarText(db_) != textBefore_) history_.Add(std::move(*before_), std::move(changeName_));
  before_.reset();
}

bool CalendarDocument::Step(bool (EditHistory::*step)(CalendarState&)) {
  CalendarState state{std::move(db_), yearBuild_, dialogYear_};
  const bool stepped = (history_.*step)(state);
  db_ = std::move(state.db);
  yearBuild_ = state.build;
  dialogYear_ = state.dialogYear;
  return stepped;
}

bool CalendarDocument::HasUnsavedChanges() const { return HasUnsavedChanges(CalendarText(db_)); }

bool CalendarDocument::HasUnsavedChanges(const std::string& calendarText) const {
  return started_ && calendarText != saved_.text;
}

}  // namespace tessolar
