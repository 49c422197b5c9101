#pragma once
// "Title Page Configuration": the title's text, font, colour, size and
// position, the width of its text box, and the picture of the title page.

#include <QDialog>
#include <memory>

#include "app/flows/user_prompts.h"

namespace Ui {
class DlgTitle;
}

namespace tessolar {

class CDlgTitle : public QDialog {
  Q_OBJECT

 public:
  // Shows `fields`; on OK writes the dialog's values back into them. Cancel
  // leaves them as they were.
  explicit CDlgTitle(TitleFields& fields, QWidget* parent = nullptr);
  ~CDlgTitle() override;

  void accept() override;

 private:
  void ChooseFont();
  void ChooseColor();
  void ShowColorSwatch();

  TitleFields& fields_;
  QString fontFace_;
  std::unique_ptr<Ui::DlgTitle> ui_;
};

}  // namespace tessolar
