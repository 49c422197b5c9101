#include "pages/image_size.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace tessolar {
namespace {

namespace fs = std::filesystem;

const std::string kPictures = std::string(TESSOLAR_TEST_DATA) + "/pictures/";

class ImageProbeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("tessolar_probe_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Write(const std::string& name, const std::vector<unsigned char>& bytes) {
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  // Copies the first `size` bytes of a test picture to a file of the given name.
  std::string Truncated(const std::string& picture, size_t size, const std::string& name) {
    std::ifstream in(kPictures + picture, std::ios::binary);
    std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), {});
    bytes.resize(std::min(size, bytes.size()));
    return Write(name, bytes);
  }

  fs::path dir_;
};

// A JPEG head: start of image, then segments of the given markers, each with
// a body of `bodySize` bytes, then a frame header of `frameMarker`.
std::vector<unsigned char> JpegHead(int segmentsBefore, unsigned char frameMarker, uint16_t width,
                                    uint16_t height) {
  std::vector<unsigned char> bytes = {0xFF, 0xD8};
  for (int i = 0; i < segmentsBefore; ++i) {
    bytes.insert(bytes.end(), {0xFF, 0xE1, 0x00, 0x06, 'x', 'x', 'x', 'x'});
  }
  bytes.insert(bytes.end(), {0xFF, frameMarker, 0x00, 0x0B, 8, static_cast<unsigned char>(height >> 8),
                             static_cast<unsigned char>(height & 0xFF), static_cast<unsigned char>(width >> 8),
                             static_cast<unsigned char>(width & 0xFF), 1, 1, 0x11, 0});
  return bytes;
}

TEST_F(ImageProbeTest, ReadsRealPicturesAndPicksTheProbeByExtension) {
  const std::string jpeg = kPictures + "baseline_320x240.jpg";
  EXPECT_EQ(ImageSize(jpeg), (PictureSize{320, 240}));
  EXPECT_EQ(ImageSize(kPictures + "progressive_200x600.jpg"), (PictureSize{200, 600}));
  EXPECT_EQ(ImageSize(kPictures + "screen_320x240.gif"), (PictureSize{320, 240}));
  EXPECT_EQ(ImageSize(kPictures + "grey_1600x1200.png"), (PictureSize{1600, 1200}));
  uint32_t width = 7;
  EXPECT_EQ(JpegSize(jpeg, &width, nullptr), 0);
  EXPECT_EQ(width, 320u);
  // The extension decides, in any case; ".gif" anywhere in the name counts.
  fs::copy_file(jpeg, dir_ / "PHOTO.JPG");
  fs::copy_file(jpeg, dir_ / "photo.jpeg");
  fs::copy_file(kPictures + "screen_320x240.gif", dir_ / "screen.gif.bak");
  fs::copy_file(jpeg, dir_ / "photo.bmp");
  for (const char* name : {"PHOTO.JPG", "photo.jpeg", "screen.gif.bak"}) {
    EXPECT_EQ(ImageSize((dir_ / name).string()), (PictureSize{320, 240})) << name;
  }
  EXPECT_EQ(ImageSize((dir_ / "photo.bmp").string()), kDefaultPictureSize);
  EXPECT_EQ(ImageSize(Truncated("baseline_320x240.jpg", 100, "notpng.png")), kDefaultPictureSize);
  for (const char* name : {"null", "", ".jpg"}) EXPECT_EQ(ImageSize(name), kDefaultPictureSize) << name;
}

TEST_F(ImageProbeTest, FindsFrameHeadersOfEveryKindWithinFifteenSegments) {
  for (unsigned char marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC9, 0xCA, 0xCF}) {
    const std::string path = Write("frame.jpg", JpegHead(2, marker, 640, 480));
    EXPECT_EQ(ImageSize(path), (PictureSize{640, 480})) << std::hex << int{marker};
  }
  // Huffman tables (0xC4) are not a frame header.
  EXPECT_EQ(ImageSize(Write("dht.jpg", JpegHead(2, 0xC4, 640, 480))), kDefaultPictureSize);
  // The frame header as 15th segment is found; as 16th it is not.
  EXPECT_EQ(ImageSize(Write("f15.jpg", JpegHead(14, 0xC0, 64, 48))), (PictureSize{64, 48}));
  EXPECT_EQ(ImageSize(Write("f16.jpg", JpegHead(15, 0xC0, 64, 48))), kDefaultPictureSize);
}

TEST_F(ImageProbeTest, DamagedFilesFailWithTheirDiagnosticAndKeepTheOutputs) {
  struct Case {
    std::vector<unsigned char> bytes;
    const char* message;
  };
  const std::vector<Case> cases = {
      {{}, "Could not read marker 0\n"},
      {{0xFF}, "Could not read marker 0\n"},
      {{0xFF, 0xD8, 0xFF}, "Could not read marker 1\n"},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0x00}, "Could not read datasize\n"},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 1, 2}, "Could not read 14 bytes\n"},
      {{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01}, ""},  // length below 2
      // A frame header too short to hold a size is passed over.
      {{0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x04, 8, 0}, "Could not read marker 2\n"},
  };
  for (const Case& c : cases) {
    const std::string path = Write("bad.jpg", c.bytes);
    uint32_t width = 11;
    uint32_t height = 12;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(JpegSize(path, &width, &height), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), c.message);
    EXPECT_EQ(width, 11u);
    EXPECT_EQ(height, 12u);
  }
  const std::vector<unsigned char> gif = {'G', 'I', 'F', '8', '9', 'a', 0x40, 0x01, 0xF0, 0x00};
  for (size_t size = 0; size < gif.size(); ++size) {
    const std::string path = Write("short.gif", {gif.begin(), gif.begin() + static_cast<long>(size)});
    uint32_t height = 5;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(GifSize(path, nullptr, &height), -1);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "GifSize - file (" + path + ") - could not read file (" + std::to_string(size) + " bytes)\n");
    EXPECT_EQ(height, 5u);
  }
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(JpegSize("/nowhere/x.jpg", nullptr, nullptr), -1);
  EXPECT_EQ(GifSize("/nowhere/x.gif", nullptr, nullptr), -1);
  EXPECT_EQ(JpegSize("", nullptr, nullptr), -1);
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "JpegSize - Could not open file (/nowhere/x.jpg).\n"
            "GifSize - Could not open file (/nowhere/x.gif).\n");
}

TEST_F(ImageProbeTest, TruncatedFilesGiveTheirSizeOrTheDefaultAndRandomOnesNeverCrash) {
  const struct {
    const char* name;
    PictureSize size;
  } pictures[] = {{"baseline_320x240.jpg", {320, 240}},
                  {"progressive_200x600.jpg", {200, 600}},
                  {"grey_1600x1200.png", {1600, 1200}},
                  {"screen_320x240.gif", {320, 240}}};
  for (const auto& picture : pictures) {
    const auto full = fs::file_size(kPictures + picture.name);
    const std::string ext = fs::path(picture.name).extension().string();
    bool measured = false;
    for (size_t size = 0; size <= full; size += (size < 320 ? 1 : 331)) {
      const PictureSize s = ImageSize(Truncated(picture.name, size, "cut" + ext));
      // Once the header is in, every longer cut is measured too.
      if (measured) {
        ASSERT_EQ(s, picture.size) << picture.name << " " << size;
      }
      ASSERT_TRUE(s == kDefaultPictureSize || s == picture.size) << picture.name << " " << size;
      measured = s == picture.size;
    }
    EXPECT_TRUE(measured) << picture.name;
  }
  std::mt19937 random(42);
  for (int round = 0; round < 100; ++round) {
    std::vector<unsigned char> bytes(random() % 300);
    for (auto& b : bytes) b = static_cast<unsigned char>(random());
    if (round % 2 == 0 && bytes.size() > 2) bytes[0] = 0xFF, bytes[1] = 0xD8;
    for (const char* name : {"r.jpg", "r.gif", "r.png"}) {
      const PictureSize s = ImageSize(Write(name, bytes));
      EXPECT_GT(s.width, 0u);
      EXPECT_GT(s.height, 0u);
    }
  }
}

// The fits the pages use are checked exactly in their own tests; here the edges.
TEST(FitIntoBox, KeepsTheProportionWithinTheBoxAndSurvivesExtremeSides) {
  for (uint32_t ph = 1; ph < 400; ph += 7) {
    for (uint32_t pw = 1; pw < 400; pw += 5) {
      const PictureSize fit = FitIntoBox(95, 135, ph, pw);
      ASSERT_LE(fit.height, 95u);
      ASSERT_LE(fit.width, 135u);
      ASSERT_TRUE(fit.height == 95 || fit.width == 135);
      // Truncation loses less than one pixel on the computed side.
      const double exact = fit.height == 95 ? 95.0 * pw / ph : 135.0 * ph / pw;
      const uint32_t computed = fit.height == 95 ? fit.width : fit.height;
      ASSERT_LE(computed, exact + 1e-9);
      ASSERT_GT(computed + 1, exact);
    }
  }
  // Sides that a PNG header can carry must not overflow; a side of 0 counts as the default size.
  EXPECT_EQ(FitIntoBox(750, 1025, 0x7FFFFFFF, 0x7FFFFFFF), (PictureSize{750, 750}));
  EXPECT_EQ(FitIntoBox(95, 135, 0, 100), (PictureSize{133, 95}));
}

}  // namespace
}  // namespace tessolar
