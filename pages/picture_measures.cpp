#include "pages/picture_measures.h"

#include <filesystem>
#include <system_error>

#include "pages/html_escape.h"

namespace tessolar {

bool PictureMeasures::Exists(const std::string& path) {
  Known& known = known_[path];
  if (!known.exists) {
    std::error_code error;
    known.exists = std::filesystem::exists(path, error);
  }
  return *known.exists;
}

PictureSize PictureMeasures::Size(const std::string& path) {
  Known& known = known_[path];
  if (!known.size) known.size = ImageSize(path, notes_);
  return *known.size;
}

const std::string& PictureMeasures::Url(const std::string& path) {
  Known& known = known_[path];
  if (!known.url) known.url = PictureUrl(path);
  return *known.url;
}

}  // namespace tessolar
