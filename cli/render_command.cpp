#include "cli/render_command.h"

#include <unistd.h>

#include <cstdio>

#include "caldata/atomic_file.h"
#include "caldata/cal_database.h"
#include "caldata/calendar_file.h"
#include "caldata/calendar_text.h"
#include "cli/command_line.h"
#include "generators/year_build.h"
#include "pages/calendar_page.h"
#include "pages/plain_pages.h"
#include "pages/title_pages.h"

namespace tessolar::cli {
namespace {

// The picture probes and computations write diagnostic lines to standard
// output; while a page is made they go to standard error, so a page written
// to standard output is the page alone.
class DiagnosticsToStandardError {
 public:
  DiagnosticsToStandardError() : saved_(::dup(STDOUT_FILENO)) {
    std::fflush(stdout);
    if (saved_ >= 0) ::dup2(STDERR_FILENO, STDOUT_FILENO);
  }
  ~DiagnosticsToStandardError() {
    std::fflush(stdout);
    if (saved_ < 0) return;
    ::dup2(saved_, STDOUT_FILENO);
    ::close(saved_);
  }
  DiagnosticsToStandardError(const DiagnosticsToStandardError&) = delete;
  DiagnosticsToStandardError& operator=(const DiagnosticsToStandardError&) = delete;

 private:
  int saved_;
};

std::string PageText(CCalDatabase& db, const std::string& page, int month) {
  if (page == "month") return CalendarPageText(db, month, month + 1);
  if (page == "all") return CalendarPageText(db, 0, 12);
  if (page == "welcome") return BuildWelcomePage(db.Language(), {});  // the command line keeps no recent files
  if (page == "title") return BuildTitlePage(db);
  if (page == "bigpictures") {
    return BuildBigPicturesPage(db, kBigPicturesPrintWidth, kBigPicturesPrintHeight);
  }
  if (page == "hidden") return BuildHiddenEntriesPage(db);
  if (page == "database") return BuildDatabasePage(CalendarText(db));
  if (page == "help") return BuildHelpPage();
  throw CommandError(kExitUsage, "unknown page '" + page +
                                     "' (welcome, month, all, title, bigpictures, hidden, "
                                     "database or help)");
}

}  // namespace

std::string RenderCalendarPage(const std::string& file, const std::string& page, int month) {
  const DiagnosticsToStandardError diagnostics;
  CCalDatabase db;
  std::string message;
  if (LoadCalendarFile(db, file, &message) != 1) {
    throw CommandError(kExitBadInput, message.empty() ? "no file " + file : message);
  }
  CYearBuild().BuildYear(db, db.Year(), 0);
  return PageText(db, page, month);
}

int RunRenderCommand(const std::vector<std::string>& args) {
  const ParsedArguments parsed(args, {"--page", "--month", "-o"}, 1);
  const auto page = parsed.Option("--page");
  if (!page) throw CommandError(kExitUsage, "--page is required");
  if (parsed.Option("--month") && *page != "month") {
    throw CommandError(kExitUsage, "--month goes with --page month only");
  }
  const int month = parsed.IntOption("--month", 1, 12, 1) - 1;

  const std::string text = RenderCalendarPage(parsed.Positional(0), *page, month);
  if (const auto out = parsed.Option("-o")) {
    const std::string failure = ReplaceFileAtomically(*out, text);
    if (!failure.empty()) {
      throw CommandError(kExitBadInput, "could not write " + *out + ": " + failure);
    }
  } else if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() ||
             std::fflush(stdout) != 0) {
    throw CommandError(kExitBadInput, "could not write to standard output");
  }
  return kExitOk;
}

}  // namespace tessolar::cli
