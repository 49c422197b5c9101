// Prints an HTML document to an A4 PDF with the program's own printing; the
// build makes the user guide with it.

#include <QApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <cstdio>

#include "print/engine_environment.h"
#include "print/page_pdf.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s DOCUMENT.html OUTPUT.pdf\n", argv[0]);
    return 2;
  }
  tessolar::PrepareWebEngineEnvironment(true);
  QApplication app(argc, argv);
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QString error;
  if (!tessolar::PrintPageFileToPdf(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]),
                                    layout, error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  return 0;
}
