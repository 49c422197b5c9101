#include "app/flows/edit_history.h"

namespace tessolar {

void EditHistory::Add(CalendarState before, UserText name) {
  undo_.push_back({std::move(before), std::move(name)});
  if (undo_.size() > kUndoLevels) undo_.pop_front();
  redo_.clear();
}

bool EditHistory::Step(std::deque<Change>& from, std::deque<Change>& to, CalendarState& current) {
  if (from.empty()) return false;
  Change change = std::move(from.back());
  from.pop_back();
  std::swap(change.state, current);
  to.push_back(std::move(change));
  return true;
}

void EditHistory::Clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace tessolar
