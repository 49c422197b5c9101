#pragma once
// The kinds of picture the program takes (JPEG, GIF, PNG, BMP, WebP, SVG),
// known by the file name's suffix: dropped files, the file dialogs' filters.

#include <string>
#include <string_view>

namespace tessolar {

// Whether `path` ends in one of the picture suffixes, in any case.
bool HasPictureSuffix(std::string_view path);

// "*.jpg *.jpeg *.gif *.png *.bmp *.webp *.svg", for a file dialog's filter.
std::string PictureSuffixPattern();

}  // namespace tessolar
