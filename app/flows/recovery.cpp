#include "app/flows/recovery.h"

#include <dirent.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <system_error>
#include <utility>

#include "caldata/calendar_text.h"
#include "caldata/recovery_file.h"

namespace tessolar {
namespace {

constexpr char kPrefix[] = "recovery-";
constexpr char kSuffix[] = ".cal";

// The process id in a recovery file's name; 0 for other names.
int PidOfName(const std::string& name) {
  const size_t prefix = sizeof kPrefix - 1;
  const size_t suffix = sizeof kSuffix - 1;
  if (name.size() <= prefix + suffix || name.compare(0, prefix, kPrefix) != 0 ||
      name.compare(name.size() - suffix, suffix, kSuffix) != 0) {
    return 0;
  }
  const std::string digits = name.substr(prefix, name.size() - prefix - suffix);
  if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 9) return 0;
  return std::atoi(digits.c_str());
}

// The name the kernel gives process `pid` ("self" for this one) and its state
// letter; nothing when it cannot be read.
std::optional<std::pair<std::string, char>> ProcessNameAndState(const std::string& pid) {
  std::ifstream stat("/proc/" + pid + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  const size_t open = line.find('(');
  const size_t close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close + 2 >= line.size()) {
    return std::nullopt;
  }
  return std::make_pair(line.substr(open + 1, close - open - 1), line[close + 2]);
}

std::string LocalTime(int64_t seconds) {
  const std::time_t time = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&time, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

}  // namespace

bool IsRunningTessolar(int pid) {
  const auto process = ProcessNameAndState(std::to_string(pid));
  if (!process) return ::kill(pid, 0) == 0 || errno == EPERM;  // gone, or no /proc to ask
  static const auto self = ProcessNameAndState("self");
  const char state = process->second;
  return state != 'Z' && state != 'X' && (!self || process->first == self->first);
}

std::string StateFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::string(state) + "/tessolar";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.local/state/tessolar";
}

Recovery::Clock Recovery::SystemClock() {
  return {[] { return static_cast<int64_t>(std::time(nullptr)); }, IsRunningTessolar};
}

Recovery::Recovery(CalendarDocument& doc, std::string folder, int pid, Clock clock)
    : doc_(doc), folder_(std::move(folder)), pid_(pid), clock_(std::move(clock)) {}

std::string Recovery::FileOf(int pid) const {
  return folder_ + "/" + kPrefix + std::to_string(pid) + kSuffix;
}

void Recovery::Update() {
  std::string text = CalendarText(doc_.Db());
  if (!doc_.HasUnsavedChanges(text)) {
    Discard();
    return;
  }
  if (text == written_) return;
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  // A recovery that cannot be written must not stop the editing; the next change tries again.
  if (WriteRecoveryFile(FileOf(pid_), doc_.FileName(), text, clock_.now()).Empty()) {
    written_ = std::move(text);
  }
}

void Recovery::Discard() {
  ::unlink(FileOf(pid_).c_str());
  written_.clear();
}

bool Recovery::OfferLeftBehind(UserPrompts& prompts) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder_.c_str()), ::closedir);
  if (!dir) return false;
  std::vector<int> left;
  while (const dirent* item = ::readdir(dir.get())) {
    const int pid = PidOfName(item->d_name);
    if (pid > 0 && pid != pid_ && !clock_.isRunning(pid)) left.push_back(pid);
  }
  bool recovered = false;
  for (const int pid : left) {
    CCalDatabase found;
    RecoveryInfo info;
    const std::string path = FileOf(pid);
    if (!ReadRecoveryFile(path, found, info)) {
      ::unlink(path.c_str());
      continue;
    }
    const UserText name = info.calendarFile.empty()
                              ? UserText(TESSOLAR_TEXT("Recovery", "an unnamed calendar"))
                              : UserText(info.calendarFile);
    if (prompts.AskYesNo({TESSOLAR_TEXT("Recovery",
                                        "Tessolar ended without saving the changes to %1 (last "
                                        "changed %2). Recover them?"),
                          {name, LocalTime(info.changedAt)}})) {
      doc_.Reset();  // nothing counts as saved, whatever its file holds
      doc_.Db() = found;
      doc_.SetFileName(info.calendarFile);
      doc_.BuildYear(doc_.Db().Year(), false);  // the computed days it holds, as opening builds them
      doc_.MarkStarted();
      doc_.SetDialogYear(doc_.Db().Year());
      recovered = true;
      written_.clear();
      Update();  // the recovered changes are this program's to keep now
    }
    ::unlink(path.c_str());
  }
  return recovered;
}

}  // namespace tessolar
