#pragma once
// Printing a page to a PDF file through the browser engine, with or without
// a window. A QApplication must exist; both functions wait for the engine
// in a local event loop.

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QWebEnginePage;

namespace tessolar {

// Prints what `page` shows on the paper of `layout` into `pdf`. Returns
// false with a one-line `error` when the engine could not print.
bool PrintPageToPdfData(QWebEnginePage& page, const QPageLayout& layout, QByteArray& pdf,
                        QString& error);

// Runs `print` and writes the PDF it made to `pdfPath`, replacing the file
// in one step. Returns false with a one-line `error` when `print` failed (the
// error then names the PDF) or the file could not be written (an older file
// then stays).
bool WritePrintedPdf(const std::function<bool(QByteArray& pdf, QString& error)>& print,
                     const QString& pdfPath, QString& error);

// Loads the page file `pageFile` (an HTML file path) into a page of its own,
// with no view, waits for its pictures, and prints it like
// PrintPageToPdfData. Returns false with a one-line `error` when the file
// does not load (or takes longer than a minute) or cannot be printed.
bool PrintPageFileToPdfData(const QString& pageFile, const QPageLayout& layout, QByteArray& pdf,
                            QString& error);

// The same, written to `pdfPath` like WritePrintedPdf.
bool PrintPageFileToPdf(const QString& pageFile, const QString& pdfPath, const QPageLayout& layout,
                        QString& error);

}  // namespace tessolar
