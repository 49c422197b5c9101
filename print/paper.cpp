#include "print/paper.h"

#include <QMarginsF>
#include <QRectF>

namespace tessolar {

QPageSize::PageSizeId PageSizeOf(Paper paper) {
  return paper == Paper::kLetter ? QPageSize::Letter : QPageSize::A4;
}

QPageLayout SheetLayout(QPageSize::PageSizeId paper, PrintLayout layout) {
  const qreal margin = kPrintMarginMm;
  return QPageLayout(QPageSize(paper),
                     layout == PrintLayout::kWall ? QPageLayout::Portrait : QPageLayout::Landscape,
                     QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter);
}

QPageLayout DefaultPageLayout() {
  return SheetLayout(PageSizeOf(PaperOfLocale()), PrintLayout::kBooklet);
}

SheetArea PrintableArea(const QPageLayout& layout) {
  const QRectF area = layout.paintRect(QPageLayout::Millimeter);
  return PortraitArea(area.width(), area.height(), 0);
}

}  // namespace tessolar
