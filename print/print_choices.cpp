#include "print/print_choices.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <sstream>

namespace tessolar {
namespace {

// Two exclusive buttons in a titled box; returns the second.
QRadioButton* AddPair(QVBoxLayout* layout, const QString& title, const QString& first,
                      const QString& second, bool secondChecked) {
  auto* box = new QGroupBox(title);
  auto* boxLayout = new QVBoxLayout(box);
  auto* firstButton = new QRadioButton(first);
  auto* secondButton = new QRadioButton(second);
  auto* group = new QButtonGroup(box);
  group->addButton(firstButton);
  group->addButton(secondButton);
  boxLayout->addWidget(firstButton);
  boxLayout->addWidget(secondButton);
  (secondChecked ? secondButton : firstButton)->setChecked(true);
  layout->addWidget(box);
  return secondButton;
}

}  // namespace

std::string PrintChoicesText(const PrintChoices& choices) {
  return std::string(choices.layout == PrintLayout::kWall ? "wall" : "booklet") + " " +
         (choices.fit == WallPictureFit::kWhole ? "whole" : "crop");
}

PrintChoices PrintChoicesFromText(const std::string& text) {
  PrintChoices choices;
  std::istringstream words(text);
  for (std::string word; words >> word;) {
    if (word == "wall") choices.layout = PrintLayout::kWall;
    if (word == "whole") choices.fit = WallPictureFit::kWhole;
  }
  return choices;
}

CPrintChoicesTab::CPrintChoicesTab(const PrintChoices& choices, QWidget* parent) : QWidget(parent) {
  setWindowTitle(tr("Calendar"));
  auto* layout = new QVBoxLayout(this);
  wall_ = AddPair(layout, tr("Layout"),
                  tr("Booklet: title, months and pictures on landscape sheets (26 for the year)"),
                  tr("Wall calendar: each month's picture above its grid on a portrait sheet "
                     "(13 for the year)"),
                  choices.layout == PrintLayout::kWall);
  whole_ = AddPair(layout, tr("Pictures of the wall calendar"),
                   tr("Crop each picture to fill its frame"), tr("Show each picture whole"),
                   choices.fit == WallPictureFit::kWhole);
  layout->addStretch();
}

PrintChoices CPrintChoicesTab::Choices() const {
  return {wall_->isChecked() ? PrintLayout::kWall : PrintLayout::kBooklet,
          whole_->isChecked() ? WallPictureFit::kWhole : WallPictureFit::kCrop};
}

}  // namespace tessolar
