#pragma once
// What a page build knows of its pictures: whether each file exists, its
// pixel size and the URL the page loads it by, each found out once per build
// however many cells show the picture. A missing or unreadable picture is
// noted once.

#include <optional>
#include <string>
#include <unordered_map>

#include "compute/notes.h"
#include "pages/image_size.h"

namespace tessolar {

class PictureMeasures {
 public:
  explicit PictureMeasures(Notes* notes = nullptr) : notes_(notes) {}

  bool Exists(const std::string& path);
  // ImageSize of the file.
  PictureSize Size(const std::string& path);
  // PictureUrl of the file.
  const std::string& Url(const std::string& path);

 private:
  struct Known {
    std::optional<bool> exists;
    std::optional<PictureSize> size;
    std::optional<std::string> url;
  };
  Notes* notes_;
  std::unordered_map<std::string, Known> known_;
};

}  // namespace tessolar
