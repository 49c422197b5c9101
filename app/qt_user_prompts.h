#pragma once
// The program's answers to the flows' questions: its dialogs, message boxes
// and the calendar file choosers, all modal over one parent window.

#include <QCoreApplication>
#include <QString>

#include "app/flows/user_prompts.h"

class QWidget;

namespace tessolar {

class QtUserPrompts : public UserPrompts {
  Q_DECLARE_TR_FUNCTIONS(QtUserPrompts)

 public:
  explicit QtUserPrompts(QWidget* parent);

  bool AskYesNo(const UserText& question) override;
  void ShowMessage(const UserText& text) override;
  bool RunConfiguration(ConfigChoices& choices) override;
  bool RunTitle(TitleFields& fields) override;
  bool RunBigPicture(BigPictureFields& fields) override;
  EventAnswer RunEvent(CalEntry& entry, const CCalDatabase& calendar, bool isNew) override;
  int RunPick(const std::vector<UserText>& labels) override;
  std::string ChooseCalendarToOpen() override;
  std::string ChooseCalendarToSave(const std::string& suggested) override;
  std::string ChooseImportSource(const std::string& calendar) override;
  bool RunImportPreview(ImportPlan& plan) override;
  std::string ChooseExportTarget(const std::string& suggested) override;

 private:
  std::string Chosen(const QString& path);

  QWidget* parent_;
  QString folder_;  // where the last calendar was opened or saved
  QString importFolder_;  // where the last import came from
  QString importName_;    // the file name of the import in hand
};

}  // namespace tessolar
