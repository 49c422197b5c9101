#pragma once
// "About Tessolar": the program's icon, version and one line on what it does.

#include <QDialog>
#include <memory>

namespace Ui {
class DlgAbout;
}

namespace tessolar {

// "Tessolar Version 4.0.34" from the build text "4034": its first four
// characters as major, minor and two-digit patch number.
QString VersionLine();

class CDlgAbout : public QDialog {
  Q_OBJECT

 public:
  explicit CDlgAbout(QWidget* parent = nullptr);
  ~CDlgAbout() override;

 private:
  std::unique_ptr<Ui::DlgAbout> ui_;
};

}  // namespace tessolar
