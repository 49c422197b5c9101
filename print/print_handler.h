#pragma once
// Print, Print Preview, Page Setup and Export to PDF of the page a web view
// shows. The window wires its menu commands to these; the paper chosen in
// Page Setup is what all four use. As a booklet the page prints as shown, in
// the orientation chosen; as a wall calendar the calendar's pages are made
// anew for portrait sheets.

#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "print/print_choices.h"

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

  // The wall calendar of what the view shows, for sheets of `area`; nothing
  // when the view shows no calendar page (it then prints as shown).
  using WallPageSource = std::function<std::optional<std::string>(SheetArea, WallPictureFit)>;
  void SetWallPageSource(WallPageSource source) { wallSource_ = std::move(source); }

  const PrintChoices& Choices() const { return choices_; }
  void SetChoices(const PrintChoices& choices);

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

 signals:
  // The choices changed, here or in the print dialog.
  void ChoicesChanged(const tessolar::PrintChoices& choices);

 private:
  // A printer at print resolution on the chosen paper, in the layout's orientation.
  void PreparePrinter(QPrinter& printer) const;
  // The chosen paper in the orientation the layout prints on.
  QPageLayout SheetLayout() const;
  // The sheets of the chosen layout on `layout`'s paper as a PDF.
  bool PrintToPdfData(const QPageLayout& layout, QByteArray& pdf, QString& error);

  QPointer<QWebEngineView> view_;
  QPageLayout layout_;
  PrintChoices choices_;
  WallPageSource wallSource_;
  bool busy_ = false;
};

}  // namespace tessolar
