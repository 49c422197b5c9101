#include "app/main_frame.h"

#include <unistd.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <map>
#include <string>

#include "app/dialogs/dlg_about.h"
#include "app/flows/program_names.h"
#include "app/flows/window_placement.h"
#include "app/toolbar_icons.h"
#include "app/translations.h"
#include "caldata/locale_defaults.h"
#include "pages/page_conventions.h"
#include "pages/wall_calendar.h"

namespace tessolar {
namespace {

constexpr char kPlacementGroup[] = "Settings";
constexpr char kPlacementName[] = "MainWndPos";
constexpr char kPrintChoicesName[] = "PrintLayout";
constexpr char kUntitled[] = "Orlenby Calendar Creator";

// The toolbar's first button, after which the month buttons come, and the
// first of the page buttons, after a separator.
constexpr int kPreviousMonthPlace = 1;
constexpr int kFirstPageButtonPlace = 3;
constexpr int kUndoPlace = 9;

// A command of the menus, and of the toolbar when it has a place there.
struct WindowCommand {
  const char* menu;  // untranslated, as tr() takes it
  const char* text;
  QList<QKeySequence> keys;
  QIcon icon;
  std::function<void()> run;
  const char* tooltip = nullptr;  // what it does, untranslated; none: its text
  int toolbarPlace = 0;           // 1.. from the left; 0: menu only
  bool separatorBefore = false;
  QAction** kept = nullptr;  // where the window keeps the action
};

}  // namespace

CMainFrame::CMainFrame()
    : recent_(settings_),
      prompts_(this),
      files_(doc_, prompts_, recent_),
      view_(new CTessolarView(this)),
      controller_(doc_, prompts_, recent_, files_, *view_),
      recovery_(doc_, StateFolder(), static_cast<int>(::getpid())),
      locks_(StateFolder(), static_cast<int>(::getpid()), IsRunningTessolar) {
  setWindowTitle(QString(kUntitled) + " - Tessolar");
  setWindowIcon(ApplicationIcon());
  // Until a calendar is opened, the welcome page speaks the desktop's language.
  const LocaleCalendar local = CalendarForLocale(DesktopLocaleName());
  doc_.Db().SetLanguage(local.language);
  doc_.Db().SetCountry(local.country);
  doc_.Db().SetFirstWeekday(local.firstWeekday);
  setCentralWidget(view_);
  view_->Attach(controller_, prompts_);
  controller_.SetChangeListener([this] { CalendarChanged(); });
  controller_.SetOpenGuard(
      [this](const std::string& path) { return locks_.MayOpen(path, prompts_); });
  printer_.SetView(view_);
  printer_.SetChoices(PrintChoicesFromText(settings_.Value(kPlacementGroup, kPrintChoicesName)));
  printer_.SetWallPageSource([this](SheetArea area, WallPictureFit fit) { return WallPage(area, fit); });
  CreateMenusAndToolBar();
  statusBar()->showMessage(tr("Ready"));
  connect(view_, &QWebEngineView::loadStarted, this, &CMainFrame::UpdateWindowTitle);
}

CMainFrame::~CMainFrame() {
  SavePlacement();
  std::remove(PageFilePath().c_str());
  std::remove(PrintFilePath().c_str());
}

void CMainFrame::CreateMenusAndToolBar() {
  ViewController& c = controller_;
  const auto icon = [](ToolbarCommand command) { return ToolbarIcon(command); };
  const auto theme = [](const char* name) { return QIcon::fromTheme(name); };
  // The menus in order; the toolbar takes the commands with a place, in the
  // order of their places, the month buttons after the first.
  const std::vector<WindowCommand> commands = {
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&New"),
       {QKeySequence::New},
       theme("document-new"),
       [&c] { c.NewCalendar(); }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Open..."),
       {QKeySequence::Open},
       theme("document-open"),
       [&c] { c.OpenCalendar(); }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Save"),
       {QKeySequence::Save},
       theme("document-save"),
       [this] {
         files_.Save();
         CalendarChanged();
         UpdateWindowTitle();
       }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("Save &As..."),
       {QKeySequence::SaveAs},
       {},
       [this] {
         files_.SaveAs(doc_.FileName());
         CalendarChanged();
         UpdateWindowTitle();
       }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Import..."),
       {QKeySequence(Qt::CTRL | Qt::Key_I)},
       theme("document-import"),
       [&c] { c.Import(); },
       nullptr,
       0,
       true},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("Export as iCa&lendar..."),
       {},
       theme("document-export"),
       [&c] { c.ExportICalendar(); }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("Page Set&up..."),
       {},
       {},
       [this] { printer_.PageSetup(); },
       nullptr,
       0,
       true},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Wall Calendar Layout"),
       {},
       {},
       [this] { ChoosePrint(); },
       nullptr,
       0,
       false,
       &wallLayout_},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Crop Wall Pictures to Fill"),
       {},
       {},
       [this] { ChoosePrint(); },
       nullptr,
       0,
       false,
       &cropPictures_},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("Print Pre&view..."),
       {},
       theme("document-print-preview"),
       [this] { printer_.PrintPreview(); }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("&Print..."),
       {QKeySequence::Print},
       theme("document-print"),
       [this] {
         QString error;
         if (!printer_.Print(error)) prompts_.ShowMessage(error.toStdString());
       }},
      {QT_TR_NOOP("&File"), QT_TR_NOOP("&Export as PDF..."), {}, {}, [this] { ExportToPdf(); }},
      {QT_TR_NOOP("&File"),
       QT_TR_NOOP("E&xit"),
       {QKeySequence::Quit},
       {},
       [this] { close(); },
       nullptr,
       0,
       true},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Undo"),
       {QKeySequence::Undo},
       icon(ToolbarCommand::kUndo),
       [&c] { c.Undo(); },
       nullptr,
       kUndoPlace,
       false,
       &undo_},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Redo"),
       {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
       icon(ToolbarCommand::kRedo),
       [&c] { c.Redo(); },
       nullptr,
       kUndoPlace + 1,
       false,
       &redo_},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Add Event..."),
       {QKeySequence(Qt::Key_Insert), QKeySequence(Qt::CTRL | Qt::Key_E)},
       theme("list-add"),
       [this] { OnSelection(ViewController::EditCommand::kAddEvent); },
       nullptr,
       0,
       true},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Edit Entry..."),
       {QKeySequence(Qt::Key_F2)},
       theme("document-properties"),
       [this] { OnSelection(ViewController::EditCommand::kEditEntry); }},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Hide Entry"),
       {},
       {},
       [this] { OnSelection(ViewController::EditCommand::kHideEntry); }},
      {QT_TR_NOOP("&Edit"),
       QT_TR_NOOP("&Delete Entry..."),
       {QKeySequence::Delete},
       theme("edit-delete"),
       [this] { OnSelection(ViewController::EditCommand::kDeleteEntry); }},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&Welcome"),
       {},
       icon(ToolbarCommand::kWelcome),
       [&c] { c.ShowWelcome(); },
       QT_TR_NOOP("Show the welcome page"),
       3},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&Big Pictures"),
       {},
       icon(ToolbarCommand::kBigPictures),
       [&c] { c.ShowBigPictures(); },
       QT_TR_NOOP("Show the big pictures page"),
       6},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&Title Page"),
       {},
       icon(ToolbarCommand::kTitlePage),
       [&c] { c.ShowTitlePage(); },
       QT_TR_NOOP("Show the title page"),
       5},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&One Month"),
       {},
       icon(ToolbarCommand::kOneMonth),
       [&c] { c.ShowOneMonth(); },
       QT_TR_NOOP("Show one month"),
       7},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&All Months"),
       {},
       icon(ToolbarCommand::kAllMonths),
       [&c] { c.ShowAllMonths(); },
       QT_TR_NOOP("Show all twelve months"),
       8},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("Month &Previous"),
       {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
       icon(ToolbarCommand::kMonthPrevious),
       [&c] { c.MonthPrevious(); },
       QT_TR_NOOP("Go to the previous month"),
       kPreviousMonthPlace},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("Month &Next"),
       {QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
       icon(ToolbarCommand::kMonthNext),
       [&c] { c.MonthNext(); },
       QT_TR_NOOP("Go to the next month"),
       2},
      {QT_TR_NOOP("&Page"),
       QT_TR_NOOP("&Configuration"),
       {},
       icon(ToolbarCommand::kConfiguration),
       [&c] { c.Configuration(); },
       QT_TR_NOOP("Change the calendar settings"),
       4},
      {QT_TR_NOOP("&Page"), QT_TR_NOOP("&Hidden Events"), {}, {}, [&c] { c.ShowHiddenEvents(); }},
      {QT_TR_NOOP("&Page"), QT_TR_NOOP("CalDatabase"), {}, {}, [&c] { c.ShowCalDatabase(); }},
      {QT_TR_NOOP("&Help"),
       QT_TR_NOOP("&Help"),
       {QKeySequence::HelpContents},
       {},
       [&c] { c.ShowHelp(); }},
      {QT_TR_NOOP("&Help"),
       QT_TR_NOOP("&About Tessolar..."),
       {},
       {},
       [this] { CDlgAbout(this).exec(); }},
  };

  std::map<std::string, QMenu*> menus;
  std::map<int, QAction*> toolbarPlaces;
  for (const WindowCommand& command : commands) {
    QMenu*& menu = menus[command.menu];
    if (menu == nullptr) menu = menuBar()->addMenu(tr(command.menu));
    if (command.separatorBefore) menu->addSeparator();
    QAction* action = NewAction(tr(command.text), command.run);
    action->setShortcuts(command.keys);
    action->setIcon(command.icon);
    menu->addAction(action);
    if (std::string_view(command.text) == "&Open...") AddRecentMenu(menu);
    if (command.kept != nullptr) *command.kept = action;
    if (command.tooltip != nullptr) {
      action->setToolTip(tr(command.tooltip));
      action->setStatusTip(action->toolTip());
    }
    if (command.toolbarPlace != 0) toolbarPlaces[command.toolbarPlace] = action;
  }

  QToolBar* bar = addToolBar(tr("Pages"));
  bar->setObjectName("pages");
  bar->setIconSize(QSize(24, 24));
  for (const auto& [place, action] : toolbarPlaces) {
    if (place == kFirstPageButtonPlace || place == kUndoPlace) bar->addSeparator();
    bar->addAction(action);
    if (place != kPreviousMonthPlace) continue;
    for (int position = 0; position < kMonthsPerYear; ++position) {
      monthButtons_[position] = NewAction(
          {}, [this, position] { controller_.ShowMonth(doc_.Db().Span().MonthAt(position)); });
      bar->addAction(monthButtons_[position]);
    }
  }
  UpdateMonthButtons();
  wallLayout_->setCheckable(true);
  cropPictures_->setCheckable(true);
  ShowPrintChoices(printer_.Choices());
  UpdateUndo();
  connect(&printer_, &CPrintHandler::ChoicesChanged, this, [this](const PrintChoices& choices) {
    ShowPrintChoices(choices);
    settings_.SetValue(kPlacementGroup, kPrintChoicesName, PrintChoicesText(choices));
  });
}

// The recent calendars, newest first, as the welcome page lists them; read
// each time the menu opens, as the welcome page and other windows change them.
void CMainFrame::AddRecentMenu(QMenu* fileMenu) {
  QMenu* menu = fileMenu->addMenu(QIcon::fromTheme("document-open-recent"), tr("Open &Recent"));
  connect(menu, &QMenu::aboutToShow, this, [this, menu] {
    menu->clear();
    const std::vector<std::string> paths = recent_.Read();
    int n = 0;
    for (auto path = paths.rbegin(); path != paths.rend(); ++path) {
      const QFileInfo file(QString::fromStdString(*path));
      QAction* open = menu->addAction(
          QStringLiteral("&%1 %2  [%3]").arg(++n % 10).arg(file.fileName(), file.path()));
      open->setStatusTip(file.filePath());
      connect(open, &QAction::triggered, this,
              [this, target = *path] { controller_.OpenRecent(target); });
    }
    menu->addSeparator();
    QAction* clear = menu->addAction(tr("&Clear Menu"));
    clear->setEnabled(!paths.empty());
    connect(clear, &QAction::triggered, this, [this] {
      recent_.Clear();
      if (controller_.State().currentPageMode == PageMode::kWelcome) controller_.ShowWelcome();
    });
  });
}

void CMainFrame::ShowPrintChoices(const PrintChoices& choices) {
  wallLayout_->setChecked(choices.layout == PrintLayout::kWall);
  cropPictures_->setChecked(choices.fit == WallPictureFit::kCrop);
  cropPictures_->setEnabled(choices.layout == PrintLayout::kWall);
}

void CMainFrame::ChoosePrint() {
  printer_.SetChoices({wallLayout_->isChecked() ? PrintLayout::kWall : PrintLayout::kBooklet,
                       cropPictures_->isChecked() ? WallPictureFit::kCrop : WallPictureFit::kWhole});
}

std::optional<std::string> CMainFrame::WallPage(SheetArea area, WallPictureFit fit) const {
  const PageState& state = controller_.State();
  if (state.currentPageMode == PageMode::kAllMonths) {
    return WallCalendarPageText(doc_.Db(), 0, 12, area, fit);
  }
  if (state.currentPageMode == PageMode::kOneMonth) {
    const int position = doc_.Db().Span().PositionOf(state.currentMonth);
    return WallCalendarPageText(doc_.Db(), position, position + 1, area, fit);
  }
  return std::nullopt;
}

QAction* CMainFrame::NewAction(const QString& text, std::function<void()> command) {
  auto* action = new QAction(text, this);
  connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
  return action;
}

void CMainFrame::OnSelection(ViewController::EditCommand command) {
  view_->WithSelection([this, command](const PageSelection& selection) {
    controller_.RunEditCommand(command, selection);
  });
}

void CMainFrame::ExportToPdf() {
  const QString start = QFileInfo(QString::fromStdString(doc_.FileName())).completeBaseName();
  const QString path = QFileDialog::getSaveFileName(this, tr("Export as PDF"),
                                                    (start.isEmpty() ? "calendar" : start) + ".pdf",
                                                    tr("PDF Files (*.pdf)"));
  if (path.isEmpty()) return;
  QString error;
  if (!printer_.ExportToPdf(path, error)) prompts_.ShowMessage(error.toStdString());
}

void CMainFrame::UpdateWindowTitle() {
  const std::string& name = doc_.FileName();
  setWindowTitle(
      (name.empty() ? QString(kUntitled) : QFileInfo(QString::fromStdString(name)).fileName()) +
      " - Tessolar");
}

// After a change, a save or an open: the recovery file and the lock of the
// calendar's file follow the calendar in hand.
void CMainFrame::CalendarChanged() {
  recovery_.Update();
  locks_.Follow(doc_.FileName());
  UpdateUndo();
  UpdateWindowTitle();
  UpdateMonthButtons();
}

// The month buttons in the calendar's order, from its start month, each
// naming its month's year.
void CMainFrame::UpdateMonthButtons() {
  const CalendarSpan span = doc_.Db().Span();
  for (int position = 0; position < kMonthsPerYear; ++position) {
    const int month = span.MonthAt(position);
    const QString name = Translated(MonthPhrase(month));
    QAction* button = monthButtons_[position];
    button->setText(name);
    button->setToolTip(
        tr("%1 %2", "a month button's tip: month name, year").arg(name).arg(span.YearOf(month)));
    button->setStatusTip(button->toolTip());
    button->setIcon(MonthIcon(month));
  }
}

// Undo and Redo name the change they take back or make again, and are
// greyed when there is none.
void CMainFrame::UpdateUndo() {
  const EditHistory& history = doc_.History();
  const auto show = [](QAction* action, bool can, const QString& text) {
    action->setEnabled(can);
    action->setText(text);
    action->setToolTip(QString(text).remove('&'));
  };
  show(undo_, history.CanUndo(),
       history.CanUndo() ? tr("&Undo %1").arg(Translated(history.UndoName())) : tr("&Undo"));
  show(redo_, history.CanRedo(),
       history.CanRedo() ? tr("&Redo %1").arg(Translated(history.RedoName())) : tr("&Redo"));
}

void CMainFrame::Start(const QString& calendarPath) {
  RestorePlacement();
  if (recovery_.OfferLeftBehind(prompts_)) {
    CalendarChanged();
    controller_.ShowOneMonth();
  } else if (calendarPath.isEmpty()) {
    view_->NavigateToPage();
  } else {
    controller_.OpenCalendarFile(QFileInfo(calendarPath).absoluteFilePath().toStdString());
  }
  // Said once the window is up, over its first page.
  const QString settingsProblem = settings_.Problem();
  if (!settingsProblem.isEmpty()) {
    QTimer::singleShot(
        0, this, [this, settingsProblem] { prompts_.ShowMessage(settingsProblem.toStdString()); });
  }
}

void CMainFrame::RestorePlacement() {
  const auto placement = ParsePlacement(settings_.Value(kPlacementGroup, kPlacementName));
  if (!placement) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    resize(std::min(1180, screen.width()), std::min(900, screen.height()));
    show();
    return;
  }
  setGeometry(placement->left, placement->top, placement->right - placement->left,
              placement->bottom - placement->top);
  if (placement->maximized) {
    showMaximized();
  } else {
    show();
  }
}

void CMainFrame::SavePlacement() {
  const QRect r = isMaximized() ? normalGeometry() : geometry();
  WindowPlacement p{isMaximized(), r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  settings_.SetValue(kPlacementGroup, kPlacementName, FormatPlacement(p));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (files_.ConfirmExit()) {
    recovery_.Discard();  // saved, or left unsaved on purpose
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tessolar
