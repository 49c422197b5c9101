// What a person waits for after choosing an address book in File → Import:
// the file read into a plan and the preview dialog painted, measured with the
// real dialog for the vCard or iCalendar file named on the command line, into
// an empty calendar. Prints the median of 10 runs.

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTableView>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/dialogs/dlg_import_preview.h"
#include "imports/import_source.h"

namespace {

// Ends the dialog's event loop after the table's first paint.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(QDialog& dialog) : dialog_(dialog) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint)
      QMetaObject::invokeMethod(&dialog_, "accept", Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
  }

 private:
  QDialog& dialog_;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s ADDRESS-BOOK.vcf\n", argv[0]);
    return 1;
  }
  tessolar::CCalDatabase calendar;
  calendar.SetYear(2027);
  std::vector<double> times;
  size_t candidates = 0;
  for (int run = 0; run < 10; ++run) {
    QElapsedTimer clock;
    clock.start();
    tessolar::UserText error;
    auto plan = tessolar::PlanImportFromFile(argv[1], calendar, &error);
    if (!plan) {
      std::fprintf(stderr, "%s\n", tessolar::English(error).c_str());
      return 1;
    }
    candidates = plan->candidates.size();
    tessolar::CDlgImportPreview dialog(*plan, "book.vcf", nullptr);
    FirstPaint paint(dialog);
    dialog.Table()->viewport()->installEventFilter(&paint);
    dialog.exec();
    times.push_back(clock.nsecsElapsed() / 1e6);
  }
  std::sort(times.begin(), times.end());
  std::printf(
      "%zu candidates, file chosen to preview painted: %.1f ms (median of %zu; fastest %.1f, "
      "slowest %.1f)\n",
      candidates, times[times.size() / 2], times.size(), times.front(), times.back());
  return 0;
}
