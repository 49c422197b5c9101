#include "caldata/data_paths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace tessolar {
namespace {

bool IsDirectory(const char* path) {
  struct stat info;
  return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFile(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// The data folder beside the running binary (bin/../share/tessolar), so a
// program installed under another prefix than it was configured for, as a
// package is, finds its own files. Empty when there is none.
std::string DataDirectoryBesideBinary() {
  const std::string candidate = BesideRunningBinary(TESSOLAR_DATA_DIR_FROM_BINARY);
  char resolved[PATH_MAX];
  if (candidate.empty() || ::realpath(candidate.c_str(), resolved) == nullptr) return {};
  return resolved;
}

}  // namespace

std::string BesideRunningBinary(const std::string& relative) {
  char binary[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", binary, sizeof binary - 1);
  if (length <= 0) return {};
  const std::string path(binary, static_cast<size_t>(length));
  return path.substr(0, path.rfind('/') + 1) + relative;
}

std::string DataDirectory() {
  static const std::string besideBinary = DataDirectoryBesideBinary();
  // Checked on every call: installing while a build-tree program runs is rare,
  // and the check is one stat.
  if (!besideBinary.empty() && IsDirectory(besideBinary.c_str())) return besideBinary;
  if (IsDirectory(TESSOLAR_INSTALLED_DATA_DIR)) return TESSOLAR_INSTALLED_DATA_DIR;
  return TESSOLAR_SOURCE_DATA_DIR;
}

std::string HelpDocumentPath() {
  const std::string shipped = DataDirectory() + "/Tessolar_help.pdf";
  return IsFile(shipped) ? shipped : TESSOLAR_BUILT_HELP_DOCUMENT;
}

std::string ShippedClipartDirectory() { return DataDirectory() + "/clipart/"; }

}  // namespace tessolar
