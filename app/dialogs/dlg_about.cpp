#include "app/dialogs/dlg_about.h"

#include <QStyle>
#include <string>

#include "app/toolbar_icons.h"
#include "tessolar_version.h"
#include "ui_dlg_about.h"

namespace tessolar {

static_assert(std::char_traits<char>::length(kBuildText) >= 4,
              "the version line takes four characters of the build text");

QString VersionLine() {
  return CDlgAbout::tr("Tessolar Version %1")
      .arg(QString::asprintf("%c.%c.%c%c", kBuildText[0], kBuildText[1], kBuildText[2],
                             kBuildText[3]));
}

CDlgAbout::CDlgAbout(QWidget* parent) : QDialog(parent), ui_(new Ui::DlgAbout) {
  ui_->setupUi(this);
  setMinimumWidth(fontMetrics().averageCharWidth() * 50);
  const int side = 2 * style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
  ui_->labelIcon->setPixmap(ApplicationIcon().pixmap(side, side));
  ui_->labelVersion->setText(VersionLine());
  QFont bold = ui_->labelVersion->font();
  bold.setBold(true);
  ui_->labelVersion->setFont(bold);
}

CDlgAbout::~CDlgAbout() = default;

}  // namespace tessolar
