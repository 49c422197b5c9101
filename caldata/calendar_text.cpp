#include "caldata/calendar_text.h"

#include <string_view>
#include <type_traits>
#include <utility>

#include "compute/language_table.h"
#include "tessolar_version.h"

namespace tessolar {
namespace {

// A text as one field. A text that begins with a double quote or holds a tab
// is quoted: the character after the opening quote is read as it stands, so
// only the later quotes are doubled.
std::string Field(std::string_view text) {
  std::string flat(text);
  for (char& c : flat) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  if (flat.empty() || (flat[0] != '"' && flat.find('\t') == std::string::npos)) return flat;
  std::string quoted = "\"";
  quoted += flat[0];
  for (size_t i = 1; i < flat.size(); ++i) {
    if (flat[i] == '"') quoted += '"';
    quoted += flat[i];
  }
  quoted += '"';
  return quoted;
}

class TextBuilder {
 public:
  // One line of fields. An empty last field gets a separator after it, since
  // the reader counts an empty field only when a separator ends it.
  template <typename... Fields>
  void Line(const Fields&... fields) {
    bool first = true;
    std::string last;
    ((Append(fields, first, last)), ...);
    if (last.empty()) text_ += '\t';
    text_ += '\n';
  }
  std::string Take() { return std::move(text_); }

 private:
  template <typename T>
  void Append(const T& value, bool& first, std::string& last) {
    if (!first) text_ += '\t';
    first = false;
    if constexpr (std::is_convertible_v<T, std::string_view>) {
      last = Field(value);
    } else {
      last = std::to_string(value);
    }
    text_ += last;
  }
  std::string text_;
};

}  // namespace

std::string CalendarText(const CCalDatabase& db) {
  TextBuilder out;
  out.Line(kBuildText, "Build");
  out.Line(db.Language(), "Language");
  // The region, the marking of days off and the week numbers after the week
  // start, so that readers that know none of them still read the line; a
  // calendar with none writes the line as before.
  if (db.WeekNumbers()) {
    out.Line(db.Country(), db.FirstWeekday(), db.Region(), int{db.MarkDaysOff()}, 1,
             "Country, FirstWeekday, Region, MarkDaysOff, WeekNumbers");
  } else if (db.MarkDaysOff()) {
    out.Line(db.Country(), db.FirstWeekday(), db.Region(), 1,
             "Country, FirstWeekday, Region, MarkDaysOff");
  } else if (db.Region().empty()) {
    out.Line(db.Country(), db.FirstWeekday(), "Country, FirstWeekday");
  } else {
    out.Line(db.Country(), db.FirstWeekday(), db.Region(), "Country, FirstWeekday, Region");
  }
  // The start month after the year, so that readers that know none still
  // read the year; a calendar that starts in January writes the line as before.
  if (db.StartMonth() == 0) {
    out.Line(db.Year(), "Year");
  } else {
    out.Line(db.Year(), db.StartMonth() + 1, "Year, StartMonth");
  }
  out.Line(int{db.Christian()}, "Christian");
  out.Line(int{db.Hebrew()}, "Hebrew");
  out.Line(int{db.Equinox()}, "Equinox");
  // The moon's other phases after the full moons, so that readers that do
  // not know them still read the line; without them the line is as before.
  if (db.MoonPhases()) {
    out.Line(int{db.FullMoons()}, 1, "FullMoons, MoonPhases");
  } else {
    out.Line(int{db.FullMoons()}, "FullMoons");
  }
  out.Line(int{db.National()}, "National");
  out.Line(db.ClipartDirectory(), "ClipartDirectory");
  out.Line(db.FontMainBody(), "FontMainBody");
  out.Line(db.Title(), "Title");
  out.Line(db.TitleFontStyle(), "TitleFontStyle");
  out.Line(db.TitleFontColor(), "TitleFontColor");
  out.Line(static_cast<int>(db.TitleFontSize()), "TitleFontSize");
  out.Line(db.TitleXPos(), db.TitleYPos(), db.TitlePictureIndex(), db.TitleWidth(),
           "TitleXPos, Y, Idx, Width");
  for (int i = 0; i < kBigPictureCount; ++i) {
    out.Line(db.BigPictureAt(i).pictureFile, db.BigPictureAt(i).description);
  }

  int valid = 0;
  for (uint32_t i = 0; i < db.Count(); ++i) valid += db.EntryAt(i)->IsValidForSaving();
  out.Line(valid);
  for (uint32_t i = 0; i < db.Count(); ++i) {
    const CalEntry& e = *db.EntryAt(i);
    if (!e.IsValidForSaving()) continue;
    out.Line(unsigned{e.month}, unsigned{e.day}, int{e.year}, e.type, unsigned{e.showAge},
             unsigned{e.hidden}, e.description, e.pictureFile, unsigned{e.weekday},
             unsigned{e.weekCode}, int{e.enteredYear});
  }

  // The store takes no record of day 0, but the count must match the lines all the same.
  int excluded = 0;
  for (const ExcludedDay& d : db.ExcludedDays()) excluded += d.day != 0;
  out.Line(excluded);
  for (const ExcludedDay& d : db.ExcludedDays()) {
    if (d.day != 0) out.Line(int{d.month}, int{d.day}, d.description);
  }
  return out.Take();
}

}  // namespace tessolar
