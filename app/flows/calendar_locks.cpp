#include "app/flows/calendar_locks.h"

#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <utility>

#include "caldata/atomic_file.h"

namespace tessolar {
namespace {

// The same file under any name that leads to it.
std::string CanonicalPath(const std::string& path) {
  char resolved[PATH_MAX];
  return ::realpath(path.c_str(), resolved) != nullptr ? resolved : path;
}

// FNV-1a: a lock file's name that stays the same from one build to the next.
uint64_t StableHash(const std::string& text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
  return hash;
}

}  // namespace

CalendarLocks::CalendarLocks(std::string folder, int pid, std::function<bool(int)> isRunning)
    : folder_(std::move(folder) + "/locks"), pid_(pid), isRunning_(std::move(isRunning)) {}

std::string CalendarLocks::LockFileOf(const std::string& path) const {
  char name[32];
  std::snprintf(name, sizeof name, "%016llx.lock",
                static_cast<unsigned long long>(StableHash(path)));
  return folder_ + "/" + name;
}

int CalendarLocks::HolderOf(const std::string& path) const {
  const std::string canonical = CanonicalPath(path);
  std::ifstream lock(LockFileOf(canonical));
  std::string pid, lockedPath;
  if (!std::getline(lock, pid) || !std::getline(lock, lockedPath) || lockedPath != canonical) {
    return 0;
  }
  const int holder = std::atoi(pid.c_str());
  return holder > 0 && holder != pid_ && isRunning_(holder) ? holder : 0;
}

bool CalendarLocks::MayOpen(const std::string& path, UserPrompts& prompts) const {
  const int holder = HolderOf(path);
  return holder == 0 ||
         prompts.AskYesNo({TESSOLAR_TEXT("CalendarLocks",
                                         "%1 is open in another Tessolar (process %2). Open it "
                                         "here as well? Each may then save over the other's "
                                         "changes."),
                           {path, std::to_string(holder)}});
}

void CalendarLocks::Follow(const std::string& path) {
  const std::string canonical = path.empty() ? "" : CanonicalPath(path);
  if (canonical == held_) return;
  if (!held_.empty() && HolderOf(held_) == 0) ::unlink(LockFileOf(held_).c_str());
  held_ = canonical;
  if (held_.empty()) return;
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  // Without a lock the calendar still opens; only the warning to others is lost.
  ReplaceFileAtomically(LockFileOf(held_), std::to_string(pid_) + "\n" + held_ + "\n");
}

}  // namespace tessolar
