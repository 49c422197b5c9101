#pragma once
// The main window: menus, toolbar and status bar around the browser view;
// it owns the calendar and the flows, and asks before the calendar is closed.

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/flows/calendar_document.h"
#include "app/flows/calendar_locks.h"
#include "app/flows/file_commands.h"
#include "app/flows/recent_files.h"
#include "app/flows/recovery.h"
#include "app/flows/view_controller.h"
#include "app/qsettings_store.h"
#include "app/qt_user_prompts.h"
#include "app/tessolar_view.h"
#include "print/print_handler.h"

class QAction;

namespace tessolar {

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  CMainFrame();
  ~CMainFrame() override;

  // Shows the window at its last position, then the welcome page, or the
  // calendar at `calendarPath` when one is named.
  void Start(const QString& calendarPath);

  ViewController& Controller() { return controller_; }
  const CalendarDocument& Document() const { return doc_; }
  CPrintHandler& Printer() { return printer_; }
  CTessolarView* View() { return view_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* NewAction(const QString& text, std::function<void()> command);
  void CreateMenusAndToolBar();
  void ExportToPdf();
  // Runs an Edit menu command on what the page has selected.
  void OnSelection(ViewController::EditCommand command);
  void UpdateWindowTitle();
  void CalendarChanged();
  void UpdateMonthButtons();
  // The print layout menu shows `choices`; choosing there keeps them.
  void AddRecentMenu(QMenu* fileMenu);
  void UpdateUndo();
  void ShowPrintChoices(const PrintChoices& choices);
  void ChoosePrint();
  std::optional<std::string> WallPage(SheetArea area, WallPictureFit fit) const;
  void RestorePlacement();
  void SavePlacement();

  QSettingsStore settings_;
  CalendarDocument doc_;
  RecentFiles recent_;
  QtUserPrompts prompts_;
  FileCommands files_;
  CTessolarView* view_;
  ViewController controller_;
  Recovery recovery_;
  CalendarLocks locks_;
  CPrintHandler printer_;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* wallLayout_ = nullptr;
  QAction* cropPictures_ = nullptr;
  std::array<QAction*, kMonthsPerYear> monthButtons_{};
};

}  // namespace tessolar
