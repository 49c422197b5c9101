#include "app/flows/program_names.h"

#include <iterator>

#include "caldata/cal_entry.h"
#include "compute/language_table.h"

namespace tessolar {
namespace {

constexpr Phrase kUnknown = TESSOLAR_TEXT("ProgramNames", "Unknown");

// In the order of the calendar's language numbers.
constexpr Phrase kLanguages[] = {
    TESSOLAR_TEXT("Language", "English"), TESSOLAR_TEXT("Language", "Spanish"),
    TESSOLAR_TEXT("Language", "German"),  TESSOLAR_TEXT("Language", "French"),
    TESSOLAR_TEXT("Language", "Dutch"),   TESSOLAR_TEXT("Language", "Italian"),
};
static_assert(std::size(kLanguages) == kLanguageCount);

// In the order of the calendar's country numbers.
constexpr Phrase kCountries[] = {
    TESSOLAR_TEXT("Country", "United States"),  TESSOLAR_TEXT("Country", "Canada"),
    TESSOLAR_TEXT("Country", "United Kingdom"), TESSOLAR_TEXT("Country", "Australia"),
    TESSOLAR_TEXT("Country", "Mexico"),         TESSOLAR_TEXT("Country", "Ireland"),
    TESSOLAR_TEXT("Country", "Germany"),        TESSOLAR_TEXT("Country", "New Zealand"),
    TESSOLAR_TEXT("Country", "France"),         TESSOLAR_TEXT("Country", "Belgium"),
    TESSOLAR_TEXT("Country", "Netherlands"),    TESSOLAR_TEXT("Country", "Italy"),
    TESSOLAR_TEXT("Country", "Spain"),          TESSOLAR_TEXT("Country", "Austria"),
};
static_assert(std::size(kCountries) == kCountryCount);

constexpr Phrase kMonths[] = {
    TESSOLAR_TEXT("Month", "January"),   TESSOLAR_TEXT("Month", "February"),
    TESSOLAR_TEXT("Month", "March"),     TESSOLAR_TEXT("Month", "April"),
    TESSOLAR_TEXT("Month", "May"),       TESSOLAR_TEXT("Month", "June"),
    TESSOLAR_TEXT("Month", "July"),      TESSOLAR_TEXT("Month", "August"),
    TESSOLAR_TEXT("Month", "September"), TESSOLAR_TEXT("Month", "October"),
    TESSOLAR_TEXT("Month", "November"),  TESSOLAR_TEXT("Month", "December"),
};

constexpr Phrase kWeekdays[] = {
    TESSOLAR_TEXT("Weekday", "Sunday"),   TESSOLAR_TEXT("Weekday", "Monday"),
    TESSOLAR_TEXT("Weekday", "Tuesday"),  TESSOLAR_TEXT("Weekday", "Wednesday"),
    TESSOLAR_TEXT("Weekday", "Thursday"), TESSOLAR_TEXT("Weekday", "Friday"),
    TESSOLAR_TEXT("Weekday", "Saturday"),
};

// The event dialog shows a rule as two lists side by side: one of these, then
// a weekday ("Third" "Monday").
constexpr Phrase kWeekRules[] = {
    TESSOLAR_TEXT("WeekRule", "First"), TESSOLAR_TEXT("WeekRule", "Second"),
    TESSOLAR_TEXT("WeekRule", "Third"), TESSOLAR_TEXT("WeekRule", "Fourth"),
    TESSOLAR_TEXT("WeekRule", "Last"),
};
static_assert(std::size(kWeekRules) == kWeekLast - kWeekFirst + 1);

// By EntryType; the empty entry has no name.
constexpr Phrase kEntryTypes[] = {
    TESSOLAR_TEXT("EntryType", "Anniversary"),       TESSOLAR_TEXT("EntryType", "Birthday"),
    TESSOLAR_TEXT("EntryType", "National Holiday"),  TESSOLAR_TEXT("EntryType", "Hebrew Holiday"),
    TESSOLAR_TEXT("EntryType", "Christian Holiday"), TESSOLAR_TEXT("EntryType", "Full Moon"),
    TESSOLAR_TEXT("EntryType", "Sober Anniversary"), TESSOLAR_TEXT("EntryType", "Reminder"),
    TESSOLAR_TEXT("EntryType", "Personal Event"),    TESSOLAR_TEXT("EntryType", "Historical Event"),
};
static_assert(std::size(kEntryTypes) == kEmptyEntry);

template <size_t N>
Phrase At(const Phrase (&names)[N], int64_t index) {
  return index >= 0 && index < static_cast<int64_t>(N) ? names[index] : kUnknown;
}

}  // namespace

Phrase LanguagePhrase(int language) { return At(kLanguages, language); }
Phrase CountryPhrase(int country) { return At(kCountries, country); }
Phrase MonthPhrase(int month) { return At(kMonths, month); }
Phrase WeekdayPhrase(int weekday) { return At(kWeekdays, weekday); }
Phrase WeekRulePhrase(int weekCode) { return At(kWeekRules, weekCode - kWeekFirst); }
Phrase EntryTypePhrase(uint32_t type) { return At(kEntryTypes, type); }

}  // namespace tessolar
