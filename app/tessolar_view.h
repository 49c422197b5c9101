#pragma once
// The one view of the main window: a browser that shows the page file, and
// runs the actions of the tokens its pages send.

#include <QElapsedTimer>
#include <QStringList>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "app/flows/page_display.h"
#include "app/flows/view_controller.h"

namespace tessolar {

class CTessolarView : public QWebEngineView, public PageDisplay {
  Q_OBJECT

 public:
  explicit CTessolarView(QWidget* parent);
  // Connects the view to the flows; must be called before the first page.
  void Attach(ViewController& controller, UserPrompts& prompts);

  void NavigateToPage() override;
  void ReplacePage(const std::string& page) override;
  void SelectDay(const std::string& date) override;
  // Calls `then`, from the event loop, with what the page has selected.
  void WithSelection(std::function<void(const PageSelection&)> then);
  uint32_t ClientWidth() const override;
  uint32_t ClientHeight() const override;

 protected:
  // File drops reach the engine's own child widget: they are taken there,
  // before the engine could open the file as a page.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void childEvent(QChildEvent* event) override;

 signals:
  // A token's action has run and its page is on the way.
  void tokenHandled();

 private:
  void PageProcessEnded(QWebEnginePage::RenderProcessTerminationStatus status);

  QElapsedTimer sinceRestart_;
  QString dayToSelect_;  // for the page being loaded
  ViewController* controller_ = nullptr;
  UserPrompts* prompts_ = nullptr;
};

// The local picture files among `urls`; empty when any of them is something else.
QStringList DroppedPictures(const QList<QUrl>& urls);
// The one local calendar file (*.cal) that `urls` name; empty otherwise.
QString DroppedCalendar(const QList<QUrl>& urls);

}  // namespace tessolar
