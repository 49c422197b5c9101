// libFuzzer target: the vCard reader and the import plan take any bytes
// without crashing, and every candidate they make is a day that exists.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "compute/date_arithmetic.h"
#include "imports/import_plan.h"
#include "imports/vcard_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<tessolar::VCardPerson> people;
  tessolar::UserText error;
  if (!tessolar::ReadVCards(std::string_view(reinterpret_cast<const char*>(data), size), &people, &error)) {
    if (error.Empty()) std::abort();
    return 0;
  }
  const tessolar::CCalDatabase db;
  for (const tessolar::ImportCandidate& c : tessolar::PlanPeopleImport(people, db).candidates) {
    if (c.entry.month > 11 || c.entry.day < 1 || c.entry.day > tessolar::DaysInMonth(c.entry.month, 2000)) {
      std::abort();
    }
  }
  return 0;
}
