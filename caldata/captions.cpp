#include "caldata/captions.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "compute/language_table.h"
#include "compute/utf8.h"

namespace tessolar {
namespace {

constexpr int kAgePhrase = 130;
constexpr int kBirthPhrase = 131;
constexpr int kAgePhraseSeveral = 132;
const char kBirthdayPicture[] = "birthday_bear.gif";

bool IsHolidayType(uint32_t type) {
  return type == kNationalHoliday || type == kHebrewHoliday || type == kChristianHoliday ||
         type == kAstronomicalDay;
}

bool NamesCouple(const std::string& description) {
  return description.find('&') != std::string::npos;
}

// "<description>'s <ordinal> <word>", without the word when that is too long.
std::string AnniversaryCaption(const CCalDatabase& db, int year, const std::string& description,
                               const char* word, bool mayShorten) {
  const std::string shortForm = description + "'s " + AnniversaryOrdinal(db, year);
  std::string caption = shortForm + " " + word;
  if (mayShorten && CodePointCount(caption) > kShortCaptionLength) return shortForm;
  return caption;
}

// The k-th shown entry of the day, or nothing.
bool FindShownEntry(const CCalDatabase& db, int month, int day, int k, CalEntry& found) {
  int n = 0;
  for (CalEntry& entry : db.GetEntriesOfDay(month, day)) {
    if (entry.year > db.Year()) continue;
    if (n++ == k) {
      found = std::move(entry);
      return true;
    }
  }
  return false;
}

template <typename Predicate>
int AnyShownEntry(const CCalDatabase& db, int month, int day, Predicate predicate) {
  for (const CalEntry& entry : db.GetEntriesOfDay(month, day)) {
    if (entry.year <= db.Year() && predicate(entry)) return 1;
  }
  return 0;
}

}  // namespace

std::string AnniversaryOrdinal(const CCalDatabase& db, int year) {
  const int n = db.Year() - year;
  if (n <= 0) return "unk";
  const int r = n % 10;
  const char* suffix = "th";
  if (r == 1 && n != 11) {
    suffix = "st";
  } else if (r == 2 && n != 12) {
    suffix = "nd";
  } else if (r == 3 && n != 13) {
    suffix = "rd";
  }
  return std::to_string(n) + suffix;
}

std::string EntryCaption(const CCalDatabase& db, uint32_t type, int year,
                         const std::string& description, int showAge) {
  if (IsHolidayType(type) || type == kPersonalEvent || type == kReminder) return description;
  if (type == kAnniversary) return AnniversaryCaption(db, year, description, "Anniv", true);
  if (type == kSoberAnniversary) return AnniversaryCaption(db, year, description, "AA", false);
  if (type == kHistoricalEvent) {
    return year >= 0 ? description + " " + std::to_string(year)
                     : description + " " + std::to_string(-year) + " BCE";
  }
  if (showAge == 1) {
    if (year == db.Year()) return description + " " + LanguageString(db.Language(), kBirthPhrase);
    const int phrase = NamesCouple(description) ? kAgePhraseSeveral : kAgePhrase;
    return description + " " + LanguageString(db.Language(), phrase) + " " + std::to_string(db.Year() - year);
  }
  return description + "'s " + (type == kBirthday ? "B'day" : "UNKNOWN");
}

std::string DropChoiceCaption(const CCalDatabase& db, const CalEntry& entry) {
  const std::string& description = entry.description;
  switch (entry.type) {
    case kAnniversary:
      return AnniversaryCaption(db, entry.year, description, "Anniv", true);
    case kSoberAnniversary:
      return AnniversaryCaption(db, entry.year, description, "AA", false);
    case kBirthday:
      if (entry.showAge != 1) return description + "'s B'day";
      if (entry.year == db.Year()) return description + " is born";
      return description + (NamesCouple(description) ? " are " : " is ") +
             std::to_string(db.Year() - entry.year);
    default:
      return description;
  }
}

std::string DayEntryCaption(const CCalDatabase& db, int month, int day, int k) {
  CalEntry entry;
  if (!FindShownEntry(db, month, day, k, entry)) return {};
  return EntryCaption(db, entry.type, entry.year, entry.description, entry.showAge);
}

std::string DayEntryPicture(const CCalDatabase& db, int month, int day, int k) {
  CalEntry entry;
  if (!FindShownEntry(db, month, day, k, entry)) return {};
  const bool birthday = entry.type == kBirthday;
  if (IsNoPicture(entry.pictureFile) && birthday) {
    return db.PicturePathToShow(kBirthdayPicture);
  }
  // Entries read from a calendar without a clip-art folder keep bare names.
  const std::string picture =
      entry.pictureFile.empty() ? entry.pictureFile : db.PicturePathToShow(entry.pictureFile);
  std::error_code error;
  if (!picture.empty() && std::filesystem::exists(picture, error)) return picture;
  return birthday ? db.PicturePathToShow(kBirthdayPicture) : kNoPicture;
}

uint32_t DayEntrySlot(const CCalDatabase& db, int month, int day, int k) {
  CalEntry entry;
  return FindShownEntry(db, month, day, k, entry) ? entry.index : 0;
}

int DayHasEntries(const CCalDatabase& db, int month, int day) {
  return AnyShownEntry(db, month, day, [](const CalEntry&) { return true; });
}

int DayHasHoliday(const CCalDatabase& db, int month, int day) {
  return AnyShownEntry(db, month, day, [](const CalEntry& e) { return IsHolidayType(e.type); });
}

int CaptionWidth(const std::string& text) {
  int width = 0;
  for (size_t pos = 0; pos < text.size();) {
    switch (NextCodePoint(text, pos)) {
      case U',': case U'.': case U'i': case U'l':
        width += 1;
        break;
      case U' ': case U'\'': case U'j': case U't':
        width += 2;
        break;
      case U'M':
        width += 4;
        break;
      case U'W':
        width += 5;
        break;
      default:
        width += 3;
    }
  }
  return width;
}

}  // namespace tessolar
