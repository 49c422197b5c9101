// tessolar-print-page PAGE.html OUT.pdf letter|a4 landscape|portrait: prints
// a calendar page file to PDF through the browser engine, as the desktop
// program prints. tessolar-cli pdf runs it, so that the engine loads
// only for printing. A failure's one-line message goes to standard output,
// which tessolar-cli reads, and the exit status is 2.

#include <QApplication>
#include <QString>
#include <cstdio>
#include <cstring>

#include "print/engine_environment.h"
#include "print/page_pdf.h"
#include "print/paper.h"

namespace {

// The engine tells of its set-up on every start (no display, no GPU, no
// sandbox); tessolar-cli says itself in one line what went wrong, so only
// the engine's critical messages pass.
void EngineMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

int Fail(const QString& message) {
  std::printf("%s\n", qPrintable(message));
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s PAGE.html OUT.pdf letter|a4 landscape|portrait\n", argv[0]);
    return 1;
  }
  const auto paper = tessolar::PaperNamed(argv[3]);
  if (!paper)
    return Fail(QStringLiteral("unknown paper '%1'").arg(QString::fromLocal8Bit(argv[3])));
  const auto layout = std::strcmp(argv[4], "portrait") == 0 ? tessolar::PrintLayout::kWall
                                                            : tessolar::PrintLayout::kBooklet;
  tessolar::PrepareWebEngineEnvironment(true);
  qInstallMessageHandler(EngineMessage);
  int appArgc = 1;
  QApplication application(appArgc, argv);
  QString error;
  if (!tessolar::PrintPageFileToPdf(
          QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
          tessolar::SheetLayout(tessolar::PageSizeOf(*paper), layout), error)) {
    return Fail(error);
  }
  return 0;
}
