#include "print/print_handler.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <cstdio>

#include "pages/page_conventions.h"
#include "print/page_pdf.h"
#include "print/paper.h"
#include "print/pdf_on_printer.h"

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
  auto* tab = new CPrintChoicesTab(choices_);
  dialog.setOptionTabs({tab});
  if (dialog.exec() != QDialog::Accepted) return true;
  const PrintChoices chosen = tab->Choices();
  if (chosen.layout != choices_.layout || chosen.fit != choices_.fit) {
    // A layout chosen here brings its own orientation.
    if (chosen.layout != choices_.layout) {
      printer.setPageOrientation(chosen.layout == PrintLayout::kWall ? QPageLayout::Portrait
                                                                     : layout_.orientation());
    }
    SetChoices(chosen);
  }
  if (choices_.layout == PrintLayout::kWall) printer.setPageOrientation(QPageLayout::Portrait);
  if (PrintInto(&printer)) return true;
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
  if (dialog.exec() != QDialog::Accepted) return;
  // The wall calendar is always portrait: its setup keeps the booklet's orientation.
  const QPageLayout::Orientation booklet = layout_.orientation();
  layout_ = printer.pageLayout();
  if (choices_.layout == PrintLayout::kWall) layout_.setOrientation(booklet);
}

void CPrintHandler::SetChoices(const PrintChoices& choices) {
  if (choices.layout == choices_.layout && choices.fit == choices_.fit) return;
  choices_ = choices;
  emit ChoicesChanged(choices_);
}

bool CPrintHandler::ExportToPdf(const QString& pdfPath, QString& error) {
  if (!view_ || busy_) {
    error = view_ ? tr("The page is still printing; try again when it is done.")
                  : tr("There is no page to print.");
    return false;
  }
  const BusyScope scope(busy_);
  return WritePrintedPdf(
      [this](QByteArray& pdf, QString& printError) {
        return PrintToPdfData(SheetLayout(), pdf, printError);
      },
      pdfPath, error);
}

void CPrintHandler::PreparePrinter(QPrinter& printer) const {
  printer.setResolution(kPrinterDpi);
  printer.setPageLayout(SheetLayout());
}

QPageLayout CPrintHandler::SheetLayout() const {
  QPageLayout sheet = layout_;
  if (choices_.layout == PrintLayout::kWall) sheet.setOrientation(QPageLayout::Portrait);
  return sheet;
}

bool CPrintHandler::PrintToPdfData(const QPageLayout& layout, QByteArray& pdf, QString& error) {
  if (!view_) return false;
  const std::optional<std::string> wall = choices_.layout == PrintLayout::kWall && wallSource_
                                              ? wallSource_(PrintableArea(layout), choices_.fit)
                                              : std::nullopt;
  if (!wall) return PrintPageToPdfData(*view_->page(), layout, pdf, error);
  const std::string file = PrintFilePath();
  if (WritePageFile(*wall, file) != 0) {
    error = tr("The page to print could not be written to %1.").arg(QString::fromStdString(file));
    return false;
  }
  const bool printed = PrintPageFileToPdfData(QString::fromStdString(file), layout, pdf, error);
  std::remove(file.c_str());
  return printed;
}

bool CPrintHandler::PrintInto(QPrinter* printer) {
  // The engine's own printing lays a sheet out smaller than its PDF does, so
  // paper gets the same PDF that Export as PDF writes, on the paper and
  // orientation the print dialog ended with.
  QByteArray pdf;
  QString error;
  return PrintToPdfData(printer->pageLayout(), pdf, error) &&
         PaintPdfOnPrinter(pdf, *printer, error);
}

}  // namespace tessolar
