#include "app/dialogs/dlg_yes_no.h"

#include <QPushButton>
#include <QStyle>

#include "ui_dlg_yes_no.h"

namespace tessolar {

CDlgYesNo::CDlgYesNo(const QString& question, QWidget* parent)
    : QDialog(parent), ui_(new Ui::DlgYesNo) {
  ui_->setupUi(this);
  setWindowTitle(question);
  // Long questions (a recovery, a calendar open elsewhere) get room to read.
  setMinimumWidth(fontMetrics().averageCharWidth() * (question.size() > 80 ? 64 : 40));
  const int iconSide = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  ui_->labelIcon->setPixmap(style()
                                ->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this)
                                .pixmap(iconSide, iconSide));
  ui_->labelQuestion->setText(question);
  QPushButton* yes = ui_->buttonBox->button(QDialogButtonBox::Yes);
  yes->setDefault(true);
  yes->setFocus();
}

CDlgYesNo::~CDlgYesNo() = default;

}  // namespace tessolar
