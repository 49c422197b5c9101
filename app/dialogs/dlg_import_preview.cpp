#include "app/dialogs/dlg_import_preview.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include "app/dialogs/import_plan_model.h"
#include "app/translations.h"

namespace tessolar {
namespace {

// The type of a yearly entry: one of the yearly types, from a list.
class YearlyTypeDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* box = new QComboBox(parent);
    for (const uint32_t type : {kBirthday, kAnniversary, kSoberAnniversary}) {
      box->addItem(ImportPlanModel::TypeName(type), type);
    }
    return box;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* box = static_cast<QComboBox*>(editor);
    box->setCurrentIndex(box->findData(index.data(Qt::EditRole)));
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
  }
};

QString SkippedText(const ImportPlan& plan) {
  QStringList lines;
  for (const SkippedItem& item : plan.skipped) {
    const QString what =
        item.what.empty() ? CDlgImportPreview::tr("(no name)") : QString::fromStdString(item.what);
    lines << CDlgImportPreview::tr("%1: %2").arg(what, Translated(item.reason));
  }
  return lines.join('\n');
}

}  // namespace

CDlgImportPreview::CDlgImportPreview(ImportPlan& plan, const QString& sourceName, QWidget* parent)
    : QDialog(parent),
      plan_(plan),
      model_(new ImportPlanModel(plan, this)),
      table_(new QTableView(this)),
      room_(new QLabel(this)) {
  setWindowTitle(tr("Import"));
  auto* layout = new QVBoxLayout(this);
  const auto alreadyThere = std::count_if(plan.candidates.begin(), plan.candidates.end(),
                                          [](const ImportCandidate& c) { return c.alreadyThere; });
  auto* heading = new QLabel(
      tr("%1 holds %2 days for the calendar; %3 of them it has already. Check the ones to add.")
          .arg(sourceName)
          .arg(plan.candidates.size())
          .arg(alreadyThere),
      this);
  heading->setWordWrap(true);
  layout->addWidget(heading);

  // A screen reader names the list and the skipped lines by what they hold.
  table_->setAccessibleName(tr("Days to import"));
  table_->setAccessibleDescription(heading->text());
  table_->setModel(model_);
  table_->setItemDelegateForColumn(ImportPlanModel::kType, new YearlyTypeDelegate(this));
  table_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setWordWrap(false);
  table_->verticalHeader()->hide();
  const bool photos = std::any_of(plan.candidates.begin(), plan.candidates.end(),
                                  [](const ImportCandidate& c) { return !c.photoBytes.empty(); });
  table_->verticalHeader()->setDefaultSectionSize(photos ? ImportPlanModel::kThumbnailSize + 4
                                                         : fontMetrics().height() + 8);
  table_->setIconSize(QSize(ImportPlanModel::kThumbnailSize, ImportPlanModel::kThumbnailSize));
  // Measured on the first rows only: the thumbnails are decoded as rows are shown.
  QHeaderView* header = table_->horizontalHeader();
  header->setResizeContentsPrecision(50);
  for (const int column :
       {ImportPlanModel::kDate, ImportPlanModel::kType, ImportPlanModel::kDescription}) {
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
  header->resizeSection(ImportPlanModel::kPicture, ImportPlanModel::kThumbnailSize + 24);
  header->setStretchLastSection(true);
  layout->addWidget(table_, 1);

  if (!plan.skipped.empty()) {
    layout->addWidget(new QLabel(tr("Skipped (%1):").arg(plan.skipped.size()), this));
    auto* skipped = new QPlainTextEdit(SkippedText(plan), this);
    skipped->setAccessibleName(tr("Skipped (%1):").arg(plan.skipped.size()));
    skipped->setReadOnly(true);
    skipped->setMaximumHeight(fontMetrics().height() * 5 + 12);
    layout->addWidget(skipped);
  }
  room_->setWordWrap(true);
  layout->addWidget(room_);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  ok_ = box->button(QDialogButtonBox::Ok);
  ok_->setText(tr("&Import"));
  ok_->setDefault(true);
  QPushButton* checkAll = box->addButton(tr("Check &All"), QDialogButtonBox::ActionRole);
  QPushButton* uncheckAll = box->addButton(tr("&Uncheck All"), QDialogButtonBox::ActionRole);
  connect(checkAll, &QPushButton::clicked, this, [this] { model_->CheckAll(true); });
  connect(uncheckAll, &QPushButton::clicked, this, [this] { model_->CheckAll(false); });
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(box);
  connect(model_, &ImportPlanModel::CheckedChanged, this, &CDlgImportPreview::ShowRoom);
  ShowRoom();

  const QScreen* shownOn = screen();
  const QSize available = shownOn ? shownOn->availableGeometry().size() : QSize(1024, 768);
  resize(std::min(900, available.width() * 9 / 10), std::min(640, available.height() * 9 / 10));
}

QString CDlgImportPreview::RoomText() const { return room_->text(); }

void CDlgImportPreview::ShowRoom() {
  const uint32_t checked = plan_.CheckedCount();
  QString text =
      tr("%1 checked; the calendar has room for %2 more entries.").arg(checked).arg(plan_.room);
  if (checked > plan_.room)
    text += ' ' + tr("Uncheck %1 to import the rest.").arg(checked - plan_.room);
  room_->setText(text);
  ok_->setEnabled(checked > 0 && checked <= plan_.room);
}

}  // namespace tessolar
