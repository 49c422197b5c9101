#include "caldata/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tessolar {
namespace {

namespace fs = std::filesystem;

UserText Reason(int error) { return std::string(std::strerror(error)); }

// 0, or the error that stopped the writing.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return 0;
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// Where the bytes go: the file a symbolic link names, else the path itself.
fs::path Target(const std::string& path) {
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (!ec) return resolved;
  }
  return path;
}

}  // namespace

UserText ReplaceFileAtomically(const std::string& path, std::string_view bytes, bool flushToDisk) {
  if (path.empty()) return TESSOLAR_TEXT("CalendarFile", "no file name was given");
  const fs::path target = Target(path);

  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) return TESSOLAR_TEXT("CalendarFile", "it is a folder");
  if (exists && !S_ISREG(existing.st_mode)) {
    return TESSOLAR_TEXT("CalendarFile", "it is not a regular file");
  }
  if (exists && ::access(target.c_str(), W_OK) != 0) {
    return TESSOLAR_TEXT("CalendarFile", "the file is read-only");
  }

  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return Reason(errno);

  const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
  int error = ::fchmod(fd, mode) != 0 ? errno : WriteAll(fd, bytes);
  if (error == 0 && flushToDisk && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return Reason(error);
  }

  if (!flushToDisk) return {};
  // Makes the rename itself last through a power cut; some file systems
  // cannot sync a folder, and the file is in place by now either way.
  const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return {};
}

}  // namespace tessolar
