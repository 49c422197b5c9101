#pragma once
// An import plan's candidates as the rows of the preview's table: a checkbox
// on the date, the type (changeable for yearly entries), the description,
// the photo's thumbnail and a note. Thumbnails are decoded when a row is
// first shown, so a large address book opens at once.

#include <QAbstractTableModel>
#include <QHash>
#include <QPixmap>

#include "imports/import_plan.h"

namespace tessolar {

class ImportPlanModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { kDate, kType, kDescription, kPicture, kNote, kColumnCount };
  static constexpr int kThumbnailSize = 48;

  ImportPlanModel(ImportPlan& plan, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // Checks or unchecks every candidate.
  void CheckAll(bool checked);
  // The name of `type` in the program's language.
  static QString TypeName(uint32_t type);

 signals:
  void CheckedChanged();

 private:
  QString DateText(const ImportCandidate& candidate) const;
  QString NoteText(const ImportCandidate& candidate) const;
  QPixmap Thumbnail(int row) const;

  ImportPlan& plan_;
  mutable QHash<int, QPixmap> thumbnails_;
};

}  // namespace tessolar
