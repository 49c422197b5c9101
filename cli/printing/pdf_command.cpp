#include "cli/printing/pdf_command.h"

#include <QApplication>
#include <QDir>
#include <QString>
#include <QTemporaryFile>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/print/engine_environment.h"
#include "app/print/page_pdf.h"
#include "app/print/paper.h"
#include "cli/command_line.h"
#include "cli/render_command.h"

namespace tessolar::cli {
namespace {

namespace fs = std::filesystem;

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

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

// The engine tells of its set-up on every start (no display, no GPU, no
// sandbox); the command says itself in one line what went wrong, so only the
// engine's critical messages pass.
void EngineMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The page in a file of this run's own, removed when the run ends.
class TemporaryPageFile {
 public:
  explicit TemporaryPageFile(const std::string& text)
      : file_(QDir::tempPath() + QStringLiteral("/tessolar-print-XXXXXX.html")) {
    if (!file_.open() ||
        file_.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file_.flush()) {
      throw CommandError(kExitBadInput, "could not write the page to " +
                                            QDir::tempPath().toStdString() + ": " +
                                            file_.errorString().toStdString());
    }
    file_.close();
  }
  QString Path() const { return file_.fileName(); }

 private:
  QTemporaryFile file_;
};

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
  const auto paperName = parsed.Option("--paper");
  const auto paper = paperName ? ParsePaperName(*paperName) : LocalePaper();
  if (!paper)
    throw CommandError(kExitBadInput, "--paper must be letter or a4, not '" + *paperName + "'");
  const std::string out = OutputPath(parsed);

  const TemporaryPageFile pageFile(RenderCalendarPage(parsed.Positional(0), page, month));
  PrepareWebEngineEnvironment(true);
  qInstallMessageHandler(EngineMessage);
  int argc = 1;
  char name[] = "tessolar-cli";
  char* argv[] = {name, nullptr};
  const QApplication application(argc, argv);
  QString error;
  if (!PrintPageFileToPdf(pageFile.Path(), FromUtf8(out), LandscapeLayout(*paper), error)) {
    throw CommandError(kExitBadInput, error.toStdString());
  }
  return kExitOk;
}

}  // namespace tessolar::cli
