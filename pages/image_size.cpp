#include "pages/image_size.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "caldata/cal_entry.h"

namespace tessolar {
namespace {

constexpr int kMaxJpegSegments = 15;
constexpr size_t kGifReadSize = 1024;
constexpr size_t kGifHeaderSize = 10;  // signature, version, logical screen size
constexpr size_t kSvgReadSize = 4096;  // the root element opens within it
constexpr double kLargestSvgSide = 100000;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenForReading(const std::string& path, Notes* notes) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) Note(notes, "Could not open the picture " + path + ".");
  return file;
}

void Store(uint32_t* width, uint32_t* height, uint32_t w, uint32_t h) {
  if (width) *width = w;
  if (height) *height = h;
}

uint32_t BigEndian16(const unsigned char* p) { return (uint32_t{p[0]} << 8) | p[1]; }

uint32_t BigEndian32(const unsigned char* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// Start-of-frame markers of every coding process (baseline, extended,
// progressive, lossless; Huffman or arithmetic). 0xC4, 0xC8 and 0xCC share
// the range but are tables and a reserved code.
bool IsFrameHeader(unsigned char marker) {
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::string NotMeasured(const std::string& path, const char* format) {
  return "The picture " + path + " is not a " + format + " file whose size can be read.";
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// The value of `name="..."` (or '...') in an element's opening tag; empty when absent.
std::string SvgAttribute(const std::string& tag, const std::string& name) {
  for (size_t at = tag.find(name); at != std::string::npos; at = tag.find(name, at + 1)) {
    const bool starts = at > 0 && std::isspace(static_cast<unsigned char>(tag[at - 1]));
    size_t quote = at + name.size();
    while (quote < tag.size() && (tag[quote] == ' ' || tag[quote] == '=')) ++quote;
    if (!starts || quote >= tag.size() || (tag[quote] != '"' && tag[quote] != '\'')) continue;
    const size_t end = tag.find(tag[quote], quote + 1);
    if (end != std::string::npos) return tag.substr(quote + 1, end - quote - 1);
  }
  return {};
}

std::vector<double> SvgNumbers(const std::string& text) {
  std::vector<double> numbers;
  const char* at = text.c_str();
  for (char* end = nullptr;; at = end) {
    while (*at == ' ' || *at == ',') ++at;
    const double value = std::strtod(at, &end);
    if (end == at) break;
    numbers.push_back(value);
  }
  return numbers;
}

// A width or height in pixels ("128", "128px"); 0 for other units and percentages.
double SvgLength(const std::string& tag, const std::string& name) {
  const std::string value = SvgAttribute(tag, name);
  char* end = nullptr;
  const double length = std::strtod(value.c_str(), &end);
  const std::string unit(end == nullptr ? "" : end);
  return unit.empty() || unit == "px" ? length : 0;
}

}  // namespace

int JpegSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes) {
  if (path.empty()) return -1;
  File file = OpenForReading(path, notes);
  if (!file) return -1;
  const auto fail = [&] {
    Note(notes, NotMeasured(path, "JPEG"));
    return -1;
  };
  unsigned char bytes[2];
  if (std::fread(bytes, 1, 2, file.get()) != 2) return fail();
  std::vector<unsigned char> segment;
  for (int s = 1; s <= kMaxJpegSegments; ++s) {
    unsigned char marker[2];
    if (std::fread(marker, 1, 2, file.get()) != 2) return fail();
    if (std::fread(bytes, 1, 2, file.get()) != 2) return fail();
    const uint32_t length = BigEndian16(bytes);
    if (length < 2) return fail();
    const size_t size = length - 2;
    segment.resize(size);
    if (std::fread(segment.data(), 1, size, file.get()) != size) return fail();
    // A frame header holds precision, height and width: 5 bytes at least.
    if (marker[0] == 0xFF && IsFrameHeader(marker[1]) && size >= 5) {
      Store(width, height, BigEndian16(&segment[3]), BigEndian16(&segment[1]));
      return 0;
    }
  }
  return fail();
}

int GifSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes) {
  if (path.empty()) return -1;
  File file = OpenForReading(path, notes);
  if (!file) return -1;
  unsigned char header[kGifReadSize];
  const size_t read = std::fread(header, 1, sizeof header, file.get());
  if (read < kGifHeaderSize) {
    Note(notes, NotMeasured(path, "GIF"));
    return -1;
  }
  Store(width, height, (uint32_t{header[7]} << 8) | header[6],
        (uint32_t{header[9]} << 8) | header[8]);
  return 0;
}

int PngSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (path.empty()) return -1;
  File file = OpenForReading(path, notes);
  if (!file) return -1;
  // Signature, then the IHDR chunk: length, type, width, height.
  unsigned char header[24];
  if (std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
      !std::equal(kSignature, kSignature + 8, header) ||
      !std::equal(header + 12, header + 16, "IHDR")) {
    Note(notes, NotMeasured(path, "PNG"));
    return -1;
  }
  Store(width, height, BigEndian32(header + 16), BigEndian32(header + 20));
  return 0;
}

int SvgSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes) {
  const File file = OpenForReading(path, notes);
  if (!file) return -1;
  std::string head(kSvgReadSize, '\0');
  head.resize(std::fread(head.data(), 1, head.size(), file.get()));
  const size_t open = head.find("<svg");
  const size_t close = head.find('>', open);
  if (open == std::string::npos || close == std::string::npos) {
    Note(notes, "The picture " + path + " is no SVG drawing.");
    return -1;
  }
  const std::string tag = head.substr(open, close - open);
  double w = SvgLength(tag, "width");
  double h = SvgLength(tag, "height");
  if (w <= 0 || h <= 0) {
    const std::vector<double> box = SvgNumbers(SvgAttribute(tag, "viewBox"));
    if (box.size() == 4) {
      w = box[2];
      h = box[3];
    }
  }
  if (!(w >= 1 && h >= 1 && w <= kLargestSvgSide && h <= kLargestSvgSide)) {
    Note(notes, "The drawing " + path + " has no size.");
    return -1;
  }
  Store(width, height, static_cast<uint32_t>(w + 0.5), static_cast<uint32_t>(h + 0.5));
  return 0;
}

PictureSize ImageSize(const std::string& path, Notes* notes) {
  if (IsNoPicture(path)) return kDefaultPictureSize;
  const std::string lower = Lower(path);
  const size_t jpg = lower.find(".jpg");
  uint32_t width = 0;
  uint32_t height = 0;
  if ((jpg != std::string::npos && jpg > 0) || lower.find(".jpeg") != std::string::npos) {
    JpegSize(path, &width, &height, notes);
  } else if (lower.find(".gif") != std::string::npos) {
    GifSize(path, &width, &height, notes);
  } else if (lower.find(".png") != std::string::npos) {
    PngSize(path, &width, &height, notes);
  } else if (lower.find(".svg") != std::string::npos) {
    SvgSize(path, &width, &height, notes);
  }
  if (width == 0 || height == 0) return kDefaultPictureSize;
  return {width, height};
}

PictureSize FitIntoBox(uint32_t boxHeight, uint32_t largestWidth, uint32_t pictureHeight,
                       uint32_t pictureWidth) {
  if (pictureHeight == 0 || pictureWidth == 0) {
    pictureHeight = kDefaultPictureSize.height;
    pictureWidth = kDefaultPictureSize.width;
  }
  // 64-bit products: PNG sides reach 2^31.
  uint64_t height = boxHeight;
  uint64_t width = uint64_t{boxHeight} * pictureWidth / pictureHeight;
  if (width > largestWidth) {
    width = largestWidth;
    height = uint64_t{largestWidth} * pictureHeight / pictureWidth;
  }
  return {static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
}

}  // namespace tessolar
