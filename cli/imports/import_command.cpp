#include "cli/imports/import_command.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "cli/command_line.h"
#include "cli/load_calendar.h"
#include "generators/year_build.h"
#include "imports/import_plan.h"
#include "imports/import_source.h"

namespace tessolar::cli {

namespace {

std::string DateText(const ImportCandidate& candidate) {
  char text[16];
  if (candidate.yearKnown) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", int{candidate.entry.year},
                  candidate.entry.month + 1, int{candidate.entry.day});
  } else {
    std::snprintf(text, sizeof text, "--%02d-%02d", candidate.entry.month + 1, int{candidate.entry.day});
  }
  return text;
}

void PrintPlan(const ImportPlan& plan) {
  for (const ImportCandidate& c : plan.candidates) {
    std::printf("[%c]\t%s\t%s\t%s\t%s%s%s\n", c.checked ? 'x' : ' ', DateText(c).c_str(),
                EntryTypeName(0, c.entry.type).c_str(), c.entry.description.c_str(),
                c.photoBytes.empty() ? "no picture" : ("picture (" + c.photoExtension + ")").c_str(),
                c.alreadyThere ? "\talready there" : "",
                c.note.Empty() ? "" : ("\t" + English(c.note)).c_str());
  }
  for (const SkippedItem& s : plan.skipped) {
    std::printf("skipped\t%s\t%s\n", s.what.c_str(), English(s.reason).c_str());
  }
  const uint32_t checked = plan.CheckedCount();
  std::printf("%u of %u fit\n", std::min(checked, plan.room), checked);
}

}  // namespace

int RunImportCommand(const std::vector<std::string>& args) {
  std::vector<std::string> rest = args;
  const auto dryRun = std::find(rest.begin(), rest.end(), "--dry-run");
  const bool apply = dryRun == rest.end();
  if (!apply) rest.erase(dryRun);
  const ParsedArguments parsed(rest, {}, 2);
  const std::string& file = parsed.Positional(0);

  CCalDatabase db;
  SavedState saved = LoadCalendarOrThrow(db, file);
  ThrowIfEntriesLeftOut(db.EntriesLeftOut(), file);
  // The computed days too, as the calendar opens, so that they count as there.
  Notes notes;
  CYearBuild().BuildYear(db, db.Year(), false, &notes);
  PrintNotes(notes);
  UserText message;
  const auto plan = PlanImportFromFile(parsed.Positional(1), db, &message);
  if (!plan) throw CommandError(kExitBadInput, English(message));
  PrintPlan(*plan);
  std::fflush(stdout);
  if (!apply) return kExitOk;
  std::vector<std::string> photos;
  if (!ApplyImportPlan(*plan, db, file, &message, &photos)) throw CommandError(kExitBadInput, English(message));
  if (SaveCalendarFile(db, file, &saved, &message) != 0) {
    // The calendar file is as it was, so the photos written for it go.
    std::error_code ignored;
    for (const std::string& photo : photos) std::filesystem::remove(photo, ignored);
    throw CommandError(kExitBadInput, English(message));
  }
  return kExitOk;
}

}  // namespace tessolar::cli
