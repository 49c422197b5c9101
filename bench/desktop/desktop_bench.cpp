// What a person waits for in the desktop program, measured with the real
// window and browser: process start to the welcome page shown, and for a
// full calendar of 500 entries a double-click on an entry to its dialog
// shown, OK to the changed entry shown in place beside a reload of the same
// page, undo and redo of such a change, and the all-months page
// printed to a PDF file and onto a 300 dpi printer. Prints medians.

#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "caldata/calendar_file.h"
#include "print/engine_environment.h"

namespace {

// Milliseconds since this process started, from the kernel's own clock.
double MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  for (int i = 0; i < 22 && stat >> field; ++i) {
  }
  std::ifstream uptime("/proc/uptime");
  double up = 0;
  uptime >> up;
  return (up - std::stod(field) / static_cast<double>(sysconf(_SC_CLK_TCK))) * 1000;
}

void WaitForLoad(tessolar::CMainFrame& frame) {
  QEventLoop loop;
  QObject::connect(frame.View(), &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  loop.exec();
}

// Waits until the page's text holds `text`; false after 20 s.
bool WaitForText(tessolar::CMainFrame& frame, const QString& text) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < 20000) {
    bool answered = false, found = false;
    frame.View()->page()->runJavaScript("document.body.innerText", [&](const QVariant& v) {
      found = v.toString().contains(text);
      answered = true;
    });
    while (!answered) QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    if (found) return true;
  }
  std::fprintf(stderr, "the page never showed %s\n", qPrintable(text));
  return false;
}

std::string FullCalendarFile(const QTemporaryDir& dir) {
  tessolar::CCalDatabase db;
  db.SetYear(2024);
  const char* pictures[] = {"flowers54.jpg", "birthday_bear.gif", "columbus.png", "null"};
  for (int i = 0; i < static_cast<int>(tessolar::kMaxEntries); ++i) {
    const int k = i / 12;
    db.SaveHolidayData(i % 12, k < 36 ? 1 + (k * 3) % 28 : 10 + k % 2, 1950 + i % 70, i % 10,
                       "Entry number " + std::to_string(i), pictures[i % 4], 0, i % 3 == 0);
  }
  db.SortAndCompact();
  const std::string path = dir.filePath("full.cal").toStdString();
  tessolar::SaveCalendarFile(db, path);
  return path;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  tessolar::PrepareWebEngineEnvironment(false);
  QTemporaryDir home;
  qputenv("TESSOLAR_PAGE_DIR", home.filePath("pages").toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
  qputenv("XDG_STATE_HOME", home.filePath("state").toUtf8());
  QApplication app(argc, argv);
  double startToWelcome = 0;
  {
    tessolar::CMainFrame frame;
    frame.Start(QString());
    WaitForLoad(frame);
    startToWelcome = MillisecondsSinceProcessStart();
  }

  tessolar::CMainFrame frame;
  frame.Start(QString::fromStdString(FullCalendarFile(home)));
  WaitForLoad(frame);
  std::vector<double> toDialog, toPage, reload;
  for (int run = 0; run < 15; ++run) {
    // The entry is renamed in the dialog; the page shows it once the new
    // name is in the page's text.
    const QString name = QString("Renamed %1").arg(run);
    QElapsedTimer clock;
    bool shown = false;
    auto* poll = new QTimer(&app);
    QObject::connect(poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog || shown) return;
      shown = true;
      toDialog.push_back(clock.nsecsElapsed() / 1e6);
      poll->stop();
      dialog->findChild<QLineEdit*>("descriptionEdit")->setText(name);
      clock.restart();
      dialog->accept();
    });
    poll->start(1);
    clock.start();
    // The first entry of the month on screen.
    frame.View()->page()->runJavaScript(
        "var e = document.querySelector('[data-entry]');"
        "onBtnOk('calidx' + ('000' + e.getAttribute('data-entry')).slice(-4));");
    if (!WaitForText(frame, name)) return 1;
    toPage.push_back(clock.nsecsElapsed() / 1e6);
    poll->deleteLater();
    // The same page loaded again, as every edit did before pages were updated in place.
    clock.restart();
    frame.View()->reload();
    WaitForLoad(frame);
    reload.push_back(clock.nsecsElapsed() / 1e6);
  }

  // The renames taken back one by one and made again: the calendar's step
  // alone, and to the name before (or after) shown on the page.
  std::vector<double> stepOnly, stepShown;
  const auto step = [&](bool undo, int run) {
    QElapsedTimer clock;
    clock.start();
    undo ? frame.Controller().Undo() : frame.Controller().Redo();
    stepOnly.push_back(clock.nsecsElapsed() / 1e6);
    if (!WaitForText(frame, QString("Renamed %1").arg(run))) return false;
    stepShown.push_back(clock.nsecsElapsed() / 1e6);
    return true;
  };
  for (int run = 13; run >= 4; --run) {
    if (!step(true, run)) return 1;
  }
  for (int run = 5; run <= 14; ++run) {
    if (!step(false, run)) return 1;
  }

  frame.Controller().ShowAllMonths();
  WaitForLoad(frame);
  std::vector<double> toPdf, toPrinter;
  for (int run = 0; run < 3; ++run) {
    QElapsedTimer clock;
    clock.start();
    QString error;
    if (!frame.Printer().ExportToPdf(home.filePath("all.pdf"), error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
    toPdf.push_back(clock.nsecsElapsed() / 1e6);
    clock.restart();
    QPrinter printer;
    printer.setResolution(300);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(home.filePath("paper.pdf"));
    printer.setPageLayout(frame.Printer().PageLayout());
    if (!frame.Printer().PrintInto(&printer)) {
      std::fprintf(stderr, "the all-months page could not be printed\n");
      return 1;
    }
    toPrinter.push_back(clock.nsecsElapsed() / 1e6);
  }
  std::printf("process start to welcome page shown: %.0f ms\n", startToWelcome);
  std::printf(
      "500 entries, double-click on an entry to its dialog shown: %.1f ms (median of %zu)\n",
      Median(toDialog), toDialog.size());
  std::printf("500 entries, OK to the renamed entry shown in place: %.1f ms (median of %zu)\n",
              Median(toPage), toPage.size());
  std::printf("500 entries, undo or redo of a rename: %.2f ms, to the page showing it: %.1f ms "
              "(medians of %zu)\n",
              Median(stepOnly), Median(stepShown), stepOnly.size());
  std::printf("500 entries, the same month page loaded again: %.1f ms (median of %zu)\n",
              Median(reload), reload.size());
  std::printf("500 entries, all-months page (26 sheets) to a PDF file: %.0f ms (median of %zu)\n",
              Median(toPdf), toPdf.size());
  std::printf("500 entries, all-months page onto a 300 dpi printer: %.0f ms (median of %zu)\n",
              Median(toPrinter), toPrinter.size());
  return 0;
}
