#include "app/dialogs/import_plan_model.h"

#include <QDate>
#include <QImage>
#include <QLocale>

#include "app/flows/program_names.h"
#include "app/translations.h"
#include "imports/icalendar_export.h"

namespace tessolar {

ImportPlanModel::ImportPlanModel(ImportPlan& plan, QObject* parent)
    : QAbstractTableModel(parent), plan_(plan) {}

int ImportPlanModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(plan_.candidates.size());
}

int ImportPlanModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

QString ImportPlanModel::TypeName(uint32_t type) { return Translated(EntryTypePhrase(type)); }

QString ImportPlanModel::DateText(const ImportCandidate& candidate) const {
  const CalEntry& e = candidate.entry;
  // A date without a year is shown in a leap year, so 29 February has its name.
  const QDate date(candidate.yearKnown ? int{e.year} : 2000, e.month + 1, int{e.day});
  return QLocale().toString(date, candidate.yearKnown ? tr("d MMMM yyyy", "a date with its year")
                                                      : tr("d MMMM", "a date without a year"));
}

QString ImportPlanModel::NoteText(const ImportCandidate& candidate) const {
  QString note = candidate.alreadyThere ? tr("The calendar has it already.") : QString();
  if (!candidate.yearKnown) note += (note.isEmpty() ? "" : " ") + tr("No year: no age shown.");
  if (!candidate.note.Empty()) note += (note.isEmpty() ? "" : " ") + Translated(candidate.note);
  return note;
}

QPixmap ImportPlanModel::Thumbnail(int row) const {
  const auto cached = thumbnails_.constFind(row);
  if (cached != thumbnails_.constEnd()) return *cached;
  const std::string& bytes = plan_.candidates[static_cast<size_t>(row)].photoBytes;
  QImage image;
  if (!bytes.empty())
    image.loadFromData(reinterpret_cast<const uchar*>(bytes.data()),
                       static_cast<int>(bytes.size()));
  const QPixmap thumbnail =
      image.isNull()
          ? QPixmap()
          : QPixmap::fromImage(image.scaled(kThumbnailSize, kThumbnailSize, Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
  thumbnails_.insert(row, thumbnail);
  return thumbnail;
}

QVariant ImportPlanModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const ImportCandidate& candidate = plan_.candidates[static_cast<size_t>(index.row())];
  switch (index.column()) {
    case kDate:
      if (role == Qt::CheckStateRole) return candidate.checked ? Qt::Checked : Qt::Unchecked;
      if (role == Qt::DisplayRole) return DateText(candidate);
      break;
    case kType:
      if (role == Qt::DisplayRole) return TypeName(candidate.entry.type);
      if (role == Qt::EditRole) return candidate.entry.type;
      if (role == Qt::ToolTipRole && IsYearlyType(candidate.entry.type))
        return tr("Click to choose the type.");
      break;
    case kDescription:
      if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromStdString(candidate.entry.description);
      break;
    case kPicture:
      if (role == Qt::DecorationRole) return Thumbnail(index.row());
      if (role == Qt::DisplayRole && candidate.photoBytes.empty()) return tr("none");
      break;
    case kNote:
      if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return NoteText(candidate);
      break;
    default: break;
  }
  return {};
}

bool ImportPlanModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.row() >= rowCount()) return false;
  ImportCandidate& candidate = plan_.candidates[static_cast<size_t>(index.row())];
  if (index.column() == kDate && role == Qt::CheckStateRole) {
    candidate.checked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {role});
    emit CheckedChanged();
    return true;
  }
  const uint32_t type = value.toUInt();
  if (index.column() == kType && role == Qt::EditRole && IsYearlyType(type) &&
      IsYearlyType(candidate.entry.type)) {
    candidate.entry.type = type;
    emit dataChanged(index, index);
    return true;
  }
  return false;
}

Qt::ItemFlags ImportPlanModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid()) return flags;
  if (index.column() == kDate) flags |= Qt::ItemIsUserCheckable;
  if (index.column() == kType &&
      IsYearlyType(plan_.candidates[static_cast<size_t>(index.row())].entry.type)) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

QVariant ImportPlanModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  switch (section) {
    case kDate: return tr("Date");
    case kType: return tr("Type");
    case kDescription: return tr("Description");
    case kPicture: return tr("Picture");
    case kNote: return tr("Note");
    default: return {};
  }
}

void ImportPlanModel::CheckAll(bool checked) {
  for (ImportCandidate& candidate : plan_.candidates) candidate.checked = checked;
  if (rowCount() > 0)
    emit dataChanged(index(0, kDate), index(rowCount() - 1, kDate), {Qt::CheckStateRole});
  emit CheckedChanged();
}

}  // namespace tessolar
