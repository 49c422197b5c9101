#include "caldata/captions.h"


#include "caldata/caption_grammar.h"
#include "compute/language_table.h"
#include "compute/utf8.h"

namespace tessolar {
namespace {

const char kBirthdayPicture[] = "birthday_bear.gif";

bool IsHolidayType(uint32_t type) {
  return type == kNationalHoliday || type == kHebrewHoliday || type == kChristianHoliday ||
         type == kAstronomicalDay;
}

bool NamesCouple(const std::string& description) {
  return description.find('&') != std::string::npos;
}

// An anniversary's caption, without its word when the grammar shortens it.
std::string AnniversaryCaption(const CaptionGrammar& grammar, int year, int countTo,
                               const std::string& description, bool sober) {
  const int years = countTo - year;
  const char* firstYear = sober ? grammar.soberFirstYear : grammar.anniversaryFirstYear;
  if (years <= 0 && firstYear != nullptr) {
    return FillCaption(firstYear, description, years, grammar);
  }
  std::string caption =
      FillCaption(sober ? grammar.sober : grammar.anniversary, description, years, grammar);
  if (!sober && grammar.anniversaryShort != nullptr &&
      CodePointCount(caption) > kShortCaptionLength) {
    return FillCaption(grammar.anniversaryShort, description, years, grammar);
  }
  return caption;
}

// "<description> <phrase> <age>[ <year word>]", or "<description> <birth phrase>".
std::string AgeCaption(const CCalDatabase& db, const CaptionGrammar& grammar, int year, int countTo,
                       const std::string& description) {
  const bool several = NamesCouple(description);
  if (year == countTo) {
    if (several && grammar.bornSeveral != nullptr) return description + " " + grammar.bornSeveral;
    return description + " " + LanguageString(db.Language(), lang::kIsBorn);
  }
  const int age = countTo - year;
  std::string caption = description + " " +
                        LanguageString(db.Language(), several ? lang::kTurn : lang::kTurns) + " " +
                        std::to_string(age);
  if (grammar.yearWord != nullptr) caption += std::string(" ") + grammar.yearWord(age);
  return caption;
}

}  // namespace

std::string AnniversaryOrdinal(const CCalDatabase& db, int year) {
  return EnglishOrdinal(db.Year() - year);
}

std::string EntryCaption(const CCalDatabase& db, uint32_t type, int year,
                         const std::string& description, int showAge, int month) {
  const CaptionGrammar& grammar = CaptionGrammarOf(db.Language());
  const int countTo = db.Span().YearOf(month);
  if (IsHolidayType(type) || type == kPersonalEvent || type == kReminder) return description;
  if (type == kAnniversary || type == kSoberAnniversary) {
    return AnniversaryCaption(grammar, year, countTo, description, type == kSoberAnniversary);
  }
  if (type == kHistoricalEvent) {
    return year >= 0 ? description + " " + std::to_string(year)
                     : description + " " + std::to_string(-year) + grammar.beforeCommonEra;
  }
  if (showAge == 1) return AgeCaption(db, grammar, year, countTo, description);
  return FillCaption(type == kBirthday ? grammar.birthday : grammar.unnamedType, description, 0,
                     grammar);
}

std::string DropChoiceCaption(const CCalDatabase& db, const CalEntry& entry) {
  const CaptionGrammar& english = CaptionGrammarOf(0);
  const std::string& description = entry.description;
  const int countTo = db.Span().YearOf(entry.month);
  switch (entry.type) {
    case kAnniversary:
    case kSoberAnniversary:
      return AnniversaryCaption(english, entry.year, countTo, description,
                                entry.type == kSoberAnniversary);
    case kBirthday:
      if (entry.showAge != 1) return FillCaption(english.birthday, description, 0, english);
      if (entry.year == countTo) return description + " is born";
      return description + (NamesCouple(description) ? " are " : " is ") +
             std::to_string(countTo - entry.year);
    default:
      return description;
  }
}

std::string EntryCaption(const CCalDatabase& db, const CalEntry& entry) {
  return EntryCaption(db, entry.type, entry.year, entry.description, entry.showAge, entry.month);
}

std::string EntryPicture(const CCalDatabase& db, const CalEntry& entry,
                         const std::function<bool(const std::string&)>& exists) {
  const bool birthday = entry.type == kBirthday;
  if (IsNoPicture(entry.pictureFile) && birthday) {
    return db.PicturePathToShow(kBirthdayPicture);
  }
  // Entries read from a calendar without a clip-art folder keep bare names.
  const std::string picture =
      entry.pictureFile.empty() ? entry.pictureFile : db.PicturePathToShow(entry.pictureFile);
  if (!picture.empty() && exists(picture)) return picture;
  return birthday ? db.PicturePathToShow(kBirthdayPicture) : kNoPicture;
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
