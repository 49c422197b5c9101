#include "imports/icalendar_import.h"

#include <libical/ical.h>

#include <memory>

#include "caldata/calendar_text.h"
#include "caldata/text_encoding.h"
#include "compute/date_arithmetic.h"
#include "imports/icalendar_export.h"
#include "imports/vcard_reader.h"

namespace tessolar {

namespace {


std::string OneLine(const char* text) {
  std::string line = text ? text : "";
  for (char& c : line) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return line;
}

int CategoryType(icalcomponent* event) {
  icalproperty* category = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
  const char* name = category ? icalproperty_get_categories(category) : nullptr;
  return name ? EntryTypeFromCategory(name) : -1;
}

void PlanEvent(icalcomponent* event, const CCalDatabase& db, ImportPlan* plan) {
  const std::string summary = OneLine(icalcomponent_get_summary(event));
  const icaltimetype start = icalcomponent_get_dtstart(event);
  auto skip = [&](UserText reason) { plan->skipped.push_back({summary, std::move(reason)}); };
  if (summary.find_first_not_of(' ') == std::string::npos) {
    return skip({TESSOLAR_TEXT("ICalendarImport", "an event without a summary")});
  }
  if (icaltime_is_null_time(start) || start.month < 1 || start.month > 12 || start.day < 1 ||
      start.year < kMinCalendarYear || start.year > kMaxCalendarYear ||
      start.day > DaysInMonth(start.month - 1, start.year)) {
    return skip({TESSOLAR_TEXT("ICalendarImport", "an event without a valid start day")});
  }
  const int categoryType = CategoryType(event);
  icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
  uint32_t type = kPersonalEvent;
  if (rule) {
    if (icalproperty_get_rrule(rule).freq != ICAL_YEARLY_RECURRENCE) {
      return skip({TESSOLAR_TEXT("ICalendarImport", "it repeats, but not once a year")});
    }
    type = categoryType >= 0 && IsYearlyType(static_cast<uint32_t>(categoryType))
               ? static_cast<uint32_t>(categoryType) : kAnniversary;
  } else if (const CalendarSpan span = db.Span(); !span.Contains(start.year, start.month - 1)) {
    if (!span.CrossesYear()) {
      return skip({TESSOLAR_TEXT("ICalendarImport", "a single event in %1, not in %2"),
                   {std::to_string(start.year), std::to_string(span.year)}});
    }
    // A year alone would not say it: the calendar holds part of both years.
    const int last = span.MonthAt(kMonthsPerYear - 1);
    return skip(
        {TESSOLAR_TEXT("ICalendarImport", "a single event on %1, not between %2 and %3"),
         {IsoDate(start.year, start.month - 1, start.day), IsoDate(span.year, span.startMonth, 1),
          IsoDate(span.YearOf(last), last, DaysInMonth(last, span.YearOf(last)))}});
  } else if (categoryType >= 0 && !IsYearlyType(static_cast<uint32_t>(categoryType))) {
    type = static_cast<uint32_t>(categoryType);
  }
  ImportCandidate candidate;
  candidate.entry = DatedEntry(start.month - 1, start.day, start.year, type, summary, kNoPicture);
  candidate.entry.enteredYear = candidate.entry.year;
  plan->candidates.push_back(std::move(candidate));
}

}  // namespace

bool PlanICalendarImport(const std::string& text, const CCalDatabase& db, ImportPlan* plan,
                         UserText* error) {
  if (text.find('\0') != std::string::npos || !IsValidUtf8(text)) {
    *error = {TESSOLAR_TEXT("ICalendarImport", "The file is not UTF-8 text.")};
    return false;
  }
  std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)> root(
      icalparser_parse_string(text.c_str()), &icalcomponent_free);
  if (!root || icalcomponent_isa(root.get()) != ICAL_VCALENDAR_COMPONENT) {
    *error = {TESSOLAR_TEXT("ICalendarImport", "The file holds no iCalendar calendar.")};
    return false;
  }
  ImportPlan planned;
  for (icalcomponent* event = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); event;
       event = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
    PlanEvent(event, db, &planned);
  }
  MarkAlreadyThere(planned, db);
  *plan = std::move(planned);
  return true;
}

}  // namespace tessolar
