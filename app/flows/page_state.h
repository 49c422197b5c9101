#pragma once
// Which page the view shows, and which month.

namespace tessolar {

enum class PageMode {
  kNone = 0,  // no page generated yet
  kWelcome = 1,
  kBigPictures = 2,
  kOneMonth = 3,
  kAllMonths = 4,
  kCalDatabase = 5,
  kHelp = 7,
  kHiddenEvents = 8,
  kTitlePage = 9,
};

struct PageState {
  PageMode currentPageMode = PageMode::kWelcome;  // the page that should be on screen
  PageMode renderedPageMode = PageMode::kNone;    // the page the navigation hook last wrote
  int currentMonth = 0;                           // 0..11, of the one-month page
  // The page the hook last wrote for the view to load, and its month: the
  // page on screen, which an edit updates in place.
  PageMode shownPageMode = PageMode::kNone;
  int shownMonth = -1;
};

}  // namespace tessolar
