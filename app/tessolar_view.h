#pragma once
// The one view of the main window: a browser that shows the page file, and
// runs the actions of the tokens its pages send.

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
  uint32_t ClientWidth() const override;
  uint32_t ClientHeight() const override;

 signals:
  // A token's action has run and its page is on the way.
  void tokenHandled();

 private:
  ViewController* controller_ = nullptr;
  UserPrompts* prompts_ = nullptr;
};

}  // namespace tessolar
