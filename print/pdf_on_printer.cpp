#include "print/pdf_on_printer.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <algorithm>

namespace tessolar {

bool PaintPdfOnPrinter(const QByteArray& pdf, QPrinter& printer, QString& error) {
  QByteArray data = pdf;
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  QPdfDocument document;
  document.load(&buffer);
  if (document.status() != QPdfDocument::Status::Ready || document.pageCount() == 0) {
    error = QStringLiteral("the printed page could not be read back");
    return false;
  }
  // The print dialog counts sheets from 1; 0 and 0 mean all of them.
  const int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
  const int last = printer.toPage() > 0 ? std::min(printer.toPage(), document.pageCount()) - 1
                                        : document.pageCount() - 1;
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = QStringLiteral("the printer could not be opened");
    return false;
  }
  // The preview shows the sheets scaled down: smoothly, or thin cell borders
  // drop out.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  // The painter's origin is the printable area's corner; the sheet was laid
  // out for that area, so it is scaled into it whole.
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  for (int sheet = first; sheet <= last; ++sheet) {
    if (sheet > first) printer.newPage();
    const QSize size = document.pagePointSize(sheet).toSize().scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawImage(QPoint(0, 0), document.render(sheet, size));
  }
  return painter.end();
}

}  // namespace tessolar
