#include "cli/printing/page_printer.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "caldata/data_paths.h"
#include "cli/command_line.h"

extern char** environ;

namespace tessolar::cli {
namespace {

std::string SystemError(int error) { return std::strerror(error); }

// The printer beside the running binary (bin/../libexec/tessolar), so a
// package installed under another prefix, or the build tree, finds its own;
// else where the build installs it.
std::string PrinterPath() {
  const std::string beside = BesideRunningBinary(TESSOLAR_PAGE_PRINTER_FROM_BINARY);
  return !beside.empty() && ::access(beside.c_str(), X_OK) == 0 ? beside
                                                                : TESSOLAR_INSTALLED_PAGE_PRINTER;
}

class Pipe {
 public:
  Pipe() {
    if (::pipe2(ends_, O_CLOEXEC) != 0) {
      throw CommandError(kExitBadInput, "could not start the printer: " + SystemError(errno));
    }
  }
  ~Pipe() {
    CloseWriteEnd();
    ::close(ends_[0]);
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;
  int WriteEnd() const { return ends_[1]; }
  void CloseWriteEnd() {
    if (ends_[1] >= 0) ::close(ends_[1]);
    ends_[1] = -1;
  }
  // Everything written until the other side closes.
  std::string ReadAll() {
    std::string text;
    char buffer[4096];
    for (;;) {
      const ssize_t n = ::read(ends_[0], buffer, sizeof buffer);
      if (n > 0) {
        text.append(buffer, static_cast<size_t>(n));
      } else if (n == 0 || errno != EINTR) {
        return text;
      }
    }
  }

 private:
  int ends_[2] = {-1, -1};
};

std::string FirstLine(const std::string& text) { return text.substr(0, text.find('\n')); }

}  // namespace

// One try at the page file in `folder`; false when the folder cannot take it.
bool TemporaryPageFile::WriteIn(const std::string& folder, const std::string& text) {
  std::string name = folder + "/tessolar-print-XXXXXX.html";
  const int fd = ::mkstemps(name.data(), 5);
  if (fd < 0) return false;
  path_ = name;
  for (size_t written = 0; written < text.size();) {
    const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int error = n < 0 ? errno : ENOSPC;
      ::close(fd);
      errno = error;
      return false;
    }
    written += static_cast<size_t>(n);
  }
  return ::close(fd) == 0;
}

TemporaryPageFile::TemporaryPageFile(const std::string& text) {
  // $TMPDIR when it names a folder that takes the page, else /tmp.
  const char* tmp = std::getenv("TMPDIR");
  const std::string preferred = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
  int firstError = 0;
  for (const std::string& folder : {preferred, std::string("/tmp")}) {
    if (WriteIn(folder, text)) return;
    if (firstError == 0) firstError = errno;
    if (!path_.empty()) ::unlink(path_.c_str());
    path_.clear();
  }
  throw CommandError(kExitBadInput,
                     "could not write the page to " + preferred + ": " + SystemError(firstError));
}

TemporaryPageFile::~TemporaryPageFile() {
  if (!path_.empty()) ::unlink(path_.c_str());
}

void PrintPageWithEngine(const std::string& pageFile, const std::string& pdfPath,
                         const std::string& paper, const std::string& orientation) {
  const std::string printer = PrinterPath();
  Pipe message;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, message.WriteEnd(), STDOUT_FILENO);
  std::string arg0 = printer;
  std::string arg1 = pageFile;
  std::string arg2 = pdfPath;
  std::string arg3 = paper;
  std::string arg4 = orientation;
  char* argv[] = {arg0.data(), arg1.data(), arg2.data(), arg3.data(), arg4.data(), nullptr};
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, printer.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) {
    throw CommandError(kExitBadInput,
                       "could not start the printer " + printer + ": " + SystemError(spawned));
  }
  message.CloseWriteEnd();
  const std::string said = message.ReadAll();
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return;
  if (WIFSIGNALED(status)) {
    throw CommandError(kExitBadInput,
                       std::string("the browser engine stopped: ") + strsignal(WTERMSIG(status)));
  }
  const std::string line = FirstLine(said);
  throw CommandError(
      kExitBadInput,
      line.empty() ? "the printer ended with status " + std::to_string(WEXITSTATUS(status)) : line);
}

}  // namespace tessolar::cli
