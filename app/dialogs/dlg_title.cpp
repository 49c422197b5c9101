#include "app/dialogs/dlg_title.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "app/translations.h"
#include "ui_dlg_title.h"

namespace tessolar {
namespace {

// Pixels of the title's place and box; text that is no number gives 0.
uint32_t PixelsFrom(const QString& text) {
  bool ok = false;
  const uint32_t value = text.trimmed().toUInt(&ok);
  return ok ? value : 0;
}

}  // namespace

CDlgTitle::CDlgTitle(TitleFields& fields, QWidget* parent)
    : QDialog(parent),
      fields_(fields),
      fontFace_(QString::fromStdString(fields.fontFace)),
      ui_(new Ui::DlgTitle) {
  ui_->setupUi(this);
  setMinimumWidth(fontMetrics().averageCharWidth() * 64);
  // Longer labels (Italian, Dutch) widen the dialog rather than narrow the title.
  ui_->editTitle->setMinimumWidth(fontMetrics().averageCharWidth() * 40);

  auto* digits = new QRegularExpressionValidator(QRegularExpression("[0-9]{0,5}"), this);
  for (QLineEdit* edit : {ui_->editSize, ui_->editX, ui_->editY, ui_->editWidth})
    edit->setValidator(digits);
  ui_->editTitle->setText(QString::fromStdString(fields.title));
  ui_->buttonFont->setText(fontFace_);
  ui_->editColor->setText(QString::fromStdString(fields.fontColor));
  ui_->editSize->setText(QString::number(fields.fontSize));
  for (const UserText& name : fields.pictureNames) ui_->comboPicture->addItem(Translated(name));
  ui_->comboPicture->setCurrentIndex(fields.pictureIndex <
                                             static_cast<uint32_t>(ui_->comboPicture->count())
                                         ? static_cast<int>(fields.pictureIndex)
                                         : 0);
  ui_->editX->setText(QString::number(fields.x));
  ui_->editY->setText(QString::number(fields.y));
  ui_->editWidth->setText(QString::number(fields.width));
  ShowColorSwatch();
  ui_->editTitle->selectAll();

  connect(ui_->buttonFont, &QPushButton::clicked, this, &CDlgTitle::ChooseFont);
  connect(ui_->buttonColor, &QToolButton::clicked, this, &CDlgTitle::ChooseColor);
  connect(ui_->editColor, &QLineEdit::textChanged, this, &CDlgTitle::ShowColorSwatch);
}

CDlgTitle::~CDlgTitle() = default;

void CDlgTitle::accept() {
  fields_.title = ui_->editTitle->text().toStdString();
  fields_.fontFace = fontFace_.toStdString();
  fields_.fontColor = ui_->editColor->text().trimmed().toStdString();
  bool ok = false;
  const int size = ui_->editSize->text().trimmed().toInt(&ok);
  if (ok) fields_.fontSize = size;
  if (ui_->comboPicture->currentIndex() >= 0)
    fields_.pictureIndex = static_cast<uint32_t>(ui_->comboPicture->currentIndex());
  fields_.x = PixelsFrom(ui_->editX->text());
  fields_.y = PixelsFrom(ui_->editY->text());
  fields_.width = PixelsFrom(ui_->editWidth->text());
  QDialog::accept();
}

void CDlgTitle::ChooseFont() {
  QFont start(fontFace_);
  bool ok = false;
  const int size = ui_->editSize->text().toInt(&ok);
  if (ok && size > 0) start.setPointSize(size);
  const QFont font = QFontDialog::getFont(&ok, start, this, tr("Font for Cover Page"));
  if (!ok) return;
  if (!font.family().isEmpty()) {
    fontFace_ = font.family();
    ui_->buttonFont->setText(fontFace_);
  }
  if (font.pointSize() > 0) ui_->editSize->setText(QString::number(font.pointSize()));
}

void CDlgTitle::ChooseColor() {
  const QColor start = QColor::fromString(ui_->editColor->text().trimmed());
  const QColor color = QColorDialog::getColor(start.isValid() ? start : QColor(Qt::black), this,
                                              tr("Title Font Color"));
  if (color.isValid()) ui_->editColor->setText(color.name(QColor::HexRgb));
}

// The colour button shows the colour that the text names, or an empty frame.
void CDlgTitle::ShowColorSwatch() {
  const int side = ui_->buttonColor->fontMetrics().height();
  QPixmap swatch(side, side);
  swatch.fill(Qt::transparent);
  QPainter painter(&swatch);
  const QColor color = QColor::fromString(ui_->editColor->text().trimmed());
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setBrush(color.isValid() ? QBrush(color) : QBrush(Qt::NoBrush));
  painter.drawRect(0, 0, side - 1, side - 1);
  painter.end();
  ui_->buttonColor->setIconSize(swatch.size());
  ui_->buttonColor->setIcon(QIcon(swatch));
}

}  // namespace tessolar
