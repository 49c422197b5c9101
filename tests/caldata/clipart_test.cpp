// The shipped clip-art: exactly the listed pictures, each a whole file in the
// format its name says, measured by the pages' own size probe.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "pages/image_size.h"

namespace tessolar {
namespace {

namespace fs = std::filesystem;

const fs::path kClipartDir = fs::path(TESSOLAR_SOURCE_DIR) / "resources" / "clipart";

std::vector<std::string> ReadNameList() {
  std::ifstream in(fs::path(TESSOLAR_SOURCE_DIR) / "tests" / "data" / "clipart_names.txt");
  std::vector<std::string> names;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') names.push_back(line);
  }
  return names;
}

std::string LowerExtension(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext;
}

TEST(ShippedClipart, EveryNamedPictureIsThereInTheFormatItsNameSays) {
  const std::map<std::string, std::vector<std::string>> magic = {
      {".gif", {"GIF87a", "GIF89a"}},
      {".jpg", {"\xFF\xD8\xFF"}},
      {".jpeg", {"\xFF\xD8\xFF"}},
      {".png", {"\x89PNG\r\n\x1A\n"}}};
  const std::vector<std::string> names = ReadNameList();
  ASSERT_GE(names.size(), 50u) << "the name list is missing or truncated";
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_EQ(fs::path(name).filename().string(), name) << "names carry no folder";
    const fs::path path = kClipartDir / name;
    ASSERT_TRUE(fs::is_regular_file(path)) << "missing from resources/clipart";
    const auto kinds = magic.find(LowerExtension(path));
    ASSERT_NE(kinds, magic.end()) << "not a picture name";
    std::string head(8, '\0');
    std::ifstream(path, std::ios::binary).read(&head[0], 8);
    EXPECT_TRUE(std::any_of(kinds->second.begin(), kinds->second.end(),
                            [&](const std::string& m) { return head.compare(0, m.size(), m) == 0; }));
    // A probe that fails gives the default size, so that counts as unreadable.
    const PictureSize size = ImageSize(path.string());
    EXPECT_FALSE(size == kDefaultPictureSize);
    EXPECT_TRUE(size.width >= 32 && size.width <= 400 && size.height >= 32 && size.height <= 400)
        << size.width << " x " << size.height;
  }
}

TEST(ShippedClipart, FolderShipsExactlyTheListedPicturesAndStaysSmall) {
  const std::vector<std::string> list = ReadNameList();
  const std::set<std::string> names(list.begin(), list.end());
  EXPECT_EQ(names.size(), list.size()) << "a name is listed twice";
  uintmax_t total = 0;
  std::set<std::string> shipped;
  for (const fs::directory_entry& entry : fs::directory_iterator(kClipartDir)) {
    const std::string ext = LowerExtension(entry.path());
    if (ext != ".gif" && ext != ".jpg" && ext != ".jpeg" && ext != ".png") continue;
    shipped.insert(entry.path().filename().string());
    EXPECT_LE(entry.file_size(), 32u * 1024) << entry.path().filename();
    total += entry.file_size();
  }
  EXPECT_EQ(shipped, names);
  EXPECT_LT(total, 1024u * 1024);
  EXPECT_TRUE(fs::is_regular_file(kClipartDir / "LICENSE.txt"));
}

}  // namespace
}  // namespace tessolar
