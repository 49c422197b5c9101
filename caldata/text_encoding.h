#pragma once
// Calendar texts are UTF-8; files written by earlier programs are Windows-1252.

#include <string>
#include <string_view>

namespace tessolar {

// Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// Every byte as the Windows-1252 character it stands for; the five bytes that
// code page leaves unassigned become the C1 control characters of their value.
std::string Windows1252ToUtf8(std::string_view text);

}  // namespace tessolar
