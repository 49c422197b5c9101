#pragma once
// How a calendar prints: as a booklet of landscape sheets or as a wall
// calendar of portrait sheets, and how the wall calendar's pictures fill
// their frames. The choices are the user's and outlive the calendar.

#include <QWidget>
#include <string>

#include "pages/wall_calendar.h"
#include "print/paper.h"

class QRadioButton;

namespace tessolar {

struct PrintChoices {
  PrintLayout layout = PrintLayout::kBooklet;
  WallPictureFit fit = WallPictureFit::kCrop;
};

// The choices as the settings keep them ("booklet crop", "wall whole", ...),
// and back; unknown words keep the defaults.
std::string PrintChoicesText(const PrintChoices& choices);
PrintChoices PrintChoicesFromText(const std::string& text);

// The print dialog's "Calendar" tab with the two choices.
class CPrintChoicesTab : public QWidget {
  Q_OBJECT

 public:
  explicit CPrintChoicesTab(const PrintChoices& choices, QWidget* parent = nullptr);
  PrintChoices Choices() const;

 private:
  QRadioButton* wall_;
  QRadioButton* whole_;
};

}  // namespace tessolar
