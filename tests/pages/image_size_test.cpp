// The picture probes: real baseline and progressive JPEG, GIF and PNG files,
// frame headers within the segments the probe reads, and damaged files that
// fail without touching their outputs.

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

// A JPEG head: start of image, `segments` APP1 segments, then a frame header of `marker`.
Bytes JpegHead(int segments, unsigned char marker) {
  Bytes bytes = {0xFF, 0xD8};
  for (int i = 0; i < segments; ++i) bytes.insert(bytes.end(), {0xFF, 0xE1, 0x00, 0x04, 'x', 'x'});
  bytes.insert(bytes.end(), {0xFF, marker, 0x00, 0x0B, 8, 0x01, 0xE0, 0x02, 0x80, 1, 1, 0x11, 0});
  return bytes;
}

class ImageProbes : public ::testing::Test {
 protected:
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const Bytes& bytes) {
    fs::create_directories(dir_);
    const std::string path = (dir_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return path;
  }
  const fs::path dir_ =
      fs::temp_directory_path() /
      ("tessolar_probe_" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(ImageProbes, MeasureRealPicturesAndFrameHeadersByTheNameTheFileHas) {
  const std::pair<const char*, PictureSize> pictures[] = {{"baseline_320x240.jpg", {320, 240}},
                                                          {"progressive_200x600.jpg", {200, 600}},
                                                          {"grey_1600x1200.png", {1600, 1200}},
                                                          {"screen_320x240.gif", {320, 240}}};
  for (const auto& [name, size] : pictures) EXPECT_EQ(ImageSize(kPictures + name), size) << name;
  // The extension decides, in any case; ".gif" anywhere in the name counts.
  const std::string renamed = Write("screen.gif.bak", {});
  fs::copy_file(kPictures + "screen_320x240.gif", renamed, fs::copy_options::overwrite_existing);
  EXPECT_EQ(ImageSize(renamed), (PictureSize{320, 240}));
  for (unsigned char marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC9, 0xCA, 0xCF}) {
    EXPECT_EQ(ImageSize(Write("frame.JPG", JpegHead(2, marker))), (PictureSize{640, 480}))
        << int{marker};
  }
  EXPECT_EQ(ImageSize(Write("dht.jpg", JpegHead(2, 0xC4))), kDefaultPictureSize);  // Huffman tables
  EXPECT_EQ(ImageSize(Write("f15.jpeg", JpegHead(14, 0xC0))), (PictureSize{640, 480}));
  EXPECT_EQ(ImageSize(Write("f16.jpg", JpegHead(15, 0xC0))), kDefaultPictureSize);
  EXPECT_EQ(ImageSize(Write("notpng.png", JpegHead(0, 0xC0))), kDefaultPictureSize);
  for (const char* name : {"null", "", ".jpg"}) EXPECT_EQ(ImageSize(name), kDefaultPictureSize);
}

// Drawings measure by their root element: pixel width and height, else the
// viewBox; a drawing without either, or with absurd sides, gets the default.
TEST_F(ImageProbes, DrawingsMeasureByTheirRootElement) {
  const auto svg = [](const std::string& text) { return Bytes(text.begin(), text.end()); };
  const std::pair<std::string, PictureSize> drawings[] = {
      {"<?xml version='1.0'?>\n<svg xmlns='http://www.w3.org/2000/svg' width='128' height='96px' "
       "viewBox='0 0 4 3'>",
       {128, 96}},
      {"<svg stroke-width=\"9\" width=\"100%\" viewBox=\"0, 0, 640.4 480\"><rect/></svg>",
       {640, 480}},
      {"<svg width=\"20cm\" height=\"10cm\">", kDefaultPictureSize},
      {"<svg viewBox=\"0 0 1e9 5\">", kDefaultPictureSize},
      {"<html><body>no drawing</body></html>", kDefaultPictureSize}};
  for (const auto& [text, size] : drawings) {
    EXPECT_EQ(ImageSize(Write("drawing.SVG", svg(text))), size) << text;
  }
  EXPECT_EQ(ImageSize(kPictures + "../../../resources/clipart/santa.svg"), (PictureSize{128, 128}));
}

TEST_F(ImageProbes, DamagedFilesFailKeepingTheOutputs) {
  const Bytes jpegs[] = {
      {},
      {0xFF, 0xD8, 0xFF},
      {0xFF, 0xD8, 0xFF, 0xE0, 0x00},
      {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 1, 2},
      {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x01},
      {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x04, 8, 0}};  // a frame too short for a size
  const Bytes gif = {'G', 'I', 'F', '8', '9', 'a', 0x40, 0x01, 0xF0, 0x00};
  Notes notes;
  for (const Bytes& bytes : jpegs) {
    uint32_t width = 11, height = 12;
    EXPECT_EQ(JpegSize(Write("bad.jpg", bytes), &width, &height, &notes), -1);
    EXPECT_EQ(width * 100 + height, 1112u);
  }
  for (size_t size = 0; size < gif.size(); ++size) {  // a GIF shorter than 10 bytes
    uint32_t height = 5;
    EXPECT_EQ(GifSize(Write("short.gif", Bytes(gif.begin(), gif.begin() + size)), nullptr, &height,
                      &notes),
              -1);
    EXPECT_EQ(height, 5u);
  }
  EXPECT_EQ(JpegSize("/nowhere/x.jpg", nullptr, nullptr, &notes), -1);
  // Each failure says which picture, in a sentence.
  EXPECT_EQ(notes.size(), std::size(jpegs) + gif.size() + 1);
  for (const std::string& note : notes) {
    EXPECT_TRUE(note.find("bad.jpg") != std::string::npos ||
                note.find("short.gif") != std::string::npos ||
                note == "Could not open the picture /nowhere/x.jpg.")
        << note;
  }
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
