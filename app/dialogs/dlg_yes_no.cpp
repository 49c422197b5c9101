#include "app/dialogs/dlg_yes_no.h"

#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "ui_dlg_yes_no.h"

namespace tessolar {

CDlgYesNo::CDlgYesNo(const QString& question, QWidget* parent)
    : QDialog(parent), ui_(new Ui::DlgYesNo) {
  ui_->setupUi(this);
  setWindowTitle(question);
  const int iconSide = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  // A short question stays on one line, in whatever language; a long one (a
  // recovery, a calendar open elsewhere) wraps at a width that reads well.
  const int chars = fontMetrics().averageCharWidth();
  const int oneLine = fontMetrics().horizontalAdvance(question) + iconSide + 8 * chars;
  setMinimumWidth(std::clamp(oneLine, 40 * chars, 64 * chars));
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
