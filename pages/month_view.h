#pragma once
// A month as its pages show it, built once from the calendar: the headings,
// the weeks of day cells with each day's shown entries (caption, picture and
// the box the picture is fitted into), and the small months before and after
// it in the grid's blank cells. The renderers of the booklet, the screen and
// the wall calendar write their markup from this value alone. Texts are plain;
// the renderers escape them.

#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "caldata/cal_database.h"
#include "compute/notes.h"
#include "pages/image_size.h"
#include "pages/picture_measures.h"

namespace tessolar {

inline constexpr int kDaysPerWeek = 7;

// How a day cell lays out its shown entries.
enum class DayLayout {
  kEmpty,  // the day number alone
  kOne,    // a caption over one large picture
  kTwo,    // two captions side by side over two pictures
  kFour,   // four quadrants, the fourth left empty for three entries
};

struct EntryView {
  uint32_t slot = 0;  // the entry's store index
  uint32_t type = 0;
  std::string caption;
  // The picture's file and URL; an entry without a picture that still keeps
  // a box to double-click has the URL "null".
  std::string url;
  PictureSize box;  // the picture fitted into its box; 0 x 0 when none is drawn
};

struct DayView {
  int day = 0;
  std::string date;  // "YYYY-MM-DD"
  // What a screen reader says of the day: its date in the page's language
  // and the captions of all its shown entries.
  std::string spoken;
  DayLayout layout = DayLayout::kEmpty;
  std::vector<EntryView> entries;  // at most kEntriesShownPerDay
  uint32_t more = 0;               // shown entries beyond those
  // Marked on calendars that mark days off: a public holiday, a weekend day.
  bool dayOff = false;
  bool weekend = false;
};

struct MiniMonthView {
  std::string heading;  // month name and year
  int firstColumn = 0;  // the column of day 1
  int days = 0;
};

enum class CellKind { kBlank, kDay, kPreviousMonth, kNextMonth };

struct MonthView {
  int month = 0;  // 0..11
  int year = 0;
  std::string font;
  std::string heading;                                 // "January 2027"
  std::string hebrewMonths;                            // "Tevet/Sh'vat 5787"; empty when not shown
  std::array<std::string, kDaysPerWeek> weekdays;      // column headings, in capitals
  std::array<std::string, kDaysPerWeek> weekdayNames;  // the same, whole
  std::array<std::string, kDaysPerWeek> weekdayLetters;  // the small months' headings
  int firstColumn = 0;   // the column of day 1 in the calendar's week
  int cells = 0;         // 35 or 42
  int previousCell = 0;  // the blank cells holding the small months
  int nextCell = 0;
  std::vector<DayView> days;  // day d at d - 1
  // Per week row, on calendars that show them: the ISO week of the row's
  // Monday and what a screen reader calls the row ("Week 5").
  struct WeekNumber {
    int week = 0;
    std::string spoken;
  };
  std::vector<WeekNumber> weekNumbers;
  MiniMonthView previous, next;

  bool FiveWeeks() const { return cells == 35; }
  int Rows() const { return cells / kDaysPerWeek; }
  CellKind KindOfCell(int cell) const;
  const DayView& DayOfCell(int cell) const { return days[cell - firstColumn]; }
};

// What a page build finds out once for all its months: its pictures, and the
// calendar's days off when it marks them.
struct PageFacts {
  explicit PageFacts(const CCalDatabase& db, Notes* notes = nullptr);
  PictureMeasures pictures;
  std::set<std::pair<int, int>> daysOff;  // (month 0..11, day)
};

// The view of `month` (0..11) of `year`, its entries from `db`, its pictures
// and days off from `facts`. A month out of range is taken as January.
MonthView BuildMonthView(const CCalDatabase& db, int month, int year, PageFacts& facts);

}  // namespace tessolar
