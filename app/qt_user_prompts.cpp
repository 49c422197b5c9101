#include "app/qt_user_prompts.h"

#include <memory>

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/dialogs/dlg_big_pics.h"
#include "app/dialogs/dlg_modify_event.h"
#include "app/dialogs/dlg_pick_from.h"
#include "app/dialogs/dlg_gen_config.h"
#include "app/dialogs/dlg_import_preview.h"
#include "app/dialogs/dlg_title.h"
#include "app/dialogs/dlg_yes_no.h"
#include "app/translations.h"

namespace tessolar {
namespace {

// Both letter cases, since some desktops' file choosers match patterns exactly.
QString CalendarFilter() {
  return QtUserPrompts::tr("Calendar Files (*.cal *.CAL);;All Files (*)");
}

// Points a save dialog at `suggested`: a path opens its folder, a bare name
// is offered in the dialog's own folder.
void StartAt(QFileDialog& dialog, const std::string& suggested) {
  const QString start = QFile::decodeName(suggested.c_str());
  if (start.isEmpty() || start.contains('*')) return;
  const QFileInfo info(start);
  if (start.contains('/')) dialog.setDirectory(info.absolutePath());
  dialog.selectFile(info.fileName());
}

}  // namespace

QtUserPrompts::QtUserPrompts(QWidget* parent)
    : parent_(parent), folder_(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)) {}

bool QtUserPrompts::AskYesNo(const UserText& question) {
  CDlgYesNo dialog(Translated(question), parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtUserPrompts::ShowMessage(const UserText& text) {
  QMessageBox::information(parent_, QStringLiteral("Tessolar"), Translated(text));
}

bool QtUserPrompts::RunConfiguration(ConfigChoices& choices) {
  CDlgGenConfig dialog(choices, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUserPrompts::RunTitle(TitleFields& fields) {
  CDlgTitle dialog(fields, parent_);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUserPrompts::RunBigPicture(BigPictureFields& fields) {
  CDlgBigPics dialog(fields, parent_);
  return dialog.exec() == QDialog::Accepted;
}

EventAnswer QtUserPrompts::RunEvent(CalEntry& entry, const CCalDatabase& calendar, bool isNew) {
  CDlgModifyEvent dialog(calendar, parent_);
  dialog.SetEntry(entry, isNew);
  const bool ok = dialog.exec() == QDialog::Accepted;
  if (dialog.DeleteChosen()) return EventAnswer::kDelete;
  if (!ok) return EventAnswer::kCancel;
  entry = dialog.Entry();
  return EventAnswer::kOk;
}

int QtUserPrompts::RunPick(const std::vector<UserText>& texts) {
  std::vector<std::string> labels;
  for (const UserText& text : texts) labels.push_back(Translated(text).toStdString());
  std::unique_ptr<CDlgPickFrom> dialog;
  switch (labels.size()) {
    case 2:
      dialog = std::make_unique<CDlgPickFrom2>(parent_, labels[0], labels[1]);
      break;
    case 3:
      dialog = std::make_unique<CDlgPickFrom3>(parent_, labels[0], labels[1], labels[2]);
      break;
    case 4:
      dialog = std::make_unique<CDlgPickFrom4>(parent_, labels[0], labels[1], labels[2], labels[3]);
      break;
    default:
      if (labels.size() < 2) return -1;
      dialog = std::make_unique<CDlgPickFromMany>(parent_, labels);
  }
  return dialog->exec() == QDialog::Accepted ? dialog->Choice() : -1;
}

std::string QtUserPrompts::ChooseCalendarToOpen() {
  return Chosen(
      QFileDialog::getOpenFileName(parent_, tr("Open Calendar"), folder_, CalendarFilter()));
}

std::string QtUserPrompts::ChooseCalendarToSave(const std::string& suggested) {
  QFileDialog dialog(parent_, tr("Save Calendar"), folder_, CalendarFilter());
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Added only to a name without a suffix, so "x.cal" stays "x.cal".
  dialog.setDefaultSuffix(QStringLiteral("cal"));
  // The flow asks its own question before it overwrites a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  StartAt(dialog, suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Chosen(dialog.selectedFiles().constFirst());
}

std::string QtUserPrompts::ChooseImportSource(const std::string& calendar) {
  // The last import's folder, else the calendar's own, else the last one used.
  QString start = importFolder_;
  if (start.isEmpty() && !calendar.empty())
    start = QFileInfo(QFile::decodeName(calendar.c_str())).absolutePath();
  if (start.isEmpty()) start = folder_;
  const QString path = QFileDialog::getOpenFileName(
      parent_, tr("Import"), start,
      tr("Address Books and Calendars (*.vcf *.VCF *.vcard *.ics *.ICS);;"
         "vCard Files (*.vcf *.VCF *.vcard);;iCalendar Files (*.ics *.ICS);;All Files (*)"));
  if (path.isEmpty()) return {};
  importFolder_ = QFileInfo(path).absolutePath();
  importName_ = QFileInfo(path).fileName();
  return QFile::encodeName(path).toStdString();
}

bool QtUserPrompts::RunImportPreview(ImportPlan& plan) {
  CDlgImportPreview dialog(plan, importName_, parent_);
  return dialog.exec() == QDialog::Accepted;
}

std::string QtUserPrompts::ChooseExportTarget(const std::string& suggested) {
  QFileDialog dialog(parent_, tr("Export as iCalendar"), folder_, tr("iCalendar Files (*.ics)"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("ics"));
  StartAt(dialog, suggested);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

std::string QtUserPrompts::Chosen(const QString& path) {
  if (path.isEmpty()) return {};
  folder_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

}  // namespace tessolar
