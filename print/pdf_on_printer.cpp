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
  // Each sheet of the PDF is a whole sheet of paper, margins and all: it is
  // painted over the whole paper, on white (the preview shows paper as it is).
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) {
    error = QStringLiteral("the printer could not be opened");
    return false;
  }
  // The preview shows the sheets scaled down: smoothly, or thin cell borders
  // drop out.
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
  for (int sheet = first; sheet <= last; ++sheet) {
    if (sheet > first) printer.newPage();
    const QSize size =
        document.pagePointSize(sheet).toSize().scaled(paper.size(), Qt::KeepAspectRatio);
    QImage onWhite(size, QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(QPoint(0, 0), document.render(sheet, size));
    painter.drawImage(QPoint(0, 0), onWhite);
  }
  return painter.end();
}

}  // namespace tessolar
