#pragma once
// The browser page of the view: a closed room that loads only the program's
// own page file. Navigations carrying a click token are stopped and their
// token is handed on, to run from the event loop.

#include <QWebEnginePage>

#include "app/flows/view_controller.h"

namespace tessolar {

class CTessolarPage : public QWebEnginePage {
  Q_OBJECT

 public:
  CTessolarPage(QWebEngineProfile* profile, ViewController& controller, QObject* parent);

 signals:
  void tokenClicked(const tessolar::ClickToken& token);
  void pageWriteFailed(const QString& message);
  void openExternally(const QString& path);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;

 private:
  ViewController& controller_;
};

}  // namespace tessolar
