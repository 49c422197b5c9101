#include "cli/printing/pdf_command.h"

#include <filesystem>
#include <system_error>

#include "cli/command_line.h"
#include "cli/load_calendar.h"
#include "cli/printing/page_printer.h"
#include "cli/render_command.h"
#include "pages/calendar_page.h"
#include "pages/paper_sizes.h"
#include "pages/wall_calendar.h"

namespace tessolar::cli {
namespace {

namespace fs = std::filesystem;

// The PDF's path: -o OUT, else the calendar's path ending in .pdf. Never the
// calendar itself.
std::string OutputPath(const ParsedArguments& parsed) {
  const std::string& calendar = parsed.Positional(0);
  const std::string out =
      parsed.Option("-o").value_or(fs::path(calendar).replace_extension(".pdf").string());
  std::error_code error;
  if (fs::equivalent(calendar, out, error)) {
    throw CommandError(kExitUsage, "the PDF would replace the calendar " + calendar);
  }
  return fs::absolute(out, error).string();
}

// The paper --paper names in any case; the locale's paper without it.
Paper PaperOption(const ParsedArguments& parsed) {
  const auto given = parsed.Option("--paper");
  if (!given) return PaperOfLocale();
  const auto paper = PaperNamed(*given);
  if (!paper)
    throw CommandError(kExitBadInput, "--paper must be letter or a4, not '" + *given + "'");
  return *paper;
}

// An option that takes one of two words; the first is its default.
bool SecondChoice(const ParsedArguments& parsed, const std::string& option, const char* first,
                  const char* second) {
  const std::string value = parsed.Option(option).value_or(first);
  if (value != first && value != second) {
    throw CommandError(kExitUsage,
                       option + " must be " + first + " or " + second + ", not '" + value + "'");
  }
  return value == second;
}

}  // namespace

int RunPdfCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args,
                               {"--page", "--month", "--paper", "--layout", "--pictures", "-o"}, 1);
  const std::string page = parsed.Option("--page").value_or("all");
  if (page != "all" && page != "month") {
    throw CommandError(kExitUsage, "unknown page '" + page + "' (all or month)");
  }
  if (parsed.Option("--month") && page != "month") {
    throw CommandError(kExitUsage, "--month goes with --page month only");
  }
  const bool wall = SecondChoice(parsed, "--layout", "booklet", "wall");
  const bool whole = SecondChoice(parsed, "--pictures", "crop", "whole");
  if (parsed.Option("--pictures") && !wall) {
    throw CommandError(kExitUsage, "--pictures goes with --layout wall only");
  }
  const int month = parsed.IntOption("--month", 1, 12, 1) - 1;
  const Paper paper = PaperOption(parsed);
  const std::string out = OutputPath(parsed);

  const RenderedPage rendered =
      RenderCalendar(parsed.Positional(0), [&](CCalDatabase& db, Notes* notes) {
        // --month names a month of the calendar; the pages count from its start month.
        const int first = page == "all" ? 0 : db.Span().PositionOf(month);
        const int end = page == "all" ? 12 : first + 1;
        if (!wall) return CalendarPageText(db, first, end, notes);
        return WallCalendarPageText(db, first, end, PortraitArea(paper),
                                    whole ? WallPictureFit::kWhole : WallPictureFit::kCrop, notes);
      });
  const TemporaryPageFile pageFile(rendered.text);
  PrintPageWithEngine(pageFile.Path(), out, PaperName(paper), wall ? "portrait" : "landscape");
  ThrowIfEntriesLeftOut(rendered.entriesLeftOut, parsed.Positional(0));
  return kExitOk;
}

}  // namespace tessolar::cli
