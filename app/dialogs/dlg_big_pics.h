#pragma once
// "Modify Big Picture": the description and picture file of one big picture.

#include <QDialog>
#include <memory>

#include "app/flows/user_prompts.h"

namespace Ui {
class DlgBigPics;
}

namespace tessolar {

class CDlgBigPics : public QDialog {
  Q_OBJECT

 public:
  // Shows `fields`, an empty one as "none"; on OK writes the two edits back,
  // an empty edit as "none". Cancel leaves them as they were.
  explicit CDlgBigPics(BigPictureFields& fields, QWidget* parent = nullptr);
  ~CDlgBigPics() override;

  void accept() override;

 private:
  void ChoosePicture();

  BigPictureFields& fields_;
  std::unique_ptr<Ui::DlgBigPics> ui_;
};

}  // namespace tessolar
