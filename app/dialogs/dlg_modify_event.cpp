#include "app/dialogs/dlg_modify_event.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QPushButton>

#include "app/flows/program_names.h"
#include "app/translations.h"
#include "caldata/captions.h"
#include "caldata/data_paths.h"
#include "caldata/picture_files.h"
#include "compute/date_arithmetic.h"
#include "ui_dlg_modify_event.h"

namespace tessolar {
namespace {

constexpr int kWeekdays = 7;
constexpr int kMonths = 12;
constexpr int kUserTypes = 10;  // every type but the empty entry
constexpr int kPreviewWidth = 128;
constexpr int kPreviewHeight = 96;

QString Text(const std::string& text) { return QString::fromStdString(text); }
std::string Text(const QString& text) { return text.toStdString(); }

int Clamped(int value, int rows) { return value >= 0 && value < rows ? value : 0; }

}  // namespace

CDlgModifyEvent::CDlgModifyEvent(const CCalDatabase& calendar, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CDlgModifyEvent>()), calendar_(calendar) {
  ui_->setupUi(this);
  ui_->picturePreview->setFixedSize(kPreviewWidth, kPreviewHeight);
  ui_->yearEdit->setMaximumWidth(ui_->yearEdit->fontMetrics().horizontalAdvance("-99999") * 2);
  ui_->dayEdit->setMaximumWidth(ui_->dayEdit->fontMetrics().horizontalAdvance("999") * 2);
  QPalette warning = ui_->problemLabel->palette();
  warning.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x00));
  ui_->problemLabel->setPalette(warning);
  ui_->problemLabel->hide();

  connect(ui_->okButton, &QPushButton::clicked, this, &CDlgModifyEvent::accept);
  connect(ui_->deleteButton, &QPushButton::clicked, this, [this] {
    deleteChosen_ = true;
    reject();
  });
  connect(ui_->browseButton, &QPushButton::clicked, this, &CDlgModifyEvent::Browse);
  connect(ui_->fixedRadio, &QRadioButton::toggled, this, [this](bool fixed) {
    ShowDateKind(fixed);
    RecheckShownProblem();
  });
  connect(ui_->monthList, &QComboBox::currentIndexChanged, this,
          &CDlgModifyEvent::RecheckShownProblem);
  connect(ui_->dayEdit, &QLineEdit::textChanged, this, &CDlgModifyEvent::RecheckShownProblem);
  connect(ui_->yearEdit, &QLineEdit::textChanged, this, [this] {
    UpdateCaption();
    RecheckShownProblem();
  });
  connect(ui_->typeList, &QComboBox::currentIndexChanged, this, &CDlgModifyEvent::UpdateCaption);
  connect(ui_->descriptionEdit, &QLineEdit::textChanged, this, &CDlgModifyEvent::UpdateCaption);
  connect(ui_->showAgeCheck, &QCheckBox::toggled, this, &CDlgModifyEvent::UpdateCaption);
  connect(ui_->pictureEdit, &QLineEdit::textChanged, this, &CDlgModifyEvent::UpdatePreview);
}

CDlgModifyEvent::~CDlgModifyEvent() = default;

void CDlgModifyEvent::SetEntry(const CalEntry& entry, bool isNew) {
  entry_ = entry;
  deleteChosen_ = false;
  FillLists();

  ui_->monthList->setCurrentIndex(Clamped(entry.month, kMonths));
  ui_->typeList->setCurrentIndex(Clamped(static_cast<int>(entry.type), kUserTypes));
  ui_->dayEdit->setText(QString::number(entry.day));
  ui_->yearEdit->setText(QString::number(entry.year));
  ui_->descriptionEdit->setText(Text(entry.description));
  ui_->pictureEdit->setText(entry.pictureFile == kNoPicture ? QString() : Text(entry.pictureFile));
  ui_->showAgeCheck->setChecked(entry.showAge != 0);
  ui_->hideCheck->setChecked(entry.hidden != 0);
  const bool floating = entry.IsFloating();
  ui_->weekOfMonthList->setCurrentIndex(floating ? entry.weekCode - kWeekFirst : 0);
  ui_->weekdayList->setCurrentIndex(floating ? Clamped(entry.weekday, kWeekdays) : 0);
  (floating ? ui_->variableRadio : ui_->fixedRadio)->setChecked(true);
  ShowDateKind(!floating);
  ui_->problemLabel->hide();
  UpdateCaption();
  UpdatePreview();

  ui_->deleteButton->setEnabled(!isNew);
  if (isNew) {
    ui_->descriptionEdit->setFocus();
  } else {
    ui_->monthList->setFocus();
  }
}

void CDlgModifyEvent::FillLists() {
  ui_->monthList->clear();
  for (int month = 0; month < kMonths; ++month)
    ui_->monthList->addItem(Translated(MonthPhrase(month)));
  ui_->typeList->clear();
  for (int type = 0; type < kUserTypes; ++type)
    ui_->typeList->addItem(Translated(EntryTypePhrase(static_cast<uint32_t>(type))));
  ui_->weekOfMonthList->clear();
  for (int weekCode = kWeekFirst; weekCode <= kWeekLast; ++weekCode)
    ui_->weekOfMonthList->addItem(Translated(WeekRulePhrase(weekCode)));
  ui_->weekdayList->clear();
  for (int weekday = 0; weekday < kWeekdays; ++weekday)
    ui_->weekdayList->addItem(Translated(WeekdayPhrase(weekday)));
}

CalEntry CDlgModifyEvent::Entry() const {
  CalEntry e = entry_;
  e.month = static_cast<uint8_t>(Clamped(ui_->monthList->currentIndex(), kMonths));
  e.type = static_cast<uint32_t>(Clamped(ui_->typeList->currentIndex(), kUserTypes));
  e.description = StoredDescription(Text(ui_->descriptionEdit->text()));
  const std::optional<int> year = WholeNumber(Text(ui_->yearEdit->text()));
  if (year && IsEntryYear(*year)) e.year = e.enteredYear = static_cast<int16_t>(*year);
  if (Fixed()) {
    e.weekCode = 0;
    const std::optional<int> day = WholeNumber(Text(ui_->dayEdit->text()));
    if (day && *day >= 1 && *day <= DaysInMonth(e.month, calendar_.Span().YearOf(e.month))) {
      e.day = static_cast<uint8_t>(*day);
    }
  } else {
    e.weekCode = static_cast<uint8_t>(kWeekFirst + ui_->weekOfMonthList->currentIndex());
    e.weekday = static_cast<uint8_t>(ui_->weekdayList->currentIndex());
    // Shown on its day of the calendar at once, as the year build would date it.
    const int day = RuleDayIn(e, calendar_.Span().YearOf(e.month));
    if (day > 0) e.day = static_cast<uint8_t>(day);
  }
  const QString picture = ui_->pictureEdit->text();
  e.pictureFile = picture.isEmpty() ? kNoPicture : Text(picture);
  e.showAge = ui_->showAgeCheck->isChecked() ? 1 : 0;
  e.hidden = ui_->hideCheck->isChecked() ? 1 : 0;
  return e;
}

void CDlgModifyEvent::accept() {
  const EntryProblem problem = CurrentProblem();
  if (problem.field == EntryField::kNone) {
    QDialog::accept();
    return;
  }
  ShowProblem(problem);
  QLineEdit* field = problem.field == EntryField::kDay ? ui_->dayEdit : ui_->yearEdit;
  field->setFocus();
  field->selectAll();
}

bool CDlgModifyEvent::Fixed() const { return ui_->fixedRadio->isChecked(); }

EntryProblem CDlgModifyEvent::CurrentProblem() const {
  const int month = ui_->monthList->currentIndex();
  return CheckEventEntry(month, Fixed(), Text(ui_->dayEdit->text()), Text(ui_->yearEdit->text()),
                         calendar_.Span().YearOf(Clamped(month, kMonths)));
}

void CDlgModifyEvent::ShowProblem(const EntryProblem& problem) {
  ui_->problemLabel->setText(Translated(problem.message));
  ui_->problemLabel->setVisible(problem.field != EntryField::kNone);
}

// A problem shown after a refused OK follows the user's corrections until it is fixed.
void CDlgModifyEvent::RecheckShownProblem() {
  if (!ui_->problemLabel->isHidden()) ShowProblem(CurrentProblem());
}

void CDlgModifyEvent::ShowDateKind(bool fixed) {
  ui_->dayEdit->setEnabled(fixed);
  ui_->dayLabel->setEnabled(fixed);
  ui_->weekOfMonthList->setEnabled(!fixed);
  ui_->weekOfMonthLabel->setEnabled(!fixed);
  ui_->weekdayList->setEnabled(!fixed);
  ui_->weekdayLabel->setEnabled(!fixed);
}

void CDlgModifyEvent::UpdateCaption() {
  const int year = WholeNumber(Text(ui_->yearEdit->text())).value_or(entry_.year);
  const std::string caption = EntryCaption(
      calendar_, static_cast<uint32_t>(Clamped(ui_->typeList->currentIndex(), kUserTypes)), year,
      StoredDescription(Text(ui_->descriptionEdit->text())), ui_->showAgeCheck->isChecked() ? 1 : 0,
      Clamped(ui_->monthList->currentIndex(), kMonths));
  ui_->captionEdit->setText(Text(caption));
  ui_->captionEdit->setCursorPosition(0);
}

// A picture that is missing or cannot be read leaves the frame empty.
void CDlgModifyEvent::UpdatePreview() {
  const QString picture = ui_->pictureEdit->text();
  QImage image;
  if (!picture.isEmpty()) {
    QImageReader reader(Text(calendar_.PicturePathToShow(Text(picture))));
    reader.setAutoTransform(true);
    QSize size = reader.size();
    const QSize box(kPreviewWidth - 4, kPreviewHeight - 4);
    if (size.isValid() && (size.width() > box.width() || size.height() > box.height())) {
      reader.setScaledSize(size.scaled(box, Qt::KeepAspectRatio));
    }
    image = reader.read();
  }
  ui_->picturePreview->setPixmap(QPixmap::fromImage(image));
  ui_->picturePreview->setToolTip(image.isNull() ? QString() : picture);
}

void CDlgModifyEvent::Browse() {
  const QString current = ui_->pictureEdit->text();
  QString start = Text(calendar_.ClipartDirectory().empty() ? ShippedClipartDirectory()
                                                            : calendar_.ClipartDirectory());
  if (!current.isEmpty()) {
    start = QFileInfo(Text(calendar_.PicturePathToShow(Text(current)))).path();
  }
  const QString file =
      QFileDialog::getOpenFileName(
      this, tr("Choose a picture"), start,
      tr("Pictures (%1);;All Files (*)").arg(QString::fromStdString(PictureSuffixPattern())));
  if (!file.isEmpty()) ui_->pictureEdit->setText(file);
}

}  // namespace tessolar
