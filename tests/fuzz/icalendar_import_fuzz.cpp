// libFuzzer target: the iCalendar import takes any bytes without crashing,
// and every candidate it makes is a day that exists in its year.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "compute/date_arithmetic.h"
#include "imports/icalendar_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tessolar::CCalDatabase db;
  db.SetYear(2024);
  tessolar::ImportPlan plan;
  tessolar::UserText error;
  if (!tessolar::PlanICalendarImport(std::string(reinterpret_cast<const char*>(data), size), db, &plan, &error)) {
    if (error.Empty()) std::abort();
    return 0;
  }
  for (const tessolar::ImportCandidate& c : plan.candidates) {
    if (c.entry.month > 11 || c.entry.day < 1 || c.entry.day > tessolar::DaysInMonth(c.entry.month, c.entry.year)) {
      std::abort();
    }
  }
  return 0;
}
