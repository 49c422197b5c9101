#include "caldata/cal_database.h"

#include <algorithm>
#include <cctype>
#include <tuple>
#include <utility>

#include "caldata/data_paths.h"
#include "caldata/regions.h"
#include "compute/date_arithmetic.h"
#include "compute/language_table.h"
#include "compute/week_start.h"

namespace tessolar {
namespace {

bool HasDirectoryPart(const std::string& path) {
  return path.find('/') != std::string::npos || path.find('\\') != std::string::npos;
}

const BigPicture kEmptyBigPicture;

}  // namespace

CCalDatabase::CCalDatabase() { ResetDatabase(); }

void CCalDatabase::ResetDatabase() {
  for (auto& picture : bigPictures_) picture = BigPicture{};
  for (uint32_t i = 0; i < kMaxEntries; ++i) {
    entries_[i] = CalEntry{};
    entries_[i].index = i;
  }
  year_ = 2007;
  startMonth_ = 0;
  unreadStartMonth_.clear();
  count_ = 0;
  excludedDays_.clear();
  entriesLeftOut_ = 0;
  unknownRegion_.clear();
  title_ = "Blank Title";
  fontMainBody_ = "Verdana";
}

void CCalDatabase::SetLanguage(int language) {
  if (language >= 0 && language < kLanguageCount) language_ = language;
}
void CCalDatabase::SetCountry(int country) {
  if (country < 0 || country >= kCountryCount || country == country_) return;
  country_ = country;
  region_.clear();
}
std::string CCalDatabase::Printable(std::string_view text) {
  // A code is a few letters; a hostile file may put anything there.
  constexpr size_t kShown = 16;
  std::string shown;
  for (const char c : text.substr(0, kShown)) {
    shown += std::isgraph(static_cast<unsigned char>(c)) ? c : '?';
  }
  return shown;
}
void CCalDatabase::SetStartMonth(int month) {
  if (month >= 0 && month < kMonthsPerYear) startMonth_ = month;
}
bool CCalDatabase::SetRegion(std::string_view code) {
  if (code.empty()) {
    region_.clear();
    return true;
  }
  const tessolar::Region* region = FindRegion(country_, code);
  if (region == nullptr) return false;
  region_ = region->code;
  return true;
}
void CCalDatabase::SetFirstWeekday(int weekday) {
  if (weekday == kSundayFirst || weekday == kMondayFirst) firstWeekday_ = weekday;
}
void CCalDatabase::SetFontMainBody(const std::string& font) {
  if (!font.empty()) fontMainBody_ = font;
}
void CCalDatabase::SetTitleFontStyle(const std::string& font) {
  if (!font.empty()) titleFontStyle_ = font;
}
void CCalDatabase::SetTitleFontColor(const std::string& color) {
  if (!color.empty()) titleFontColor_ = color;
}
void CCalDatabase::SetTitleFontSize(uint32_t size) {
  if (size <= kMaxTitleFontSize) titleFontSize_ = size;
}
void CCalDatabase::SetTitleXPos(uint32_t x) {
  if (x <= kMaxTitleX) titleXPos_ = x;
}
void CCalDatabase::SetTitleYPos(uint32_t y) {
  if (y <= kMaxTitleY) titleYPos_ = y;
}
void CCalDatabase::SetTitlePictureIndex(uint32_t index) {
  if (index < 13) titlePictureIndex_ = index;
}
void CCalDatabase::SetTitleWidth(uint32_t width) {
  if (width <= kMaxTitleWidth) titleWidth_ = width;
}

const BigPicture& CCalDatabase::BigPictureAt(int slot) const {
  if (slot < 0 || slot >= kBigPictureCount) return kEmptyBigPicture;
  return bigPictures_[slot];
}

void CCalDatabase::SetBigPicture(int slot, const std::string& pictureFile,
                                 const std::string& description) {
  if (slot < 0 || slot >= kBigPictureCount) return;
  bigPictures_[slot] = BigPicture{pictureFile, description};
}

std::string CCalDatabase::BigPicturePath(int slot) const {
  const std::string& picture = BigPictureAt(slot).pictureFile;
  if (IsNoPicture(picture)) return picture;
  return PicturePathToShow(picture);
}

bool CCalDatabase::AddExcludedDay(const ExcludedDay& day) {
  if (excludedDays_.size() >= kMaxExcludedDays || day.month >= 12 || day.day == 0) return false;
  excludedDays_.push_back(day);
  return true;
}

std::string CCalDatabase::ResolvePicturePath(const std::string& picture) const {
  return HasDirectoryPart(picture) ? picture : clipartDirectory_ + picture;
}

std::string CCalDatabase::PicturePathToShow(const std::string& picture) const {
  if (HasDirectoryPart(picture)) return picture;
  return (clipartDirectory_.empty() ? ShippedClipartDirectory() : clipartDirectory_) + picture;
}

void CCalDatabase::PutEntry(const CalEntry& entry, uint32_t slot) {
  if (slot < kMaxEntries) entries_[slot] = entry;
}

void CCalDatabase::CommitNewEntry() {
  // Callers only commit after filling the slot at the count, so the count stays in the table.
  if (count_ < kMaxEntries) ++count_;
  SortAndCompact();
}

uint32_t CCalDatabase::SaveHolidayData(int month, int day, int year, uint32_t type,
                                       const std::string& description,
                                       const std::string& pictureFile, int hidden, int showAge) {
  const uint32_t slot = count_;
  if (count_ >= kMaxEntries || month < 0 || month >= 12 || day == 0 || year == 0) return slot;
  // A bare name gets the clip-art folder in front; an empty one becomes the folder alone.
  CalEntry entry =
      DatedEntry(month, day, year, type, description.empty() ? "unknown" : description,
                 HasDirectoryPart(pictureFile) ? pictureFile : clipartDirectory_ + pictureFile);
  entry.showAge = static_cast<uint8_t>(showAge != 0);
  entry.hidden = static_cast<uint8_t>(hidden != 0);
  entry.index = slot;
  PutEntry(entry, slot);
  CommitNewEntry();
  return slot;
}

uint32_t CCalDatabase::SaveHolidayData(const CalEntry& entry) {
  const uint32_t slot = count_;
  if (count_ < kMaxEntries) {
    PutEntry(entry, slot);
    CommitNewEntry();
  }
  return slot;
}

uint32_t CCalDatabase::AppendEntries(const std::vector<CalEntry>& entries) {
  uint32_t stored = 0;
  for (const CalEntry& entry : entries) {
    if (count_ >= kMaxEntries) break;
    PutEntry(entry, count_++);
    ++stored;
  }
  entriesLeftOut_ += static_cast<uint32_t>(entries.size()) - stored;
  SortAndCompact();
  return stored;
}

uint32_t CCalDatabase::ReplaceHolidayData(int month, int day, int year, uint32_t type,
                                          const std::string& description,
                                          const std::string& pictureFile) {
  CalEntry entry = DatedEntry(month, day, year, type, description, ResolvePicturePath(pictureFile));
  for (uint32_t i = 0; i < count_; ++i) {
    CalEntry& old = entries_[i];
    if (old.type != type || old.description != description) continue;
    if (!IsNoPicture(old.pictureFile)) {
      entry.pictureFile = old.pictureFile;
    }
    // A day its owner hid stays hidden when it is dated again (on opening).
    entry.hidden = old.hidden;
    entry.index = i;
    PutEntry(entry, i);
    SortAndCompact();
    return i;
  }
  const uint32_t slot = count_;
  if (count_ < kMaxEntries) {
    entry.index = slot;
    PutEntry(entry, slot);
    CommitNewEntry();
  }
  return slot;
}

void CCalDatabase::MarkDeleted(uint32_t slot) {
  const uint32_t index = entries_[slot].index;
  entries_[slot] = CalEntry{};
  entries_[slot].index = index;
  entries_[slot].month = kDeletedMark;
  entries_[slot].day = kDeletedMark;
  entries_[slot].year = kDeletedYear;
}

void CCalDatabase::RemoveHolidayData(int month, int day, int year, uint32_t type,
                                     const std::string& description, const std::string&) {
  for (uint32_t i = 0; i < count_; ++i) {
    const CalEntry& e = entries_[i];
    if (e.type == type && e.description == description && e.month == month && e.day == day &&
        e.year == year) {
      MarkDeleted(i);
      return;
    }
  }
}

void CCalDatabase::RemoveEntryByDescription(const std::string& description) {
  for (uint32_t i = 0; i < count_; ++i) {
    if (entries_[i].description == description) {
      MarkDeleted(i);
      break;
    }
  }
  SortAndCompact();
}

void CCalDatabase::SortAndCompact() {
  const auto earlier = [](const CalEntry& a, const CalEntry& b) {
    return std::tie(a.month, a.day, a.year) < std::tie(b.month, b.day, b.year);
  };
  // Stable, so entries of the same day and year keep their order: the one
  // given first in the file, or added first, stays first on the day. The
  // table is mostly in order with new entries at its end, so only the part
  // from the first one out of order is sorted, then merged in. Deleted
  // entries carry a month past December and end up last, to be dropped.
  const auto begin = entries_.begin();
  const auto end = begin + count_;
  const auto unsorted = std::is_sorted_until(begin, end, earlier);
  std::stable_sort(unsorted, end, earlier);
  std::inplace_merge(begin, unsorted, end, earlier);
  while (count_ > 0 && entries_[count_ - 1].month == kDeletedMark) MarkDeleted(--count_);
  for (uint32_t i = 0; i < count_; ++i) entries_[i].index = i;
}

bool CCalDatabase::IsShown(const CalEntry& entry) const {
  // An entry dated after the year of its month has not happened yet.
  const int year = Span().YearOf(entry.month);
  if (entry.hidden || entry.year > year) return false;
  return entry.type != kReminder || entry.year == year;
}

std::vector<CalEntry> CCalDatabase::GetEntriesOfDay(int month, int day) const {
  std::vector<CalEntry> result;
  for (uint32_t i = 0; i < count_; ++i) {
    const CalEntry& e = entries_[i];
    if (e.month > month || (e.month == month && e.day > day)) break;
    if (e.month == month && e.day == day && IsShown(e)) {
      result.push_back(e);
      result.back().index = i;
    }
  }
  return result;
}

void CCalDatabase::TakeMonthsBefore(int endMonth, const CCalDatabase& other) {
  std::vector<CalEntry> merged;
  for (uint32_t i = 0; i < other.count_; ++i) {
    if (other.entries_[i].month < endMonth) merged.push_back(other.entries_[i]);
  }
  for (uint32_t i = 0; i < count_; ++i) {
    if (entries_[i].month >= endMonth) merged.push_back(entries_[i]);
  }
  const uint32_t oldCount = count_;
  count_ = 0;
  for (const CalEntry& entry : merged) {
    if (count_ < kMaxEntries) entries_[count_++] = entry;
  }
  for (uint32_t i = count_; i < oldCount; ++i) {
    entries_[i] = CalEntry{};
    entries_[i].index = i;
  }
  SortAndCompact();
}

const CalEntry* CCalDatabase::EntryAt(uint32_t slot) const {
  if (slot > count_ || slot >= kMaxEntries) return nullptr;
  return &entries_[slot];
}

std::vector<CalEntry> CCalDatabase::GetHiddenEntries() const {
  std::vector<CalEntry> result;
  for (uint32_t i = 0; i < count_; ++i) {
    if (entries_[i].hidden) result.push_back(entries_[i]);
  }
  return result;
}

std::vector<uint32_t> CCalDatabase::GetHiddenEntryIndices() const {
  std::vector<uint32_t> result;
  for (uint32_t i = 0; i < count_; ++i) {
    if (entries_[i].hidden && entries_[i].IsValidForSaving()) result.push_back(i);
  }
  return result;
}

void CCalDatabase::SetEntryHidden(uint32_t slot, bool hidden) {
  if (slot < count_) entries_[slot].hidden = hidden ? 1 : 0;
}

void CCalDatabase::RestoreHiddenByDescription(const std::vector<CalEntry>& hidden) {
  if (hidden.size() > count_) return;
  for (const CalEntry& copy : hidden) {
    for (uint32_t i = 0; i < count_; ++i) {
      if (entries_[i].description == copy.description) {
        entries_[i].hidden = 1;
        break;
      }
    }
  }
}

void CCalDatabase::RedateFloatingEntries() {
  bool changed = false;
  for (uint32_t i = 0; i < count_; ++i) {
    CalEntry& e = entries_[i];
    const int year = Span().YearOf(e.month);
    const int day = RuleDayIn(e, year);
    if (day < 1 || day == e.day) continue;
    e.day = static_cast<uint8_t>(day);
    const bool keepsOwnYear = e.type == kAnniversary || e.type == kBirthday ||
                              e.type == kSoberAnniversary || e.type == kReminder ||
                              e.type == kPersonalEvent;
    if (!keepsOwnYear) e.year = static_cast<int16_t>(year);
    changed = true;
  }
  if (changed) SortAndCompact();
}

}  // namespace tessolar
