#pragma once
// "Add / Modify An Event": every field of one calendar entry, the caption
// the page will show for it, and a preview of its picture. The dialog only
// shows and asks; the caller stores the entry it hands back.

#include <QDialog>
#include <memory>
#include <string>

#include "app/flows/event_entry_check.h"
#include "caldata/cal_database.h"
#include "caldata/cal_entry.h"

namespace Ui {
class CDlgModifyEvent;
}

namespace tessolar {

class CDlgModifyEvent : public QDialog {
  Q_OBJECT

 public:
  // An entry of `calendar`, which outlives the dialog: its year is the one a
  // fixed day must exist in and the captions count ages up to, its clip-art
  // folder the one bare picture names come from, its language the lists'.
  CDlgModifyEvent(const CCalDatabase& calendar, QWidget* parent);
  ~CDlgModifyEvent() override;

  // Fills the controls from `entry`. `isNew`: a new entry (the description
  // gets the keyboard focus; Delete is disabled).
  void SetEntry(const CalEntry& entry, bool isNew);
  // The entry as the controls leave it. A floating date gets its day in the
  // calendar year; a fixed one loses its week code. A day or year that does
  // not pass the check keeps the value the entry was filled with.
  CalEntry Entry() const;
  // The user pressed Delete: the dialog ended as rejected, and the caller
  // removes the entry.
  bool DeleteChosen() const { return deleteChosen_; }

  // Ends the dialog only when the day and year pass the check; otherwise
  // says what to fix and stays open.
  void accept() override;

 private:
  void FillLists();
  void ShowDateKind(bool fixed);
  void UpdateCaption();
  void UpdatePreview();
  void ShowProblem(const EntryProblem& problem);
  void RecheckShownProblem();
  void Browse();
  EntryProblem CurrentProblem() const;
  bool Fixed() const;

  std::unique_ptr<Ui::CDlgModifyEvent> ui_;
  const CCalDatabase& calendar_;
  CalEntry entry_;
  bool deleteChosen_ = false;
};

}  // namespace tessolar
