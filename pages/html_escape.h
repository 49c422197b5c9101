#pragma once
// Escaping of calendar and user texts for the place in a page they land in,
// so that no description, title, font, colour or path can add markup or
// script to a page.

#include <string>
#include <string_view>

namespace tessolar {

// Element text and quoted attribute values (either quote): & < > " ' become
// character references.
std::string EscapeHtml(std::string_view text);

// The inside of a quoted CSS string, e.g. font-family:"<here>", also when the
// declaration sits in a style attribute or a <style> element: every character
// other than a letter, digit, space, '-' or '_' becomes a CSS escape.
std::string EscapeCssString(std::string_view text);

// An unquoted CSS value such as a colour ("gray", "#a0b0c0", "rgb(1, 2, 3)"):
// only letters, digits, spaces and # . , % ( ) - are kept, and a value that
// would load a resource (url(...), image-set(...), expression(...)) is dropped.
std::string SanitizeCssValue(std::string_view value);

// Percent-encodes every byte except letters, digits and - . _ ~ / (for a
// URL path; non-ASCII letters go as their UTF-8 bytes).
std::string PercentEncodePath(std::string_view path);

// The URL that loads a picture file from a page in the page folder: a file
// URL for an absolute path, or for a relative path naming a file that exists
// from the current directory; otherwise the percent-encoded relative name
// (so "null" stays "null"). A .png, .gif, .jpg or .jpeg file with an .svg of
// the same name beside it loads that SVG instead, so it prints sharp at any
// size; its layout size still comes from the raster. Never a "javascript:" or
// other scheme URL. Safe inside a quoted attribute as it stands.
std::string PictureUrl(const std::string& path);

// "file://" followed by the percent-encoded absolute path.
std::string FileUrl(const std::string& absolutePath);

}  // namespace tessolar
