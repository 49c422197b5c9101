#pragma once
// Paper printing and its preview from the PDF that Export as PDF writes, so
// what comes out of the printer is laid out exactly like that file.

#include <QByteArray>
#include <QString>

class QPrinter;

namespace tessolar {

// Draws every sheet of `pdf` (or the range chosen in the print dialog) onto
// `printer`, each filling the printable area. Returns false with a one-line
// `error` when the document cannot be read or the printer not opened.
bool PaintPdfOnPrinter(const QByteArray& pdf, QPrinter& printer, QString& error);

}  // namespace tessolar
