#include "app/scripted_prompts.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "compute/language_table.h"
#include "pages/page_conventions.h"

namespace tessolar::support {

bool ScriptedPrompts::AskYesNo(const UserText& question) {
  questions.push_back(English(question));
  EXPECT_FALSE(answers.empty()) << "unexpected question: " << questions.back();
  if (answers.empty()) return false;
  const bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool ScriptedPrompts::RunConfiguration(ConfigChoices& choices) {
  dialogs.push_back("configuration");
  EXPECT_FALSE(configs.empty()) << "unexpected configuration dialog";
  if (configs.empty()) return false;
  auto [edit, ok] = configs.front();
  configs.pop_front();
  if (edit) edit(choices);
  lastConfig = choices;
  return ok;
}

bool ScriptedPrompts::RunTitle(TitleFields& fields) {
  dialogs.push_back("title");
  lastTitle = fields;
  EXPECT_FALSE(titles.empty()) << "unexpected title dialog";
  if (titles.empty()) return false;
  auto [edit, ok] = titles.front();
  titles.pop_front();
  if (edit) edit(fields);
  return ok;
}

bool ScriptedPrompts::RunBigPicture(BigPictureFields& fields) {
  dialogs.push_back("bigpicture");
  lastBigPicture = fields;
  EXPECT_FALSE(bigPictures.empty()) << "unexpected big-picture dialog";
  if (bigPictures.empty()) return false;
  auto [answer, ok] = bigPictures.front();
  bigPictures.pop_front();
  fields = answer;
  return ok;
}

EventAnswer ScriptedPrompts::RunEvent(CalEntry& entry, const CCalDatabase&, bool isNew) {
  dialogs.push_back(isNew ? "event:new" : "event");
  lastEvent = entry;
  EXPECT_FALSE(events.empty()) << "unexpected event dialog";
  if (events.empty()) return EventAnswer::kCancel;
  auto [edit, answer] = events.front();
  events.pop_front();
  if (edit) edit(entry);
  return answer;
}

int ScriptedPrompts::RunPick(const std::vector<UserText>& labels) {
  dialogs.push_back("pick" + std::to_string(labels.size()));
  lastPickLabels.clear();
  for (const UserText& label : labels) lastPickLabels.push_back(English(label));
  EXPECT_FALSE(picks.empty()) << "unexpected pick dialog";
  if (picks.empty()) return -1;
  const int choice = picks.front();
  picks.pop_front();
  return choice;
}

std::string ScriptedPrompts::ChooseCalendarToSave(const std::string& suggested) {
  dialogs.push_back("save:" + suggested);
  return Next(paths, "save");
}

bool ScriptedPrompts::RunImportPreview(ImportPlan& plan) {
  dialogs.push_back("preview");
  lastPreview = plan;
  EXPECT_FALSE(previews.empty()) << "unexpected import preview";
  if (previews.empty()) return false;
  auto [edit, ok] = previews.front();
  previews.pop_front();
  if (edit) edit(plan);
  return ok;
}

std::string ScriptedPrompts::ChooseExportTarget(const std::string& suggested) {
  dialogs.push_back("export:" + suggested);
  return Next(paths, "export");
}

std::string ScriptedPrompts::Next(std::deque<std::string>& queue, const char* dialog) {
  if (std::string(dialog) == "open") dialogs.push_back("open");
  EXPECT_FALSE(queue.empty()) << "unexpected " << dialog << " dialog";
  if (queue.empty()) return {};
  std::string path = queue.front();
  queue.pop_front();
  return path;
}

std::string MemorySettings::Value(const std::string& group, const std::string& name) const {
  const auto it = values.find(group + "/" + name);
  return it == values.end() ? std::string() : it->second;
}

Session::Session() {
  char pattern[] = "/tmp/tessolar-flows-XXXXXX";
  folder = mkdtemp(pattern);
  setenv("TESSOLAR_PAGE_DIR", folder.c_str(), 1);
  view.SetDesktopLocale([] { return std::string("en_US.UTF-8"); });
  view.SetDesktopZone([] { return std::string("America/New_York"); });
}

Session::~Session() {
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

std::string Session::PageUrlWith(const std::string& query) const {
  return PageUrl() + (query.empty() ? "" : "?" + query);
}

bool Session::Click(const std::string& token) {
  const NavigationCheck check = view.BeforeNavigate(PageUrlWith(token));
  EXPECT_FALSE(check.accept) << token;
  const bool goesAhead = view.RunToken(check.token);
  if (goesAhead) {
    EXPECT_TRUE(view.BeforeNavigate(PageUrlWith()).accept);
  }
  return goesAhead;
}

std::string Session::PageText() const {
  std::ifstream in(PageFilePath(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace tessolar::support
