#include "app/flows/event_entry_check.h"

#include "app/flows/program_names.h"
#include "compute/date_arithmetic.h"

namespace tessolar {
namespace {

constexpr size_t kMaxDigits = 6;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::optional<int> WholeNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > kMaxDigits) return std::nullopt;
  int value = 0;  // [0, 999999]
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

EntryProblem CheckEventEntry(int month, bool fixed, std::string_view dayText,
                             std::string_view yearText, int calendarYear) {
  if (fixed) {
    const int days = DaysInMonth(month, calendarYear);
    const UserText monthName = MonthPhrase(month);
    const std::string year = std::to_string(calendarYear);
    const std::optional<int> day = WholeNumber(dayText);
    if (!day) {
      return {EntryField::kDay,
              {TESSOLAR_TEXT("EventEntry", "The day must be a number from 1 to %1 (%2 %3)."),
               {std::to_string(days), monthName, year}}};
    }
    if (*day < 1 || *day > days) {
      return {EntryField::kDay,
              {TESSOLAR_TEXT("EventEntry", "%1 %2 has no day %3: type a day from 1 to %4."),
               {monthName, year, std::to_string(*day), std::to_string(days)}}};
    }
  }
  const std::optional<int> year = WholeNumber(yearText);
  if (!year) {
    return {EntryField::kYear,
            TESSOLAR_TEXT("EventEntry",
                          "The year must be a number, such as 1985 (or -753 for 753 BCE).")};
  }
  if (!IsEntryYear(*year)) {
    return {EntryField::kYear,
            {TESSOLAR_TEXT("EventEntry", "The year must lie between -%1 and %1, and cannot be 0."),
             {std::to_string(kMaxEntryYear)}}};
  }
  return {};
}

std::string StoredDescription(std::string_view typed) {
  if (typed.empty()) return "unknown";
  std::string flat(typed);
  for (char& c : flat) {
    if (c == '\t' || c == '\n' || c == '\r') c = ' ';
  }
  return flat;
}

}  // namespace tessolar
