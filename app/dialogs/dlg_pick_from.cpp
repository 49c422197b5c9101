#include "app/dialogs/dlg_pick_from.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tessolar {

CDlgPickFrom::CDlgPickFrom(QWidget* parent, const std::vector<std::string>& labels)
    : QDialog(parent), buttons_(new QButtonGroup(this)), last_(static_cast<int>(labels.size())) {
  const QString question = tr("Which are you trying to change?");
  setWindowTitle(question);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // as wide as the longest label
  layout->addWidget(new QLabel(question, this));

  // A caption longer than most of the screen is cut short; its button's tool tip holds it all.
  const QScreen* shownOn = screen();
  const int widest = (shownOn ? shownOn->availableGeometry().width() : 1024) * 2 / 3;
  for (size_t i = 0; i < labels.size(); ++i) {
    const QString label = QString::fromStdString(labels[i]);
    const QString shown = fontMetrics().elidedText(label, Qt::ElideRight, widest);
    // "&" in a caption ("Ann & Bob") is text, not a keyboard shortcut.
    auto* button = new QRadioButton(QString(shown).replace('&', "&&"), this);
    if (shown != label) button->setToolTip(label);
    buttons_->addButton(button, static_cast<int>(i) + 1);
    layout->addWidget(button);
  }
  if (QAbstractButton* first = buttons_->button(1)) {
    first->setChecked(true);
    first->setFocus();
  }

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  box->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(box);
}

int CDlgPickFrom::Choice() const {
  const int id = buttons_->checkedId();
  return id == last_ ? 0 : id;
}

}  // namespace tessolar
