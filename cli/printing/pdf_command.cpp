#include "cli/printing/pdf_command.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "cli/command_line.h"
#include "cli/load_calendar.h"
#include "cli/printing/page_printer.h"
#include "cli/render_command.h"

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

// "letter" or "a4" for --paper in any case; the locale's paper without it.
std::string PaperName(const ParsedArguments& parsed) {
  const auto given = parsed.Option("--paper");
  if (!given) return kLocalePaper;
  std::string lower = *given;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (lower != "letter" && lower != "a4") {
    throw CommandError(kExitBadInput, "--paper must be letter or a4, not '" + *given + "'");
  }
  return lower;
}

}  // namespace

int RunPdfCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--page", "--month", "--paper", "-o"}, 1);
  const std::string page = parsed.Option("--page").value_or("all");
  if (page != "all" && page != "month") {
    throw CommandError(kExitUsage, "unknown page '" + page + "' (all or month)");
  }
  if (parsed.Option("--month") && page != "month") {
    throw CommandError(kExitUsage, "--month goes with --page month only");
  }
  const int month = parsed.IntOption("--month", 1, 12, 1) - 1;
  const std::string paper = PaperName(parsed);
  const std::string out = OutputPath(parsed);

  const RenderedPage rendered = RenderCalendarPage(parsed.Positional(0), page, month);
  const TemporaryPageFile pageFile(rendered.text);
  PrintPageWithEngine(pageFile.Path(), out, paper);
  ThrowIfEntriesLeftOut(rendered.entriesLeftOut, parsed.Positional(0));
  return kExitOk;
}

}  // namespace tessolar::cli
