#pragma once
// "Enter Calendar Configuration": year and first month, language, country and region, first day of
// the week, body font, clip-art folder and the families of computed days.

#include <QDialog>
#include <memory>
#include <string>

#include "app/flows/user_prompts.h"

namespace Ui {
class DlgGenConfig;
}

namespace tessolar {

class CDlgGenConfig : public QDialog {
  Q_OBJECT

 public:
  // Shows `choices`; writes what the user left in the dialog back into it
  // however the dialog closes (OK, Cancel, Escape or the window's close box).
  explicit CDlgGenConfig(ConfigChoices& choices, QWidget* parent = nullptr);
  ~CDlgGenConfig() override;

  void done(int result) override;

 private:
  void ChooseFont();
  void ChooseClipartFolder();
  void ShowClipartFolder(const QString& folder);
  void ShowFirstWeekday(int weekday);
  // "Whole country", then the country's regions by name; `region` chosen.
  void ShowRegions(int country, const std::string& region);
  void ShowFont();

  ConfigChoices& choices_;
  std::string font_;
  std::unique_ptr<Ui::DlgGenConfig> ui_;
};

}  // namespace tessolar
