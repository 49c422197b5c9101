#include "caldata/calendar_text_reader.h"

#include <cctype>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "caldata/calendar_text.h"
#include "caldata/line_splitter.h"
#include "caldata/renamed_days.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"
#include "compute/week_start.h"

namespace tessolar {
namespace {

// The leading decimal number of a field, after blanks and an optional sign;
// nothing when there is none or it does not fit 64 bits.
std::optional<int64_t> Number(const std::string& field) {
  size_t i = 0;
  while (i < field.size() && (field[i] == ' ' || field[i] == '\t')) ++i;
  bool negative = false;
  if (i < field.size() && (field[i] == '-' || field[i] == '+')) negative = field[i++] == '-';
  if (i >= field.size() || !std::isdigit(static_cast<unsigned char>(field[i]))) return std::nullopt;
  int64_t value = 0;
  for (; i < field.size() && std::isdigit(static_cast<unsigned char>(field[i])); ++i) {
    const int digit = field[i] - '0';
    if (value > (std::numeric_limits<int64_t>::max() - digit) / 10) return std::nullopt;
    value = value * 10 + digit;
  }
  return negative ? -value : value;
}

// The number of a field when it lies in [lo, hi].
std::optional<int64_t> NumberIn(const std::string& field, int64_t lo, int64_t hi) {
  const auto value = Number(field);
  if (!value || *value < lo || *value > hi) return std::nullopt;
  return value;
}

constexpr int64_t kByteMax = std::numeric_limits<uint8_t>::max();
constexpr int64_t kWordMax = std::numeric_limits<uint32_t>::max();
constexpr int64_t kShortMin = std::numeric_limits<int16_t>::min();
constexpr int64_t kShortMax = std::numeric_limits<int16_t>::max();

class TextReader {
 public:
  TextReader(CCalDatabase& db, std::string_view text) : db_(db), lines_(text) {}

  int Read() {
    if (!NextLine(1)) return 0;
    const auto build = NumberIn(Field(0), kFirstKnownBuild, std::numeric_limits<int>::max());
    if (!build) return 0;
    build_ = static_cast<int>(*build);
    if (!ReadSettings() || !ReadBigPictures() || !ReadEntries()) return 0;
    if (build_ >= kBuildWithExcludedDays && !ReadExcludedDays()) return 0;
    return 1;
  }

 private:
  bool NextLine(size_t minFields) { return lines_.NextLine() >= minFields; }
  const std::string& Field(size_t i) const { return lines_.Field(i); }
  // Field i as an unsigned 32-bit number.
  std::optional<uint32_t> Word(size_t i) const {
    const auto v = NumberIn(Field(i), 0, kWordMax);
    if (!v) return std::nullopt;
    return static_cast<uint32_t>(*v);
  }

  // Lines 2 to 16: each must be there, with at least one field.
  bool ReadSettings() {
    if (!NextLine(1)) return false;
    if (auto v = NumberIn(Field(0), 0, kLanguageCount - 1)) db_.SetLanguage(static_cast<int>(*v));
    const size_t countryFields = lines_.NextLine();
    if (countryFields < 1) return false;
    if (auto v = NumberIn(Field(0), 0, kCountryCount - 1)) db_.SetCountry(static_cast<int>(*v));
    // The first day of the week follows the country on the same line; files
    // written before the setting existed start their weeks as the country does.
    const auto weekday = countryFields >= 3 ? NumberIn(Field(1), 0, 1) : std::nullopt;
    db_.SetFirstWeekday(weekday ? static_cast<int>(*weekday) : UsualFirstWeekday(db_.Country()));
    // Then the region, where one is chosen; one the country has none of
    // leaves the whole country, and the store keeps the name for a note.
    if (countryFields >= 4 && !Field(2).empty() && !db_.SetRegion(Field(2))) {
      db_.SetUnknownRegion(Field(2));
    }
    db_.SetMarkDaysOff(countryFields >= 5 && Number(Field(3)).value_or(0) == 1);
    db_.SetWeekNumbers(countryFields >= 6 && Number(Field(4)).value_or(0) == 1);
    const size_t yearFields = lines_.NextLine();
    if (yearFields < 1) return false;
    if (auto v = NumberIn(Field(0), kMinCalendarYear, kMaxCalendarYear)) {
      db_.SetYear(static_cast<int>(*v));
    }
    // Then the start month, 1..12, where it is not January; one out of range
    // starts the calendar in January, and the store keeps it for a note.
    if (yearFields >= 3) {
      if (auto v = NumberIn(Field(1), 1, kMonthsPerYear)) {
        db_.SetStartMonth(static_cast<int>(*v) - 1);
      } else {
        db_.SetUnreadStartMonth(Field(1));
      }
    }
    for (void (CCalDatabase::*set)(bool) :
         {&CCalDatabase::SetChristian, &CCalDatabase::SetHebrew, &CCalDatabase::SetEquinox,
          &CCalDatabase::SetFullMoons, &CCalDatabase::SetNational}) {
      const size_t fields = lines_.NextLine();
      if (fields < 1) return false;
      (db_.*set)(Number(Field(0)).value_or(0) != 0);
      // The full moons' line may go on with the moon's other phases.
      if (set == &CCalDatabase::SetFullMoons) {
        db_.SetMoonPhases(fields >= 3 && Number(Field(1)).value_or(0) != 0);
      }
    }
    if (build_ >= kBuildWithClipart) {
      if (!NextLine(1)) return false;
      db_.SetClipartDirectory(Field(0));
    }
    // The main font is optional: a missing or odd line leaves the font as it is.
    if (lines_.NextLine() == 2) db_.SetFontMainBody(Field(0));
    if (!NextLine(1)) return false;
    db_.SetTitle(Field(0));
    if (build_ >= kBuildWithTitleFont) {
      if (!NextLine(1)) return false;
      db_.SetTitleFontStyle(Field(0));
      if (!NextLine(1)) return false;
      db_.SetTitleFontColor(Field(0));
      if (!NextLine(1)) return false;
      if (auto v = Word(0)) db_.SetTitleFontSize(*v);
    }
    if (build_ >= kBuildWithTitlePosition) {
      if (!NextLine(4)) return false;
      if (auto v = Word(0)) db_.SetTitleXPos(*v);
      if (auto v = Word(1)) db_.SetTitleYPos(*v);
      if (auto v = Word(2)) db_.SetTitlePictureIndex(*v);
      if (auto v = Word(3)) db_.SetTitleWidth(*v);
    }
    return true;
  }

  bool ReadBigPictures() {
    for (int slot = 0; slot < kBigPictureCount; ++slot) {
      const size_t fields = lines_.NextLine();
      if (fields == 0) return false;
      if (fields == 2) db_.SetBigPicture(slot, Field(0), Field(1));
    }
    return true;
  }

  bool ReadEntries() {
    if (!NextLine(1)) return false;
    const int64_t n = Number(Field(0)).value_or(0);
    // Counts above what the store holds are read all the same: the store
    // refuses the surplus, and the lines after them stay in step.
    for (int64_t i = 0; i < n && !lines_.AtEnd(); ++i) {
      const size_t fields = lines_.NextLine();
      if (fields > 0) ReadEntry(fields);
    }
    db_.AppendEntries(entries_);
    return true;
  }

  void ReadEntry(size_t fields) {
    const auto month = NumberIn(Field(0), 0, 11);
    const auto type = NumberIn(Field(3), 0, kWordMax);
    if (!month || !type) return;
    CalEntry e;
    e.month = static_cast<uint8_t>(*month);
    e.day = static_cast<uint8_t>(NumberIn(Field(1), 0, kByteMax).value_or(0));
    e.year = static_cast<int16_t>(NumberIn(Field(2), kShortMin, kShortMax).value_or(0));
    e.type = static_cast<uint32_t>(*type);
    e.showAge = Number(Field(4)).value_or(0) != 0;
    e.hidden = Number(Field(5)).value_or(0) != 0;
    e.description = Field(6);
    e.pictureFile = Field(7);
    if (build_ >= kBuildWithFloatingFields && fields >= LineSplitter::kMaxFields) {
      e.weekday = static_cast<uint8_t>(NumberIn(Field(8), 0, kByteMax).value_or(0));
      e.weekCode = static_cast<uint8_t>(NumberIn(Field(9), 0, kByteMax).value_or(0));
      e.enteredYear = static_cast<int16_t>(NumberIn(Field(10), kShortMin, kShortMax).value_or(0));
    }
    if (e.IsFloating()) {
      // Dated by its rule for the year its month has in the calendar; where the rule gives no day
      // (a year before 1775, Election Day in an odd year) it keeps its own.
      const int day = RuleDayIn(e, db_.Span().YearOf(e.month));
      if (day > 0) e.day = static_cast<uint8_t>(day);
    } else {
      RenameOutdatedDay(e, db_.Span().YearOf(e.month));
      if (e.description.empty()) e.description = "unknown";
      e.pictureFile = db_.ResolvePicturePath(e.pictureFile);
    }
    if (e.day == 0 || e.year == 0) return;
    // Appended whole, so that every field read survives and an earlier entry
    // of the same name and type is never taken for this one; sorted once, at the end.
    entries_.push_back(std::move(e));
  }

  bool ReadExcludedDays() {
    if (!NextLine(1)) return false;
    const int64_t m = Number(Field(0)).value_or(0);
    for (int64_t i = 0; i < m && !lines_.AtEnd(); ++i) {
      if (lines_.NextLine() == 0) continue;
      const auto month = NumberIn(Field(0), 0, 11);
      const auto day = NumberIn(Field(1), 1, kByteMax);
      if (month && day) {
        db_.AddExcludedDay({static_cast<uint8_t>(*month), static_cast<uint8_t>(*day), Field(2)});
      }
    }
    return true;
  }

  CCalDatabase& db_;
  LineSplitter lines_;
  std::vector<CalEntry> entries_;
  int build_ = 0;
};

}  // namespace

int ReadCalendarText(CCalDatabase& db, std::string_view text) {
  return TextReader(db, text).Read();
}

}  // namespace tessolar
