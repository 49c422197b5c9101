#include "app/qt_user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStandardPaths>

#include "app/dlg_big_pics.h"
#include "app/dlg_gen_config.h"
#include "app/dlg_title.h"
#include "app/dlg_yes_no.h"

namespace tessolar {
namespace {

// Both letter cases, since some desktops' file choosers match patterns exactly.
const QString kCalendarFilter = QStringLiteral("Calendar Files (*.cal *.CAL);;All Files (*)");

}  // namespace

QtUserPrompts::QtUserPrompts(QWidget* parent)
    : parent_(parent), folder_(QStandardPaths::writableLocation(QStandardPaths::HomeLocation)) {}

bool QtUserPrompts::AskYesNo(const std::string& question) {
  CDlgYesNo dialog(QString::fromStdString(question), parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtUserPrompts::ShowMessage(const std::string& text) {
  QMessageBox::information(parent_, QStringLiteral("Tessolar"), QString::fromStdString(text));
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

std::string QtUserPrompts::ChooseCalendarToOpen() {
  return Chosen(QFileDialog::getOpenFileName(parent_, QStringLiteral("Open Calendar"), folder_,
                                             kCalendarFilter));
}

std::string QtUserPrompts::ChooseCalendarToSave(const std::string& suggested) {
  QFileDialog dialog(parent_, QStringLiteral("Save Calendar"), folder_, kCalendarFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // Added only to a name without a suffix, so "x.cal" stays "x.cal".
  dialog.setDefaultSuffix(QStringLiteral("cal"));
  // The flow asks its own question before it overwrites a file.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QString start = QFile::decodeName(suggested.c_str());
  if (!start.isEmpty() && !start.contains('*')) {
    const QFileInfo info(start);
    if (start.contains('/')) dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return Chosen(dialog.selectedFiles().constFirst());
}

std::string QtUserPrompts::Chosen(const QString& path) {
  if (path.isEmpty()) return {};
  folder_ = QFileInfo(path).absolutePath();
  return QFile::encodeName(path).toStdString();
}

}  // namespace tessolar
