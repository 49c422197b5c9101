#include "pages/month_view.h"

#include <algorithm>

#include "caldata/captions.h"
#include "compute/date_arithmetic.h"
#include "compute/hebrew_calendar.h"
#include "compute/language_table.h"
#include "compute/utf8.h"
#include "compute/week_start.h"
#include "generators/days_off.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

constexpr int kFiveWeekCells = 35;
constexpr int kSixWeekCells = 42;

const char kSoberPicture[] = "al_anon.jpg";

// The boxes a day cell fits its pictures into: height and largest width.
struct Box {
  uint32_t height;
  uint32_t largestWidth;
};
constexpr Box kOneEntryBox{95, 135};
constexpr Box kTwoEntriesBox{65, 75};
constexpr Box kQuadrantBox{40, 67};
// A sober anniversary without a picture of its own shows the shipped one at this size.
constexpr PictureSize kSoberPictureSize{80, 75};

DayLayout LayoutFor(size_t shown) {
  switch (shown) {
    case 0: return DayLayout::kEmpty;
    case 1: return DayLayout::kOne;
    case 2: return DayLayout::kTwo;
    default: return DayLayout::kFour;
  }
}

PictureSize Fit(Box box, PictureSize picture) {
  return FitIntoBox(box.height, box.largestWidth, picture.height, picture.width);
}

// The picture of one shown entry as its day's layout draws it. The large
// picture of a lone entry keeps an invisible box to double-click when the
// entry has none; the smaller layouts leave its place empty.
void PlacePicture(const CCalDatabase& db, const CalEntry& entry, DayLayout layout,
                  PictureMeasures& pictures, EntryView& view) {
  const std::string picture = EntryPicture(
      db, entry, [&pictures](const std::string& path) { return pictures.Exists(path); });
  if (IsNoPicture(picture)) {
    if (layout == DayLayout::kOne) {
      view.url = kNoPicture;
      view.box = Fit(kOneEntryBox, kDefaultPictureSize);
    } else if (layout == DayLayout::kTwo && entry.type == kSoberAnniversary) {
      view.url = pictures.Url(db.PicturePathToShow(kSoberPicture));
      view.box = kSoberPictureSize;
    }
    return;
  }
  const Box box = layout == DayLayout::kOne   ? kOneEntryBox
                  : layout == DayLayout::kTwo ? kTwoEntriesBox
                                              : kQuadrantBox;
  view.url = pictures.Url(picture);
  view.box = Fit(box, pictures.Size(picture));
}

std::string SpokenDate(int language, int weekday, int month, int year, int day) {
  std::string text = LanguageString(language, lang::kSpokenDate);
  ReplaceMarker(text, "{weekday}", WeekdayName(language, weekday));
  ReplaceMarker(text, "{day}", std::to_string(day));
  ReplaceMarker(text, "{month}", MonthName(language, month));
  ReplaceMarker(text, "{year}", std::to_string(year));
  return text;
}

DayView BuildDay(const CCalDatabase& db, int month, int year, int day, int weekday,
                 PictureMeasures& pictures) {
  DayView view;
  view.day = day;
  view.date = IsoDate(year, month, day);
  const std::vector<CalEntry> shown = db.GetEntriesOfDay(month, day);
  std::vector<std::string> captions;
  view.spoken = SpokenDate(db.Language(), weekday, month, year, day);
  for (const CalEntry& entry : shown) {
    captions.push_back(EntryCaption(db, entry));
    view.spoken += (captions.size() == 1 ? ": " : "; ") + captions.back();
  }
  view.layout = LayoutFor(shown.size());
  const size_t drawn = std::min<size_t>(shown.size(), kEntriesShownPerDay);
  view.more = static_cast<uint32_t>(shown.size() - drawn);
  for (size_t k = 0; k < drawn; ++k) {
    const CalEntry& entry = shown[k];
    EntryView entryView;
    entryView.slot = entry.index;
    entryView.type = entry.type;
    entryView.caption = std::move(captions[k]);
    PlacePicture(db, entry, view.layout, pictures, entryView);
    view.entries.push_back(std::move(entryView));
  }
  return view;
}

std::string Heading(const CCalDatabase& db, int month, int year) {
  return MonthName(db.Language(), month) + " " + std::to_string(year);
}

// The Hebrew months from day 1 to the last day, with the Hebrew year, or both
// years when the month spans the Hebrew new year.
std::string HebrewMonths(int month, int year) {
  const HebrewDate first = HebrewDateOf(1, month, year);
  const HebrewDate last = HebrewDateOf(DaysInMonth(month, year), month, year);
  if (!first.IsValid() || !last.IsValid()) return {};
  if (first.year == last.year) {
    return HebrewMonthName(first.month) + "/" + HebrewMonthName(last.month) + " " +
           std::to_string(first.year);
  }
  return HebrewMonthName(first.month) + " " + std::to_string(first.year) + "/" +
         HebrewMonthName(last.month) + " " + std::to_string(last.year);
}

// The first `letters` letters of a weekday's name, in capitals.
std::string WeekdayInitials(const CCalDatabase& db, int weekday, size_t letters) {
  return ToUpperUtf8(CodePointPrefix(WeekdayName(db.Language(), weekday), letters));
}

// The ISO week of each row's Monday: a row from Sunday holds the end of one
// ISO week and most of the next, and planners count by the next.
std::vector<MonthView::WeekNumber> WeekNumbers(const MonthView& view, int language,
                                               int firstWeekday) {
  constexpr int kMonday = 1;
  const int64_t firstOfMonth = DaysFromCivil(view.year, view.month, 1);
  const int mondayColumn = ColumnOfWeekday(kMonday, firstWeekday);
  std::vector<MonthView::WeekNumber> numbers;
  for (int row = 0; row < view.Rows(); ++row) {
    const int week =
        IsoWeekOfDays(firstOfMonth + row * kDaysPerWeek + mondayColumn - view.firstColumn);
    std::string spoken = LanguageString(language, lang::kWeekNumber);
    ReplaceMarker(spoken, "{week}", std::to_string(week));
    numbers.push_back({week, std::move(spoken)});
  }
  return numbers;
}

MiniMonthView MiniMonth(const CCalDatabase& db, int month, int year) {
  return {Heading(db, month, year),
          ColumnOfWeekday(FirstWeekdayOfMonth(month, year), db.FirstWeekday()),
          DaysInMonth(month, year)};
}

}  // namespace

CellKind MonthView::KindOfCell(int cell) const {
  if (cell >= firstColumn && cell < firstColumn + static_cast<int>(days.size()))
    return CellKind::kDay;
  if (cell == previousCell) return CellKind::kPreviousMonth;
  if (cell == nextCell) return CellKind::kNextMonth;
  return CellKind::kBlank;
}

PageFacts::PageFacts(const CCalDatabase& db, Notes* notes) : pictures(notes) {
  if (db.MarkDaysOff()) daysOff = DaysOffOf(db);
}

MonthView BuildMonthView(const CCalDatabase& db, int month, int year, PageFacts& facts) {
  if (month < 0 || month > 11) month = 0;
  MonthView view;
  view.month = month;
  view.year = year;
  view.font = db.FontMainBody();
  view.heading = Heading(db, month, year);
  if (db.Hebrew()) view.hebrewMonths = HebrewMonths(month, year);
  const size_t letters = WeekdayHeadingLetters(db.Language());
  for (int column = 0; column < kDaysPerWeek; ++column) {
    const int weekday = WeekdayOfColumn(column, db.FirstWeekday());
    view.weekdays[column] = WeekdayInitials(db, weekday, letters);
    view.weekdayNames[column] = WeekdayName(db.Language(), weekday);
    view.weekdayLetters[column] = WeekdayInitials(db, weekday, 1);
  }

  const int days = DaysInMonth(month, year);
  const int firstWeekday = FirstWeekdayOfMonth(month, year);
  view.firstColumn = ColumnOfWeekday(firstWeekday, db.FirstWeekday());
  // The small months take the first and last blank cells of five weeks, the
  // first two when the month ends a week, the first and last of six.
  const int last = view.firstColumn + days - 1;
  view.cells = last >= kFiveWeekCells ? kSixWeekCells : kFiveWeekCells;
  if (last >= kFiveWeekCells) {
    view.previousCell = 0, view.nextCell = kSixWeekCells - 1;
  } else if (last % kDaysPerWeek == kDaysPerWeek - 1) {
    view.previousCell = 0, view.nextCell = 2;
  } else if (view.firstColumn == 0) {
    view.previousCell = 32, view.nextCell = 34;
  } else {
    view.previousCell = 0, view.nextCell = 34;
  }
  for (int day = 1; day <= days; ++day) {
    const int weekday = (firstWeekday + day - 1) % kDaysPerWeek;
    view.days.push_back(BuildDay(db, month, year, day, weekday, facts.pictures));
    if (!db.MarkDaysOff()) continue;
    view.days.back().dayOff = facts.daysOff.count({month, day}) != 0;
    view.days.back().weekend = weekday == 0 || weekday == kDaysPerWeek - 1;
  }
  if (db.WeekNumbers()) view.weekNumbers = WeekNumbers(view, db.Language(), db.FirstWeekday());
  view.previous = month == 0 ? MiniMonth(db, 11, year - 1) : MiniMonth(db, month - 1, year);
  view.next = month == 11 ? MiniMonth(db, 0, year + 1) : MiniMonth(db, month + 1, year);
  return view;
}

}  // namespace tessolar
