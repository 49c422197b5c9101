#pragma once
// The desktop flows over scripted answers: a prompts double that records every
// question and message, a display that counts navigations, and settings in memory.

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/flows/calendar_document.h"
#include "app/flows/file_commands.h"
#include "app/flows/page_display.h"
#include "app/flows/recent_files.h"
#include "app/flows/settings_store.h"
#include "app/flows/user_prompts.h"
#include "app/flows/view_controller.h"

namespace tessolar::support {

class ScriptedPrompts : public UserPrompts {
 public:
  // Questions, messages and labels are kept in English.
  bool AskYesNo(const UserText& question) override;
  void ShowMessage(const UserText& text) override { messages.push_back(English(text)); }
  bool RunConfiguration(ConfigChoices& choices) override;
  bool RunTitle(TitleFields& fields) override;
  bool RunBigPicture(BigPictureFields& fields) override;
  EventAnswer RunEvent(CalEntry& entry, const CCalDatabase& calendar, bool isNew) override;
  int RunPick(const std::vector<UserText>& labels) override;
  std::string ChooseCalendarToOpen() override { return Next(paths, "open"); }
  std::string ChooseCalendarToSave(const std::string& suggested) override;
  std::string ChooseImportSource(const std::string&) override { return Next(paths, "import"); }
  bool RunImportPreview(ImportPlan& plan) override;
  std::string ChooseExportTarget(const std::string& suggested) override;

  // Each dialog edits its fields with the next function and answers its bool.
  std::deque<std::pair<std::function<void(ConfigChoices&)>, bool>> configs;
  std::deque<std::pair<std::function<void(TitleFields&)>, bool>> titles;
  std::deque<std::pair<BigPictureFields, bool>> bigPictures;
  std::deque<std::pair<std::function<void(CalEntry&)>, EventAnswer>> events;
  std::deque<int> picks;
  std::deque<std::pair<std::function<void(ImportPlan&)>, bool>> previews;
  std::deque<bool> answers;       // yes/no
  std::deque<std::string> paths;  // file dialogs; "" cancels

  std::vector<std::string> questions, messages, dialogs;
  ConfigChoices lastConfig;
  TitleFields lastTitle;
  BigPictureFields lastBigPicture;
  CalEntry lastEvent;
  std::vector<std::string> lastPickLabels;
  ImportPlan lastPreview;

 private:
  std::string Next(std::deque<std::string>& queue, const char* dialog);
};

class CountingDisplay : public PageDisplay {
 public:
  void NavigateToPage() override { ++navigations; }
  void ReplacePage(const std::string& page) override {
    ++replacements;
    replaced = page;
  }
  void SelectDay(const std::string& date) override { selected = date; }
  uint32_t ClientWidth() const override { return 1000; }
  uint32_t ClientHeight() const override { return 700; }
  std::string selected;  // the day last asked to be selected
  int navigations = 0;
  int replacements = 0;
  std::string replaced;  // the page last put in place
};

class MemorySettings : public SettingsStore {
 public:
  std::string Value(const std::string& group, const std::string& name) const override;
  void SetValue(const std::string& group, const std::string& name,
                const std::string& value) override {
    values[group + "/" + name] = value;
  }
  std::map<std::string, std::string> values;
};

// A whole desktop session without a window, with its page folder in a fresh
// temporary folder.
struct Session {
  Session();
  ~Session();
  // The page file as the engine reports it, with `query` after "?" when given.
  std::string PageUrlWith(const std::string& query = "") const;
  // A click on a page element: the token's navigation, its action, and the
  // page load that follows when the action lets it go ahead.
  bool Click(const std::string& token);
  std::string PageText() const;

  std::filesystem::path folder;
  ScriptedPrompts prompts;
  CountingDisplay display;
  MemorySettings settings;
  RecentFiles recent{settings};
  CalendarDocument doc;
  FileCommands files{doc, prompts, recent};
  // The flows' clock says 2040.
  ViewController view{doc, prompts, recent, files, display, [] { return 2040; }};
};

}  // namespace tessolar::support
