#include "print/print_handler.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "print/page_pdf.h"
#include "print/pdf_on_printer.h"
#include "print/paper.h"

namespace tessolar {
namespace {

// Sheets are rasterised for a printer at the printer's resolution: sharp on
// paper, and a whole year still previews in seconds (at 1200 dpi a sheet is
// half a gigabyte).
constexpr int kPrinterDpi = 300;

// Clears the busy flag however the dialog ends.
class BusyScope {
 public:
  explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
  ~BusyScope() { busy_ = false; }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  bool& busy_;
};

}  // namespace

CPrintHandler::CPrintHandler(QObject* parent) : QObject(parent), layout_(DefaultPageLayout()) {}

void CPrintHandler::SetView(QWebEngineView* view) { view_ = view; }

bool CPrintHandler::Print(QString& error) {
  if (!view_ || busy_) return true;
  const BusyScope scope(busy_);
  QPrinter printer;
  PreparePrinter(printer);
  QPrintDialog dialog(&printer, view_->window());
  if (dialog.exec() != QDialog::Accepted || PrintInto(&printer)) return true;
  error = tr("The page could not be printed.");
  return false;
}

void CPrintHandler::PrintPreview() {
  if (!view_ || busy_) return;
  const BusyScope scope(busy_);
  QPrinter printer;
  PreparePrinter(printer);
  QPrintPreviewDialog preview(&printer, view_->window());
  preview.resize(view_->window()->size() * 0.9);
  connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* target) {
    if (PrintInto(target)) return;
    QPainter painter(target);
    painter.drawText(QPointF(20, 40), tr("The page could not be printed."));
  });
  preview.exec();
}

void CPrintHandler::PageSetup() {
  if (!view_ || busy_) return;
  const BusyScope scope(busy_);
  QPrinter printer;
  PreparePrinter(printer);
  QPageSetupDialog dialog(&printer, view_->window());
  if (dialog.exec() == QDialog::Accepted) layout_ = printer.pageLayout();
}

bool CPrintHandler::ExportToPdf(const QString& pdfPath, QString& error) {
  if (!view_ || busy_) {
    error = view_ ? tr("The page is still printing; try again when it is done.")
                  : tr("There is no page to print.");
    return false;
  }
  const BusyScope scope(busy_);
  return PrintPageToPdf(*view_->page(), pdfPath, layout_, error);
}

void CPrintHandler::PreparePrinter(QPrinter& printer) const {
  printer.setResolution(kPrinterDpi);
  printer.setPageLayout(layout_);
}

bool CPrintHandler::PrintInto(QPrinter* printer) {
  // The engine's own printing lays a sheet out smaller than its PDF does, so
  // paper gets the same PDF that Export as PDF writes, on the paper and
  // orientation the print dialog ended with.
  QByteArray pdf;
  QString error;
  return view_ && PrintPageToPdfData(*view_->page(), printer->pageLayout(), pdf, error) &&
         PaintPdfOnPrinter(pdf, *printer, error);
}

}  // namespace tessolar
