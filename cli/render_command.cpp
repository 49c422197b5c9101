#include "cli/render_command.h"

#include <cstdio>

#include "caldata/atomic_file.h"
#include "caldata/cal_database.h"
#include "caldata/calendar_text.h"
#include "cli/command_line.h"
#include "cli/load_calendar.h"
#include "generators/year_build.h"
#include "pages/calendar_page.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar::cli {
namespace {

std::string PageText(CCalDatabase& db, const std::string& page, int month, Notes* notes) {
  if (page == "month") {
    const int position = db.Span().PositionOf(month);
    return CalendarPageText(db, position, position + 1, notes);
  }
  if (page == "all") return CalendarPageText(db, 0, 12, notes);
  if (page == "welcome") return BuildWelcomePage(db.Language(), {});  // the command line keeps no recent files
  if (page == "title") return BuildTitlePage(db, notes);
  if (page == "bigpictures") {
    return BuildBigPicturesPage(db, kBigPicturesPrintWidth, kBigPicturesPrintHeight, notes);
  }
  if (page == "hidden") return BuildHiddenEntriesPage(db);
  if (page == "database") return BuildDatabasePage(CalendarText(db));
  if (page == "help") return BuildHelpPage();
  throw CommandError(kExitUsage, "unknown page '" + page +
                                     "' (welcome, month, all, title, bigpictures, hidden, "
                                     "database or help)");
}

}  // namespace

RenderedPage RenderCalendar(const std::string& file, const PageBuilder& build) {
  CCalDatabase db;
  LoadCalendarOrThrow(db, file);
  Notes notes;
  CYearBuild().BuildYear(db, db.Year(), false, &notes);
  RenderedPage rendered{build(db, &notes), db.EntriesLeftOut()};
  PrintNotes(notes);
  return rendered;
}

RenderedPage RenderCalendarPage(const std::string& file, const std::string& page, int month) {
  return RenderCalendar(file, [&](CCalDatabase& db, Notes* notes) {
    return PageText(db, page, month, notes);
  });
}

void WriteOutput(const std::optional<std::string>& out, const std::string& text) {
  if (out) {
    // A page is made again at will: it needs no flush to the disk.
    const UserText failure = ReplaceFileAtomically(*out, text, false);
    if (!failure.Empty()) {
      throw CommandError(kExitBadInput, "could not write " + *out + ": " + English(failure));
    }
  } else if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
             std::fflush(stdout) != 0) {
    throw CommandError(kExitBadInput, "could not write to standard output");
  }
}

int RunRenderCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--page", "--month", "-o"}, 1);
  const auto page = parsed.Option("--page");
  if (!page) throw CommandError(kExitUsage, "--page is required");
  if (parsed.Option("--month") && *page != "month") {
    throw CommandError(kExitUsage, "--month goes with --page month only");
  }
  const int month = parsed.IntOption("--month", 1, 12, 1) - 1;

  const RenderedPage rendered = RenderCalendarPage(parsed.Positional(0), *page, month);
  WriteOutput(parsed.Option("-o"), rendered.text);
  ThrowIfEntriesLeftOut(rendered.entriesLeftOut, parsed.Positional(0));
  return kExitOk;
}

}  // namespace tessolar::cli
