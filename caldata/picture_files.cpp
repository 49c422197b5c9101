#include "caldata/picture_files.h"

#include <array>
#include <cctype>

namespace tessolar {
namespace {

constexpr std::array<std::string_view, 7> kSuffixes = {"jpg", "jpeg", "gif", "png",
                                                       "bmp", "webp", "svg"};

}  // namespace

bool HasPictureSuffix(std::string_view path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos) return false;
  std::string suffix(path.substr(dot + 1));
  for (char& c : suffix) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (std::string_view known : kSuffixes) {
    if (suffix == known) return true;
  }
  return false;
}

std::string PictureSuffixPattern() {
  std::string pattern;
  for (std::string_view suffix : kSuffixes) {
    if (!pattern.empty()) pattern += ' ';
    pattern += "*.";
    pattern += suffix;
  }
  return pattern;
}

}  // namespace tessolar
