#include "app/flows/window_placement.h"

#include <cstdio>

namespace tessolar {

namespace {
constexpr unsigned kRestoreToMaximized = 2;
constexpr unsigned kShowNormal = 1;
constexpr unsigned kShowMaximized = 3;
}  // namespace

std::string FormatPlacement(const WindowPlacement& p) {
  char text[160];
  std::snprintf(text, sizeof text, "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d",
                p.maximized ? kRestoreToMaximized : 0u, p.maximized ? kShowMaximized : kShowNormal,
                -1, -1, -1, -1, p.left, p.top, p.right, p.bottom);
  return text;
}

std::optional<WindowPlacement> ParsePlacement(const std::string& text) {
  unsigned flags = 0, show = 0;
  int minX, minY, maxX, maxY;
  WindowPlacement p;
  char rest = 0;
  const int fields = std::sscanf(text.c_str(), "%u,%u,%d,%d,%d,%d,%d,%d,%d,%d%c", &flags, &show,
                                 &minX, &minY, &maxX, &maxY, &p.left, &p.top, &p.right,
                                 &p.bottom, &rest);
  if (fields != 10 || p.right <= p.left || p.bottom <= p.top) return std::nullopt;
  p.maximized = flags == kRestoreToMaximized || show == kShowMaximized;
  return p;
}

}  // namespace tessolar
