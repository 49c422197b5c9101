#pragma once
// Print, Print Preview, Page Setup and Export to PDF of the page a web view
// shows. The window wires its menu commands to these; the paper and
// orientation chosen in Page Setup are what all four use.

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>

class QPrinter;
class QWebEngineView;

namespace tessolar {

class CPrintHandler : public QObject {
  Q_OBJECT

 public:
  // Starts with the locale's paper in landscape (DefaultPageLayout()).
  explicit CPrintHandler(QObject* parent = nullptr);

  // The view whose page is printed; its window parents the dialogs.
  void SetView(QWebEngineView* view);

  const QPageLayout& PageLayout() const { return layout_; }

  // Each asks the user in its dialog and returns when the engine is done;
  // they do nothing without a view or while another print runs.
  // Print returns false with a one-line `error` for the user when the engine
  // could not print; a cancelled dialog is no failure.
  bool Print(QString& error);
  void PrintPreview();
  void PageSetup();
  // Writes the page to `pdfPath` on the chosen paper. Returns false with a
  // one-line `error` for the user when nothing was written.
  bool ExportToPdf(const QString& pdfPath, QString& error);
  // What Print and Print Preview send to their printer once the dialog is
  // done: the view's page on `printer`'s paper and orientation. Waits until it
  // is done; false when it failed or there is no view.
  bool PrintInto(QPrinter* printer);

 private:
  // A printer at print resolution on the chosen paper.
  void PreparePrinter(QPrinter& printer) const;

  QPointer<QWebEngineView> view_;
  QPageLayout layout_;
  bool busy_ = false;
};

}  // namespace tessolar
