#pragma once
// The main window's position as kept in the settings ("MainWndPos" in group
// "Settings"): ten numbers, "flags,show,minX,minY,maxX,maxY,left,top,right,bottom".

#include <optional>
#include <string>

namespace tessolar {

struct WindowPlacement {
  bool maximized = false;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Flags 2 and show command 3 when maximized, else 0 and 1; no minimized or
// maximized position (-1).
std::string FormatPlacement(const WindowPlacement& placement);
// Nothing unless all ten numbers are there and the rectangle is not empty.
std::optional<WindowPlacement> ParsePlacement(const std::string& text);

}  // namespace tessolar
