#pragma once
// Texts with bytes written as a marker and two hex digits: "%41" in URLs,
// "=41" in quoted-printable.

#include <string>
#include <string_view>

namespace tessolar {

// `text` with every marker-and-two-hex-digits replaced by its byte; a marker
// without two hex digits after it stays as it is.
std::string HexUnescaped(std::string_view text, char marker);

}  // namespace tessolar
