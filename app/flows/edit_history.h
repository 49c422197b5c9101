#pragma once
// The person's changes to the calendar, to undo and redo: for each change the
// calendar as it was before it and the change's name ("Delete ‘Grandma
// Rose’"). The oldest changes go once kUndoLevels are kept.

#include <cstddef>
#include <deque>
#include <utility>

#include "caldata/cal_database.h"
#include "caldata/user_text.h"
#include "generators/year_build.h"

namespace tessolar {

inline constexpr size_t kUndoLevels = 100;

// Everything a change may touch: the store, which computed days it holds, and
// the year new entries are dated in.
struct CalendarState {
  CCalDatabase db;
  CYearBuild build;
  int dialogYear = 0;
};

class EditHistory {
 public:
  // A change was made; `before` is the calendar as it was. Redo starts over.
  void Add(CalendarState before, UserText name);
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // The names of the change Undo and Redo would take back or make again.
  const UserText& UndoName() const { return undo_.back().name; }
  const UserText& RedoName() const { return redo_.back().name; }
  // Swaps `current` with the calendar before the last change (after the last
  // undone one); false when there is none.
  bool Undo(CalendarState& current) { return Step(undo_, redo_, current); }
  bool Redo(CalendarState& current) { return Step(redo_, undo_, current); }
  void Clear();

 private:
  struct Change {
    CalendarState state;
    UserText name;
  };
  static bool Step(std::deque<Change>& from, std::deque<Change>& to, CalendarState& current);

  std::deque<Change> undo_;
  std::deque<Change> redo_;
};

}  // namespace tessolar
