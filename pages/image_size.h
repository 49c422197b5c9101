#pragma once
// Pixel sizes of pictures read from their file headers (JPEG, GIF, PNG, SVG),
// without decoding them, and the fit of a picture into a box.
//
// The probes report 0 for success and -1 for failure (leaving the outputs
// untouched, and saying why in `notes` when given).

#include <cstdint>
#include <string>

#include "compute/notes.h"

namespace tessolar {

struct PictureSize {
  uint32_t width = 0;
  uint32_t height = 0;
  bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

// The size a picture is given when it cannot be measured.
inline constexpr PictureSize kDefaultPictureSize{133, 95};

// Picks the probe by the file name's extension (case-insensitive); never
// fails: a picture that cannot be measured has kDefaultPictureSize.
PictureSize ImageSize(const std::string& path, Notes* notes = nullptr);

// Either output may be null.
int JpegSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes = nullptr);
int GifSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes = nullptr);
int PngSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes = nullptr);
// From the root element's width and height in pixels, else its viewBox.
int SvgSize(const std::string& path, uint32_t* width, uint32_t* height, Notes* notes = nullptr);

// Fills the box height, unless the picture would then be wider than
// `largestWidth`, in which case it fills that width. Integer arithmetic,
// truncating. A picture side of 0 counts as kDefaultPictureSize.
PictureSize FitIntoBox(uint32_t boxHeight, uint32_t largestWidth, uint32_t pictureHeight,
                       uint32_t pictureWidth);

}  // namespace tessolar
