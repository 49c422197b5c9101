#include "app/flows/calendar_exchange.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>

#include "imports/icalendar_export.h"
#include "imports/import_source.h"

namespace tessolar {
namespace {

bool HasCheckedPhoto(const ImportPlan& plan) {
  return std::any_of(plan.candidates.begin(), plan.candidates.end(),
                     [](const ImportCandidate& c) { return c.checked && !c.photoBytes.empty(); });
}

// The first month with a checked candidate, or -1 when none is checked.
// The first in the calendar's order, from its start month.
int FirstCheckedMonth(const ImportPlan& plan, const CalendarSpan& span) {
  int first = -1;
  for (const ImportCandidate& c : plan.candidates) {
    if (c.checked && (first < 0 || span.PositionOf(c.entry.month) < span.PositionOf(first))) {
      first = c.entry.month;
    }
  }
  return first;
}

}  // namespace

std::string CalendarExchange::UtcStamp() {
  const std::time_t now = std::time(nullptr);
  char text[32];
  std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", std::gmtime(&now));
  return text;
}

bool CalendarExchange::PhotoFolderReady(const ImportPlan& plan) {
  if (!HasCheckedPhoto(plan) || !doc_.FileName().empty()) return true;
  prompts_.ShowMessage(
      TESSOLAR_TEXT("CalendarExchange",
                    "Imported pictures are kept in a folder beside the calendar file, "
                    "so the calendar is saved first."));
  return files_.SaveAs("");
}

bool CalendarExchange::Import() {
  if (!doc_.Started()) {
    prompts_.ShowMessage(TESSOLAR_TEXT("CalendarExchange",
                                       "Start a new calendar or open one, then import into it."));
    return false;
  }
  const std::string source = prompts_.ChooseImportSource(doc_.FileName());
  if (source.empty()) return false;
  CCalDatabase& db = doc_.Db();
  UserText message;
  std::optional<ImportPlan> plan = PlanImportFromFile(source, db, &message);
  if (!plan) {
    prompts_.ShowMessage(message);
    return false;
  }
  if (!prompts_.RunImportPreview(*plan)) return false;
  doc_.NameChange(TESSOLAR_TEXT("CalendarExchange", "Import"));
  const int firstMonth = FirstCheckedMonth(*plan, db.Span());
  if (firstMonth < 0 || !PhotoFolderReady(*plan)) return false;
  if (!ApplyImportPlan(*plan, db, doc_.FileName(), &message)) {
    prompts_.ShowMessage(message);
    return false;
  }
  db.SortAndCompact();
  pages_.CalendarChanged();
  // The year's pages stay; otherwise the first month that gained an entry is shown.
  if (pages_.State().currentPageMode != PageMode::kAllMonths) {
    pages_.SetMonth(firstMonth);
    pages_.Choose(PageMode::kOneMonth);
  }
  return true;
}

void CalendarExchange::Export() {
  // Beside the calendar file, with its name, when it has one.
  std::filesystem::path calendar = doc_.FileName();
  const std::string suggested =
      calendar.empty() ? std::string("calendar.ics") : calendar.replace_extension(".ics").string();
  const std::string target = prompts_.ChooseExportTarget(suggested);
  if (target.empty()) return;
  const std::string text = ExportICalendar(doc_.Db(), stamp());
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  if (!out) {
    prompts_.ShowMessage(
        {TESSOLAR_TEXT("CalendarExchange", "The calendar could not be written to %1."), {target}});
  }
}

}  // namespace tessolar
