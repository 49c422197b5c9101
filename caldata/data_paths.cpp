#include "caldata/data_paths.h"

#include <sys/stat.h>

namespace tessolar {
namespace {

bool IsDirectory(const char* path) {
  struct stat info;
  return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string DataDirectory() {
  // Checked on every call: installing while a build-tree program runs is rare,
  // and the check is one stat.
  if (IsDirectory(TESSOLAR_INSTALLED_DATA_DIR)) return TESSOLAR_INSTALLED_DATA_DIR;
  return TESSOLAR_SOURCE_DATA_DIR;
}

std::string HelpDocumentPath() { return DataDirectory() + "/Tessolar_help.pdf"; }

std::string ShippedClipartDirectory() { return DataDirectory() + "/clipart/"; }

}  // namespace tessolar
