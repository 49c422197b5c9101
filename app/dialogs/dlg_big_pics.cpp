#include "app/dialogs/dlg_big_pics.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "caldata/picture_files.h"
#include "ui_dlg_big_pics.h"

namespace tessolar {

CDlgBigPics::CDlgBigPics(BigPictureFields& fields, QWidget* parent)
    : QDialog(parent), fields_(fields), ui_(new Ui::DlgBigPics) {
  ui_->setupUi(this);
  setMinimumWidth(fontMetrics().averageCharWidth() * 64);
  ui_->editDescription->setText(QString::fromStdString(fields.description));
  ui_->editFileName->setText(QFile::decodeName(fields.fileName.c_str()));
  ui_->editDescription->selectAll();
  connect(ui_->buttonBrowse, &QPushButton::clicked, this, &CDlgBigPics::ChoosePicture);
}

CDlgBigPics::~CDlgBigPics() = default;

void CDlgBigPics::accept() {
  fields_.description = ui_->editDescription->text().toStdString();
  fields_.fileName = QFile::encodeName(ui_->editFileName->text()).toStdString();
  QDialog::accept();
}

// Starts beside the current picture; a bare name lives in the clip-art folder.
// A picture picked from the clip-art folder keeps a bare name, so the calendar
// still finds it when the folder moves.
void CDlgBigPics::ChoosePicture() {
  const QString current = ui_->editFileName->text();
  const QString clipart = QFile::decodeName(fields_.clipartDirectory.c_str());
  QString folder = current.contains('/') ? QFileInfo(current).absolutePath() : clipart;
  if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  const QString file = QFileDialog::getOpenFileName(
      this, tr("Pick a Picture"), folder,
      tr("Pictures (%1);;All Files (*)").arg(QString::fromStdString(PictureSuffixPattern())));
  if (file.isEmpty()) return;
  const QFileInfo picked(file);
  const bool inClipart =
      !clipart.isEmpty() && QFileInfo(clipart).canonicalFilePath() == picked.canonicalPath();
  ui_->editFileName->setText(inClipart ? picked.fileName() : file);
}

}  // namespace tessolar
