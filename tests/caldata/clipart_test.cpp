#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

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

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool StartsWith(const std::vector<uint8_t>& bytes, const std::string& magic) {
  return bytes.size() >= magic.size() &&
         std::equal(magic.begin(), magic.end(), bytes.begin(),
                    [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

struct PixelSize {
  uint32_t width = 0;
  uint32_t height = 0;
};

uint32_t Big16(const std::vector<uint8_t>& b, size_t at) { return (b[at] << 8) | b[at + 1]; }

// Walks the JPEG segments to the first frame header; only a baseline frame (SOF0)
// within the first 15 segments gives a size, since the page builders' size probe
// reads no further, so a progressive or damaged file reads as 0 x 0.
PixelSize BaselineJpegSize(const std::vector<uint8_t>& b) {
  size_t at = 2;
  for (int segment = 0; segment < 15 && at + 9 < b.size() && b[at] == 0xFF; ++segment) {
    const uint8_t marker = b[at + 1];
    if (marker == 0xC0) return {Big16(b, at + 7), Big16(b, at + 5)};
    // SOF1..SOF15 are the other frame kinds; C4, C8 and CC in that range are tables.
    const bool otherFrame =
        marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (otherFrame || marker == 0xDA) return {};
    at += 2 + Big16(b, at + 2);
  }
  return {};
}

PixelSize PictureSize(const std::string& ext, const std::vector<uint8_t>& b) {
  if (ext == ".gif" && b.size() >= 10) {
    return {static_cast<uint32_t>(b[6] | (b[7] << 8)), static_cast<uint32_t>(b[8] | (b[9] << 8))};
  }
  if (ext == ".png" && b.size() >= 24) {
    return {(Big16(b, 16) << 16) | Big16(b, 18), (Big16(b, 20) << 16) | Big16(b, 22)};
  }
  if (ext == ".jpg" || ext == ".jpeg") return BaselineJpegSize(b);
  return {};
}

TEST(ShippedClipart, EveryNamedPictureIsThereInTheFormatItsNameSays) {
  const std::vector<std::string> names = ReadNameList();
  ASSERT_GE(names.size(), 50u) << "the name list is missing or truncated";
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    EXPECT_EQ(fs::path(name).filename().string(), name) << "names carry no folder";
    const fs::path path = kClipartDir / name;
    ASSERT_TRUE(fs::is_regular_file(path)) << "missing from resources/clipart";
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const std::string ext = LowerExtension(path);
    if (ext == ".gif") {
      EXPECT_TRUE(StartsWith(bytes, "GIF87a") || StartsWith(bytes, "GIF89a"));
    } else if (ext == ".jpg" || ext == ".jpeg") {
      EXPECT_TRUE(StartsWith(bytes, "\xFF\xD8\xFF"));
    } else if (ext == ".png") {
      EXPECT_TRUE(StartsWith(bytes, "\x89PNG\r\n\x1A\n"));
    } else {
      ADD_FAILURE() << "not a picture name";
    }
    // The header's own size: catches truncated files and progressive JPEGs alike.
    const PixelSize size = PictureSize(ext, bytes);
    EXPECT_GE(size.width, 32u);
    EXPECT_LE(size.width, 400u);
    EXPECT_GE(size.height, 32u);
    EXPECT_LE(size.height, 400u);
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
