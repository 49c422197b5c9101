#pragma once
// The calendar store: up to kMaxEntries entries kept sorted by month, day and
// year, and the calendar's configuration. The program owns exactly one store
// (the desktop program's document, or one per command of the command-line
// tool) and hands it by reference to whatever reads or changes the calendar;
// tests make a fresh one per case.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "caldata/cal_entry.h"
#include "compute/calendar_span.h"

namespace tessolar {

inline constexpr uint32_t kMaxEntries = 500;
inline constexpr size_t kMaxExcludedDays = 500;
inline constexpr int kBigPictureCount = 12;

// The title's limits: its place on the title page and the width of its text
// box in pixels, its size in points. Larger values are refused.
inline constexpr uint32_t kMaxTitleX = 1025;
inline constexpr uint32_t kMaxTitleY = 925;
inline constexpr uint32_t kMaxTitleWidth = 1025;
inline constexpr uint32_t kMaxTitleFontSize = 256;

struct ExcludedDay {
  uint8_t month = 0;  // 0..11
  uint8_t day = 0;    // 1..31
  std::string description;
  bool operator==(const ExcludedDay& o) const {
    return month == o.month && day == o.day && description == o.description;
  }
};

struct BigPicture {
  std::string pictureFile;
  std::string description;
  bool operator==(const BigPicture& o) const {
    return pictureFile == o.pictureFile && description == o.description;
  }
};

class CCalDatabase {
 public:
  CCalDatabase();

  // Back to a new calendar. The title font, colour, size, position, picture
  // index and width, the include flags and the clip-art folder are kept.
  void ResetDatabase();

  // --- Configuration -------------------------------------------------------
  int Year() const { return year_; }
  void SetYear(int year) { year_ = year; }
  // The month the calendar starts in, 0..11 (others are ignored); a reset
  // starts it in January again.
  int StartMonth() const { return startMonth_; }
  void SetStartMonth(int month);
  CalendarSpan Span() const { return {year_, startMonth_}; }
  // A start month the calendar's file named out of 1..12, as much of it as
  // a note shows; empty again once the calendar is saved or reset.
  const std::string& UnreadStartMonth() const { return unreadStartMonth_; }
  void SetUnreadStartMonth(std::string_view text) { unreadStartMonth_ = Printable(text); }
  // The language of the pages and computed days' names (0 to 2) and the
  // country whose national days are computed (0 to 7); values out of range
  // are ignored. A reset keeps both, as a new calendar starts like the last.
  int Language() const { return language_; }
  void SetLanguage(int language);
  int Country() const { return country_; }
  // Another country drops the region.
  void SetCountry(int country);
  // The region of the country the calendar shows the days off of, as its
  // ISO 3166-2 code ("DE-BY"); empty for the whole country. A code the
  // country has no region of is refused (false) and changes nothing. A reset
  // keeps it with the country.
  const std::string& Region() const { return region_; }
  bool SetRegion(std::string_view code);
  // A region the calendar's file named that its country has none of, as
  // much of it as a note shows; empty again once the calendar is saved or reset.
  const std::string& UnknownRegion() const { return unknownRegion_; }
  void SetUnknownRegion(std::string_view code) { unknownRegion_ = Printable(code); }
  // The weekday the weeks start on: kSundayFirst or kMondayFirst (others are
  // ignored). A reset keeps it with the country.
  int FirstWeekday() const { return firstWeekday_; }
  void SetFirstWeekday(int weekday);
  // Whether the pages mark the days off: a public holiday's number in the
  // holiday colour and the weekend's columns tinted. Off for calendars whose
  // file does not say; new calendars turn it on.
  bool MarkDaysOff() const { return markDaysOff_; }
  void SetMarkDaysOff(bool on) { markDaysOff_ = on; }
  // Whether the month grids show each week's ISO 8601 number. Off for
  // calendars whose file does not say; new ones follow the country's custom.
  bool WeekNumbers() const { return weekNumbers_; }
  void SetWeekNumbers(bool on) { weekNumbers_ = on; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  const std::string& FontMainBody() const { return fontMainBody_; }
  void SetFontMainBody(const std::string& font);      // empty ignored
  const std::string& TitleFontStyle() const { return titleFontStyle_; }
  void SetTitleFontStyle(const std::string& font);    // empty ignored
  const std::string& TitleFontColor() const { return titleFontColor_; }
  void SetTitleFontColor(const std::string& color);   // empty ignored
  uint32_t TitleFontSize() const { return titleFontSize_; }
  void SetTitleFontSize(uint32_t size);               // up to kMaxTitleFontSize
  uint32_t TitleXPos() const { return titleXPos_; }
  void SetTitleXPos(uint32_t x);                      // up to kMaxTitleX
  uint32_t TitleYPos() const { return titleYPos_; }
  void SetTitleYPos(uint32_t y);                      // up to kMaxTitleY
  uint32_t TitlePictureIndex() const { return titlePictureIndex_; }
  void SetTitlePictureIndex(uint32_t index);          // accepted below 13
  uint32_t TitleWidth() const { return titleWidth_; }
  void SetTitleWidth(uint32_t width);                 // up to kMaxTitleWidth

  // Slots 0..11; an out-of-range slot reads empty and ignores writes.
  const BigPicture& BigPictureAt(int slot) const;
  void SetBigPicture(int slot, const std::string& pictureFile, const std::string& description);
  // The slot's picture as the pages load it (PicturePathToShow); empty and no picture stay as they are.
  std::string BigPicturePath(int slot) const;

  const std::vector<ExcludedDay>& ExcludedDays() const { return excludedDays_; }
  // Adds a record only while fewer than kMaxExcludedDays are held, the month is
  // below 12 and the day is not 0. Returns whether it was added.
  bool AddExcludedDay(const ExcludedDay& day);

  bool Christian() const { return christian_; }
  void SetChristian(bool on) { christian_ = on; }
  bool Hebrew() const { return hebrew_; }
  void SetHebrew(bool on) { hebrew_ = on; }
  bool Equinox() const { return equinox_; }
  void SetEquinox(bool on) { equinox_ = on; }
  bool FullMoons() const { return fullMoons_; }
  void SetFullMoons(bool on) { fullMoons_ = on; }
  // The new moons and the quarters, a family beside the full moons.
  bool MoonPhases() const { return moonPhases_; }
  void SetMoonPhases(bool on) { moonPhases_ = on; }
  bool National() const { return national_; }
  void SetNational(bool on) { national_ = on; }

  // Folder put in front of picture names that have no directory part.
  const std::string& ClipartDirectory() const { return clipartDirectory_; }
  void SetClipartDirectory(const std::string& dir) { clipartDirectory_ = dir; }
  // `picture` as stored: with the clip-art folder in front when it has no directory part.
  std::string ResolvePicturePath(const std::string& picture) const;
  // `picture` as the pages load it: like ResolvePicturePath, but a calendar
  // without a clip-art folder takes bare names from the shipped clip-art.
  std::string PicturePathToShow(const std::string& picture) const;

  // --- Entries -------------------------------------------------------------
  uint32_t Count() const { return count_; }
  void PutEntry(const CalEntry& entry, uint32_t slot);
  void CommitNewEntry();

  // Appends a day with the checks below; returns the count as it was on entry.
  // Nothing is stored when the table is full, month >= 12, day is 0 or year is 0.
  uint32_t SaveHolidayData(int month, int day, int year, uint32_t type,
                           const std::string& description, const std::string& pictureFile,
                           int hidden, int showAge);
  // Appends the entry unchanged (when there is room); returns the count as it was on entry.
  uint32_t SaveHolidayData(const CalEntry& entry);
  // Appends the entries unchanged while there is room, then sorts once.
  // Returns how many were stored; the rest count as left out.
  uint32_t AppendEntries(const std::vector<CalEntry>& entries);
  // Entries the calendar's file lists beyond what the store holds, left out
  // when it was read; 0 again once the calendar is saved or reset.
  uint32_t EntriesLeftOut() const { return entriesLeftOut_; }
  // Once saved, the calendar's file holds it as it is: what the file read
  // left out (entries, an unknown region, a start month) is no longer said.
  void ForgetWhatWasLeftOut() {
    entriesLeftOut_ = 0;
    unknownRegion_.clear();
    unreadStartMonth_.clear();
  }
  // Adds a computed day, or moves the entry of the same type and description to
  // the new date (keeping a picture the user set, and hidden if they hid it).
  // Returns the slot used.
  uint32_t ReplaceHolidayData(int month, int day, int year, uint32_t type,
                              const std::string& description, const std::string& pictureFile);

  // Marks the first entry with this date, type and description deleted. The
  // picture is not compared: a computed day keeps a picture the user gave it.
  // Does not sort.
  void RemoveHolidayData(int month, int day, int year, uint32_t type,
                         const std::string& description, const std::string& pictureFile);
  // Removes the first entry with this description, and sorts.
  void RemoveEntryByDescription(const std::string& description);

  void SortAndCompact();

  // Entries of a day that are shown, in store order: not hidden, not dated
  // after the year the month has in the calendar, and reminders only in
  // their own year.
  std::vector<CalEntry> GetEntriesOfDay(int month, int day) const;

  // The entries of the months before `endMonth` become those `other` holds
  // in them (as many as there is room for); the later months keep their own.
  void TakeMonthsBefore(int endMonth, const CCalDatabase& other);

  // Slot `slot` for slot <= count, else nullptr.
  const CalEntry* EntryAt(uint32_t slot) const;

  std::vector<CalEntry> GetHiddenEntries() const;
  std::vector<uint32_t> GetHiddenEntryIndices() const;
  void SetEntryHidden(uint32_t slot, bool hidden);
  // For each copy, the first entry with the same description is hidden again;
  // none is when more copies are given than the table holds.
  void RestoreHiddenByDescription(const std::vector<CalEntry>& hidden);

  // Dates every floating entry for the year its month has in the calendar;
  // sorts once if any moved.
  void RedateFloatingEntries();

 private:
  void MarkDeleted(uint32_t slot);
  bool IsShown(const CalEntry& entry) const;
  // A text from a file as much of it as a note shows: a few printable characters.
  static std::string Printable(std::string_view text);

  std::array<CalEntry, kMaxEntries> entries_{};
  uint32_t count_ = 0;
  uint32_t entriesLeftOut_ = 0;

  int year_ = 2007;
  int startMonth_ = 0;
  std::string unreadStartMonth_;
  int language_ = 0;
  int country_ = 0;
  std::string region_;
  std::string unknownRegion_;
  int firstWeekday_ = 0;
  bool markDaysOff_ = false;
  bool weekNumbers_ = false;
  std::string title_ = "Blank Title";
  std::string fontMainBody_ = "Verdana";
  std::string titleFontStyle_ = "Verdana";
  std::string titleFontColor_ = "gray";
  uint32_t titleFontSize_ = 128;
  uint32_t titleXPos_ = 50;
  uint32_t titleYPos_ = 50;
  uint32_t titlePictureIndex_ = 0;
  uint32_t titleWidth_ = 700;
  std::array<BigPicture, kBigPictureCount> bigPictures_{};
  std::vector<ExcludedDay> excludedDays_;
  bool christian_ = false;
  bool hebrew_ = false;
  bool equinox_ = false;
  bool fullMoons_ = false;
  bool moonPhases_ = false;
  bool national_ = false;
  std::string clipartDirectory_;
};

}  // namespace tessolar
