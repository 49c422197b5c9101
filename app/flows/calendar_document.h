#pragma once
// The calendar the window works on: one store and the year build that keeps
// its computed days, started afresh for every new or opened calendar, and
// the history of the person's changes to it.

#include <optional>
#include <string>

#include "app/flows/edit_history.h"
#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/user_text.h"
#include "generators/year_build.h"

namespace tessolar {

class CalendarDocument {
 public:
  CCalDatabase& Db() { return db_; }
  const CCalDatabase& Db() const { return db_; }

  // The calendar's file, where Save writes it; empty for one never opened or saved.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& path) { fileName_ = path; }
  // What the calendar's file held when last loaded or saved.
  SavedState& Saved() { return saved_; }
  const SavedState& Saved() const { return saved_; }

  // Back to an empty calendar, with no computed days built.
  void Reset();
  // Reads `path` in place of the calendar in hand and builds the computed days
  // of its year. On failure the calendar in hand stays as it was and
  // `message` says why.
  bool Open(const std::string& path, UserText* message);
  // Runs the year build for `year` (removeAll 1 takes every computed day out).
  void BuildYear(int year, bool removeAll) { yearBuild_.BuildYear(db_, year, removeAll); }

  // A calendar was started (opened calendars are started by Open).
  void MarkStarted() { started_ = true; }
  bool Started() const { return started_; }
  // A started calendar whose text differs from what was last loaded or saved.
  bool HasUnsavedChanges() const;
  // The same for the calendar's text, `calendarText`, when the caller has it already.
  bool HasUnsavedChanges(const std::string& calendarText) const;

  // The person's changes, for Undo and Redo. A command that may change the
  // calendar runs between BeginChange and EndChange, and names its change as
  // it makes it; EndChange keeps the calendar as it was before when the
  // command changed it. Opening or starting a calendar clears the history.
  void BeginChange();
  void NameChange(UserText name) { changeName_ = std::move(name); }
  void EndChange();
  const EditHistory& History() const { return history_; }
  // Back to the calendar before the last change, or forward again; false
  // when there is none.
  bool Undo() { return Step(&EditHistory::Undo); }
  bool Redo() { return Step(&EditHistory::Redo); }

  // The year last shown in or typed into the configuration dialog, or of the
  // calendar last opened: the year of entries added by double-clicking a day.
  int DialogYear() const { return dialogYear_; }
  void SetDialogYear(int year) { dialogYear_ = year; }

 private:
  bool Step(bool (EditHistory::*step)(CalendarState&));

  CCalDatabase db_;
  std::string fileName_;
  SavedState saved_;
  CYearBuild yearBuild_;
  bool started_ = false;
  int dialogYear_ = 2007;
  EditHistory history_;
  std::optional<CalendarState> before_;  // of the change under way
  std::string textBefore_;
  UserText changeName_;
};

}  // namespace tessolar
