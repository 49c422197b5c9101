#pragma once
// A question with the buttons Yes (the default) and No. The question is the
// window title and also the text inside, since some desktops hide titles.

#include <QDialog>
#include <memory>

namespace Ui {
class DlgYesNo;
}

namespace tessolar {

class CDlgYesNo : public QDialog {
  Q_OBJECT

 public:
  // exec() gives Accepted for Yes, Rejected for No, Escape and the close box.
  explicit CDlgYesNo(const QString& question, QWidget* parent = nullptr);
  ~CDlgYesNo() override;

 private:
  std::unique_ptr<Ui::DlgYesNo> ui_;
};

}  // namespace tessolar
