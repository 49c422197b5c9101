#pragma once
// What an import would add, before anything changes: a table of the
// candidates to check and uncheck, what was skipped and why, and how many of
// the checked entries the calendar has room for. OK stays off while they do
// not all fit.

#include <QDialog>

#include "imports/import_plan.h"

class QLabel;
class QPushButton;
class QTableView;

namespace tessolar {

class ImportPlanModel;

class CDlgImportPreview : public QDialog {
  Q_OBJECT

 public:
  // The dialog edits `plan` in place: checks and yearly types.
  CDlgImportPreview(ImportPlan& plan, const QString& sourceName, QWidget* parent);

  QTableView* Table() const { return table_; }
  QPushButton* OkButton() const { return ok_; }
  QString RoomText() const;

 private:
  void ShowRoom();

  ImportPlan& plan_;
  ImportPlanModel* model_;
  QTableView* table_;
  QLabel* room_;
  QPushButton* ok_ = nullptr;
};

}  // namespace tessolar
