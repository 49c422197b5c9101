#include "app/main_frame.h"

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

#include "app/dialogs/dlg_about.h"
#include "app/flows/window_placement.h"
#include "app/toolbar_icons.h"
#include "compute/language_table.h"
#include "pages/page_conventions.h"

namespace tessolar {
namespace {

constexpr char kPlacementGroup[] = "Settings";
constexpr char kPlacementName[] = "MainWndPos";
constexpr char kUntitled[] = "Orlenby Calendar Creator";

// Entries of the language table that name the toolbar's page commands.
enum TooltipEntry {
  kWelcomeTip = 31,
  kConfigurationTip = 32,
  kBigPicturesTip = 33,
  kOneMonthTip = 34,
  kAllMonthsTip = 35,
  kPreviousMonthTip = 36,
  kNextMonthTip = 37,
  kTitlePageTip = 38,
};

}  // namespace

CMainFrame::CMainFrame()
    : recent_(settings_),
      prompts_(this),
      files_(doc_, prompts_, recent_),
      view_(new CTessolarView(this)),
      controller_(doc_, prompts_, recent_, files_, *view_) {
  setWindowTitle(QString(kUntitled) + " - Tessolar");
  setWindowIcon(ApplicationIcon());
  setCentralWidget(view_);
  view_->Attach(controller_, prompts_);
  printer_.SetView(view_);
  CreateMenusAndToolBar();
  statusBar()->showMessage(tr("Ready"));
  connect(view_, &QWebEngineView::loadStarted, this, &CMainFrame::UpdateTexts);
}

CMainFrame::~CMainFrame() {
  SavePlacement();
  std::remove(PageFilePath().c_str());
}

QAction* CMainFrame::AddCommand(QMenu* menu, const QString& text, const QKeySequence& keys,
                                std::function<void()> command) {
  auto* action = new QAction(text, this);
  if (!keys.isEmpty()) action->setShortcut(keys);
  connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
  if (menu) menu->addAction(action);
  return action;
}

void CMainFrame::CreateMenusAndToolBar() {
  ViewController& c = controller_;
  QMenu* file = menuBar()->addMenu(tr("&File"));
  QAction* newCalendar = AddCommand(file, tr("&New"), QKeySequence::New, [&c] { c.NewCalendar(); });
  QAction* open = AddCommand(file, tr("&Open..."), QKeySequence::Open, [&c] { c.OpenCalendar(); });
  newCalendar->setIcon(QIcon::fromTheme("document-new"));
  open->setIcon(QIcon::fromTheme("document-open"));
  AddCommand(file, tr("&Save"), QKeySequence::Save, [this] {
    files_.Save();
    UpdateTexts();
  })->setIcon(QIcon::fromTheme("document-save"));
  AddCommand(file, tr("Save &As..."), QKeySequence::SaveAs, [this] {
    files_.SaveAs(doc_.Db().CalendarFileName());
    UpdateTexts();
  });
  file->addSeparator();
  AddCommand(file, tr("Page Set&up..."), {}, [this] { printer_.PageSetup(); });
  AddCommand(file, tr("Print Pre&view..."), {}, [this] { printer_.PrintPreview(); })
      ->setIcon(QIcon::fromTheme("document-print-preview"));
  AddCommand(file, tr("&Print..."), QKeySequence::Print, [this] {
    QString error;
    if (!printer_.Print(error)) prompts_.ShowMessage(error.toStdString());
  })->setIcon(QIcon::fromTheme("document-print"));
  AddCommand(file, tr("&Export as PDF..."), {}, [this] { ExportToPdf(); });
  file->addSeparator();
  AddCommand(file, tr("E&xit"), QKeySequence::Quit, [this] { close(); });

  QMenu* page = menuBar()->addMenu(tr("&Page"));
  QAction* welcome = AddCommand(page, tr("&Welcome"), {}, [&c] { c.ShowWelcome(); });
  QAction* bigPictures = AddCommand(page, tr("&Big Pictures"), {}, [&c] { c.ShowBigPictures(); });
  QAction* title = AddCommand(page, tr("&Title Page"), {}, [&c] { c.ShowTitlePage(); });
  QAction* oneMonth = AddCommand(page, tr("&One Month"), {}, [&c] { c.ShowOneMonth(); });
  QAction* allMonths = AddCommand(page, tr("&All Months"), {}, [&c] { c.ShowAllMonths(); });
  QAction* previous = AddCommand(page, tr("Month &Previous"), QKeySequence(Qt::ALT | Qt::Key_Left),
                                 [&c] { c.MonthPrevious(); });
  QAction* next = AddCommand(page, tr("Month &Next"), QKeySequence(Qt::ALT | Qt::Key_Right),
                             [&c] { c.MonthNext(); });
  previous->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
  next->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Right), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
  QAction* configuration = AddCommand(page, tr("&Configuration"), {}, [&c] { c.Configuration(); });
  AddCommand(page, tr("&Hidden Events"), {}, [&c] { c.ShowHiddenEvents(); });
  AddCommand(page, tr("CalDatabase"), {}, [&c] { c.ShowCalDatabase(); });

  QMenu* help = menuBar()->addMenu(tr("&Help"));
  AddCommand(help, tr("&Help"), QKeySequence::HelpContents, [&c] { c.ShowHelp(); });
  AddCommand(help, tr("&About Tessolar..."), {}, [this] { CDlgAbout(this).exec(); });

  welcome->setIcon(ToolbarIcon(ToolbarCommand::kWelcome));
  bigPictures->setIcon(ToolbarIcon(ToolbarCommand::kBigPictures));
  title->setIcon(ToolbarIcon(ToolbarCommand::kTitlePage));
  oneMonth->setIcon(ToolbarIcon(ToolbarCommand::kOneMonth));
  allMonths->setIcon(ToolbarIcon(ToolbarCommand::kAllMonths));
  previous->setIcon(ToolbarIcon(ToolbarCommand::kMonthPrevious));
  next->setIcon(ToolbarIcon(ToolbarCommand::kMonthNext));
  configuration->setIcon(ToolbarIcon(ToolbarCommand::kConfiguration));

  QToolBar* bar = addToolBar(tr("Pages"));
  bar->setObjectName("pages");
  bar->setIconSize(QSize(24, 24));
  bar->addAction(previous);
  for (int month = 0; month < 12; ++month) {
    QAction* action = AddCommand(nullptr, QString(), {}, [&c, month] { c.ShowMonth(month); });
    action->setIcon(MonthIcon(month));
    bar->addAction(action);
    translated_.push_back({action, -1 - month});
  }
  bar->addAction(next);
  bar->addSeparator();
  for (QAction* a : {welcome, configuration, title, bigPictures, oneMonth, allMonths}) {
    bar->addAction(a);
  }
  translated_.insert(translated_.end(), {{welcome, kWelcomeTip},
                                         {configuration, kConfigurationTip},
                                         {bigPictures, kBigPicturesTip},
                                         {oneMonth, kOneMonthTip},
                                         {allMonths, kAllMonthsTip},
                                         {previous, kPreviousMonthTip},
                                         {next, kNextMonthTip},
                                         {title, kTitlePageTip}});
  UpdateTexts();
}

void CMainFrame::ExportToPdf() {
  const QString start = QFileInfo(QString::fromStdString(doc_.Db().CalendarFileName()))
                            .completeBaseName();
  const QString path = QFileDialog::getSaveFileName(this, tr("Export as PDF"),
                                                    (start.isEmpty() ? "calendar" : start) + ".pdf",
                                                    tr("PDF Files (*.pdf)"));
  if (path.isEmpty()) return;
  QString error;
  if (!printer_.ExportToPdf(path, error)) prompts_.ShowMessage(error.toStdString());
}

void CMainFrame::UpdateTexts() {
  for (const auto& [action, entry] : translated_) {
    const int language = doc_.Db().Language();
    const std::string text =
        entry < 0 ? MonthName(language, -1 - entry) : LanguageString(language, entry);
    const QString tip = QString::fromStdString(text).left(80);
    action->setToolTip(tip);
    action->setStatusTip(tip);
    if (entry < 0) action->setText(tip);
  }
  const std::string& name = doc_.Db().CalendarFileName();
  setWindowTitle((name.empty() ? QString(kUntitled)
                               : QFileInfo(QString::fromStdString(name)).fileName()) +
                 " - Tessolar");
}

void CMainFrame::Start(const QString& calendarPath) {
  RestorePlacement();
  if (calendarPath.isEmpty()) {
    view_->NavigateToPage();
  } else {
    controller_.OpenCalendarFile(QFileInfo(calendarPath).absoluteFilePath().toStdString());
  }
  // Said once the window is up, over its first page.
  const QString settingsProblem = settings_.Problem();
  if (!settingsProblem.isEmpty()) {
    QTimer::singleShot(0, this, [this, settingsProblem] {
      prompts_.ShowMessage(settingsProblem.toStdString());
    });
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
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace tessolar
