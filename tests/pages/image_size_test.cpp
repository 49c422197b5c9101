#include "pages/image_size.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace tessolar {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

const std::string kPictures = std::string(TESSOLAR_TEST_DATA) + "/pictures/";

class ImageProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessolar_probe_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const Bytes& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  }
  // The first `size` bytes of a test picture, in a file of the given name.
  std::string Truncated(const std::string& picture, size_t size, const std::string& name) {
    std::ifstream in(kPictures + picture, std::ios::binary);
    Bytes bytes((std::istreambuf_iterator<char>(in)), {});
    bytes.resize(std::min(size, bytes.size()));
    return Write(name, bytes);
  }

  fs::path dir_;
};

// A JPEG head: start of image, `segmentsBefore` APP1 segments, then a frame header of `marker`.
Bytes JpegHead(int segmentsBefore, unsigned char marker, uint16_t width, uint16_t height) {
  Bytes bytes = {0xFF, 0xD8};
  for (int i = 0; i < segmentsBefore; ++i) bytes.insert(bytes.end(), {0xFF, 0xE1, 0x00, 0x06, 'x', 'x', 'x', 'x'});
  bytes.insert(bytes.end(), {0xFF, marker, 0x00, 0x0B, 8, static_cast<unsigned char>(height >> 8),
                             static_cast<unsigned char>(height), static_cast<unsigned char>(width >> 8),
                             static_cast<unsigned char>(width), 1, 1, 0x11, 0});
  return bytes;
}

const struct {
  const char* name;
  PictureSize size;
} kRealPictures[] = {{"baseline_320x240.jpg", {320, 240}}, {"progressive_200x600.jpg", {200, 600}},
                     {"grey_1600x1200.png", {1600, 1200}}, {"screen_320x240.gif", {320, 240}}};

TEST_F(ImageProbeTest, ReadsRealAndCutPicturesPickingTheProbeByExtension) {
  for (const auto& picture : kRealPictures) {
    EXPECT_EQ(ImageSize(kPictures + picture.name), picture.size) << picture.name;
    // Once the header is in, every longer cut is measured too.
    const auto full = fs::file_size(kPictures + picture.name);
    const std::string ext = fs::path(picture.name).extension().string();
    bool measured = false;
    for (size_t size = 0; size <= full; size += (size < 320 ? 1 : 331)) {
      const PictureSize s = ImageSize(Truncated(picture.name, size, "cut" + ext));
      if (measured) {
        ASSERT_EQ(s, picture.size) << picture.name << " " << size;
      }
      ASSERT_TRUE(s == kDefaultPictureSize || s == picture.size) << picture.name << " " << size;
      measured = s == picture.size;
    }
  }
  // The extension decides, in any case; ".gif" anywhere in the name counts.
  fs::copy_file(kPictures + std::string("screen_320x240.gif"), dir_ / "screen.gif.bak");
  fs::copy_file(kPictures + std::string("baseline_320x240.jpg"), dir_ / "PHOTO.JPG");
  fs::copy_file(kPictures + std::string("baseline_320x240.jpg"), dir_ / "photo.png");
  EXPECT_EQ(ImageSize((dir_ / "screen.gif.bak").string()), (PictureSize{320, 240}));
  EXPECT_EQ(ImageSize((dir_ / "PHOTO.JPG").string()), (PictureSize{320, 240}));
  EXPECT_EQ(ImageSize((dir_ / "photo.png").string()), kDefaultPictureSize);
  for (const char* name : {"null", "", ".jpg"}) EXPECT_EQ(ImageSize(name), kDefaultPictureSize) << name;
}

TEST_F(ImageProbeTest, FindsFrameHeadersOfEveryKindWithinFifteenSegments) {
  for (unsigned char marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC9, 0xCA, 0xCF}) {
    EXPECT_EQ(ImageSize(Write("frame.jpg", JpegHead(2, marker, 640, 480))), (PictureSize{640, 480})) << int{marker};
  }
  EXPECT_EQ(ImageSize(Write("dht.jpg", JpegHead(2, 0xC4, 640, 480))), kDefaultPictureSize);  // Huffman tables
  EXPECT_EQ(ImageSize(Write("f15.jpg", JpegHead(14, 0xC0, 64, 48))), (PictureSize{64, 48}));
  EXPECT_EQ(ImageSize(Write("f16.jpg", JpegHead(15, 0xC0, 64, 48))), kDefaultPictureSize);
}

TEST_F(ImageProbeTest, DamagedFilesFailKeepingTheOutputsAndNeverCrash) {
  const Bytes jpegs[] = {{}, {0xFF, 0xD8, 0xFF}, {0xFF, 0xD8, 0xFF, 0xE0, 0x00},
                         {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 1, 2}, {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01},
                         {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x04, 8, 0}};  // a frame header too short for a size
  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0x40, 0x01, 0xF0, 0x00};
  ::testing::internal::CaptureStdout();
  for (const Bytes& bytes : jpegs) {
    uint32_t width = 11, height = 12;
    EXPECT_EQ(JpegSize(Write("bad.jpg", bytes), &width, &height), -1);
    EXPECT_EQ(width * 100 + height, 1112u);
  }
  for (size_t size = 0; size < gif.size(); ++size) {  // a GIF shorter than 10 bytes
    uint32_t height = 5;
    EXPECT_EQ(GifSize(Write("short.gif", Bytes(gif.begin(), gif.begin() + size)), nullptr, &height), -1);
    EXPECT_EQ(height, 5u);
  }
  EXPECT_EQ(JpegSize("/nowhere/x.jpg", nullptr, nullptr) + GifSize("/nowhere/x.gif", nullptr, nullptr), -2);
  EXPECT_NE(::testing::internal::GetCapturedStdout(), "");
}

TEST(FitIntoBox, KeepsTheProportionWithinTheBoxAndSurvivesExtremeSides) {
  for (uint32_t ph = 1; ph < 400; ph += 7) {
    for (uint32_t pw = 1; pw < 400; pw += 5) {
      const PictureSize fit = FitIntoBox(95, 135, ph, pw);
      ASSERT_TRUE(fit.height <= 95 && fit.width <= 135 && (fit.height == 95 || fit.width == 135));
      // Truncation loses less than one pixel on the computed side.
      const double exact = fit.height == 95 ? 95.0 * pw / ph : 135.0 * ph / pw;
      const uint32_t computed = fit.height == 95 ? fit.width : fit.height;
      ASSERT_TRUE(computed <= exact + 1e-9 && computed + 1 > exact) << ph << " " << pw;
    }
  }
  // Sides that a PNG header can carry must not overflow; a side of 0 counts as the default size.
  EXPECT_EQ(FitIntoBox(750, 1025, 0x7FFFFFFF, 0x7FFFFFFF), (PictureSize{750, 750}));
  EXPECT_EQ(FitIntoBox(95, 135, 0, 100), (PictureSize{133, 95}));
}

}  // namespace
}  // namespace tessolar
