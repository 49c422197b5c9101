#pragma once
// What the flows need of the browser view that shows the page file.

#include <cstdint>
#include <string>

namespace tessolar {

class PageDisplay {
 public:
  virtual ~PageDisplay() = default;
  // Loads the page file again, so that what was last written is shown.
  virtual void NavigateToPage() = 0;
  // Puts `page` (a whole page text) in place of the page on screen, which
  // keeps its scroll position and script state: an edit's new version of
  // the page shown.
  virtual void ReplacePage(const std::string& page) = 0;
  // Selects the day `date` ("YYYY-MM-DD") of the page being loaded, with the
  // keyboard focus on it, once it has loaded.
  virtual void SelectDay(const std::string& date) = 0;
  // The view's size in pixels; the big-pictures page fits its pictures into it.
  virtual uint32_t ClientWidth() const = 0;
  virtual uint32_t ClientHeight() const = 0;
};

}  // namespace tessolar
