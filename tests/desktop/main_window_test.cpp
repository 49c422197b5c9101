// The real main window with the real browser, headless: what a person sees
// after starting the program, a new calendar, the month buttons and opening
// a calendar named on the command line.

#include <signal.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfDocument>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QWebEnginePage>
#include <QXmlStreamReader>
#include <QtTest>

#include "app/main_frame.h"
#include "pages/page_conventions.h"

using tessolar::CMainFrame;

namespace {

// The text the page on screen shows, once it has loaded.
QString ShownText(CMainFrame& frame) {
  QString text;
  bool done = false;
  frame.View()->page()->runJavaScript("document.body ? document.body.innerText : ''",
                                      [&](const QVariant& v) {
                                        text = v.toString();
                                        done = true;
                                      });
  if (!QTest::qWaitFor([&] { return done; }, 10000)) return {};
  return text;
}

QVariant Evaluate(CMainFrame& frame, const QString& script) {
  QVariant result;
  bool done = false;
  frame.View()->page()->runJavaScript(script, [&](const QVariant& v) {
    result = v;
    done = true;
  });
  return QTest::qWaitFor([&] { return done; }, 10000) ? result : QVariant();
}

// The centre of the element `selector` on screen, scrolled into view first.
QPointF CentreOf(CMainFrame& frame, const QString& selector) {
  const QString script =
      QString(
          "(function () { var e = document.querySelector('%1');"
          " if (!e || document.readyState != 'complete') return null;"
          " e.scrollIntoView();"
          " var r = e.getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()")
          .arg(selector);
  QVariantList centre;
  // Until the page has loaded, the engine may still put back the scroll
  // position of the page it replaced: ask until it has.
  if (!QTest::qWaitFor([&] { return (centre = Evaluate(frame, script).toList()).size() == 2; },
                       15000)) {
    return {-1, -1};
  }
  return {centre[0].toDouble(), centre[1].toDouble()};
}

// Drags `file` from another program onto the page at the element `selector`.
void DropFile(CMainFrame& frame, const QString& selector, const QString& file) {
  const QPointF at = CentreOf(frame, selector);
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(file)});
  QWidget* target = frame.View()->focusProxy();
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
}

bool Shows(CMainFrame& frame, const QString& words) {
  return QTest::qWaitFor([&] { return ShownText(frame).contains(words); }, 15000);
}

// Whether the month page on screen comes to have `heading` ("March 2027") as
// its big heading; the small grids of the months around it name theirs too.
bool ShowsMonth(CMainFrame& frame, const QString& heading) {
  const QString script =
      "(function () { var h = document.querySelector('td.xl27, td.xl30');"
      " return h ? h.innerText.trim() : ''; })()";
  return QTest::qWaitFor([&] { return Evaluate(frame, script).toString() == heading; }, 15000);
}

// Answers the next modal dialog with OK as soon as it opens.
void AcceptNextDialog() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [timer] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      timer->deleteLater();
      dialog->accept();
    }
  });
  timer->start(50);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("TESSOLAR_PAGE_DIR", home_.filePath("pages").toUtf8());
    qputenv("XDG_STATE_HOME", home_.filePath("state").toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());  // settings of its own
  }

  void startsOnTheWelcomePageAndANewCalendarShowsJanuary() {
    CMainFrame frame;
    frame.Start(QString());
    QVERIFY(Shows(frame, "Tessolar"));
    QVERIFY(QFile::exists(QString::fromStdString(tessolar::PageFilePath())));
    AcceptNextDialog();
    frame.View()->page()->runJavaScript("onBtnOk('calendarnew')");
    const QString year = QString::number(QDate::currentDate().year() + 1);  // a new calendar's
    QVERIFY(ShowsMonth(frame, "January " + year));
    // As a person presses it, with the page in front and holding the focus.
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QTest::keyClick(frame.View()->focusProxy(), Qt::Key_Right, Qt::AltModifier);
    QVERIFY(ShowsMonth(frame, "February " + year));
    frame.Controller().ShowMonth(11);
    QVERIFY(ShowsMonth(frame, "December " + year));
    frame.Controller().MonthNext();  // December is the last
    QCOMPARE(frame.Controller().State().currentMonth, 11);
  }

  void opensTheCalendarNamedOnTheCommandLine() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(ShowsMonth(frame, "January 2027"));
    QVERIFY(frame.windowTitle().startsWith("sample.cal"));
    // Its clip-art shows from the drawings, each decoded as its 128 square.
    const QString script =
        "Array.from(document.images).filter(i => i.src.includes('/resources/clipart/'))"
        ".map(i => i.src.split('/').pop() + ' ' + (i.complete ? i.naturalWidth : 'loading'))";
    QStringList shown;
    QVERIFY(QTest::qWaitFor(
        [&] {
          shown = Evaluate(frame, script).toStringList();
          return !shown.isEmpty() && !shown.join(' ').contains("loading");
        },
        15000));
    for (const QString& picture : shown)
      QVERIFY2(picture.endsWith(".svg 128"), qPrintable(picture));
  }

  // A school year: the page, the month buttons (with their years) and the
  // keyboard run from September 2027 to August 2028.
  void aCalendarFromSeptemberRunsItsButtonsAndKeysIntoTheNextYear() {
    QFile sample(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(sample.open(QIODevice::ReadOnly));
    const QString school = home_.filePath("school.cal");
    QFile file(school);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(sample.readAll().replace("\n2027\tYear\n", "\n2027\t9\tYear, StartMonth\n"));
    file.close();
    CMainFrame frame;
    frame.Start(school);
    QVERIFY(ShowsMonth(frame, "September 2027"));
    QList<QAction*> buttons = frame.findChild<QToolBar*>("pages")->actions();
    while (!buttons.isEmpty() && buttons.first()->text() != "September") buttons.removeFirst();
    QVERIFY(buttons.size() >= 12);
    QCOMPARE(buttons[3]->toolTip(), "December 2027");
    QCOMPARE(buttons[11]->toolTip(), "August 2028");
    buttons[3]->trigger();
    QVERIFY(ShowsMonth(frame, "December 2027"));
    frame.View()->page()->runJavaScript(
        "selectDay('2027-12-31', true); moveSelection('2028-01-01');");
    QVERIFY(ShowsMonth(frame, "January 2028"));
  }

  // Every picture name the program uses is shipped as a raster in the format
  // its name says and, beside it, the SVG of the same square that pages print
  // from; the folder holds nothing else but the licence.
  void theShippedClipArtComesAsRasterAndDrawing() {
    const QDir folder(TESSOLAR_SOURCE_DIR "/resources/clipart");
    QFile list(TESSOLAR_SOURCE_DIR "/tests/data/clipart_names.txt");
    QVERIFY(list.open(QIODevice::ReadOnly | QIODevice::Text));
    QStringList expected{"LICENSE.txt"};
    while (!list.atEnd()) {
      const QString name = QString::fromUtf8(list.readLine()).trimmed();
      if (name.isEmpty() || name.startsWith('#')) continue;
      const QString drawing = QFileInfo(name).completeBaseName() + ".svg";
      expected << name << drawing;
      QImageReader raster(folder.filePath(name));
      QCOMPARE(raster.format(), QFileInfo(name).suffix().replace("jpg", "jpeg").toUtf8());
      QCOMPARE(raster.size(), QSize(128, 128));
      QFile file(folder.filePath(drawing));
      QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(drawing));
      QXmlStreamReader svg(&file);
      QVERIFY(svg.readNextStartElement());
      QCOMPARE(svg.qualifiedName().toString() + " " + svg.namespaceUri().toString(),
               "svg http://www.w3.org/2000/svg");
      const QXmlStreamAttributes root = svg.attributes();
      QCOMPARE(root.value("viewBox").toString() + " " + root.value("width").toString() + "x" +
                   root.value("height").toString(),
               "0 0 128 128 128x128");
      while (!svg.atEnd()) svg.readNext();
      QVERIFY2(!svg.hasError(), qPrintable(drawing + ": " + svg.errorString()));
    }
    QVERIFY(expected.size() > 100);
    expected.sort();
    QStringList shipped = folder.entryList(QDir::Files);
    shipped.sort();
    QCOMPARE(shipped, expected);
  }

  // The engine's page process killed: a new one shows the page again.
  void aPageProcessThatDiesIsReplacedAndThePageComesBack() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(ShowsMonth(frame, "January 2027"));
    const qint64 pid = frame.View()->page()->renderProcessPid();
    QVERIFY(pid > 0);
    QCOMPARE(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    QVERIFY(QTest::qWaitFor(
        [&] {
          const qint64 now = frame.View()->page()->renderProcessPid();
          return now > 0 && now != pid;
        },
        15000));
    QVERIFY(ShowsMonth(frame, "January 2027"));
  }

  void printsTheWholeYearToPdfAndPaper() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(ShowsMonth(frame, "January 2027"));
    frame.Controller().ShowAllMonths();
    QVERIFY(Shows(frame, "December 2027"));
    QVERIFY(QTest::qWaitFor(
        [&] { return Evaluate(frame, "document.readyState").toString() == "complete"; }, 15000));
    const QString pdf = home_.filePath("all.pdf");
    QString error;
    QVERIFY2(frame.Printer().ExportToPdf(pdf, error), qPrintable(error));
    QPdfDocument exported;
    QCOMPARE(exported.load(pdf), QPdfDocument::Error::None);
    QCOMPARE(exported.pageCount(), 26);

    // Paper gets the same sheets, the grid filling the printable width
    // between margins of 10 mm (14 of the 400 pixels across 297 mm).
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(home_.filePath("paper.pdf"));
    printer.setPageLayout(frame.Printer().PageLayout());
    QVERIFY(frame.Printer().PrintInto(&printer));
    QPdfDocument paper;
    QCOMPARE(paper.load(home_.filePath("paper.pdf")), QPdfDocument::Error::None);
    QCOMPARE(paper.pageCount(), 26);
    const QImage january = paper.render(1, QSize(400, 300));
    int left = january.width();
    int right = 0;
    for (int x = 0; x < january.width(); ++x) {  // along the month's first row
      if (january.pixelColor(x, 40).lightness() < 250) {
        left = std::min(left, x);
        right = x;
      }
    }
    QVERIFY2(left >= 12 && left <= 16 && right >= 383 && right <= 388,
             qPrintable(QStringLiteral("%1 to %2").arg(left).arg(right)));

    // As a wall calendar: the title and a sheet a month, portrait, a choice
    // the next window starts with.
    frame.Printer().SetChoices({tessolar::PrintLayout::kWall, tessolar::WallPictureFit::kWhole});
    const QString wallPdf = home_.filePath("wall.pdf");
    QVERIFY2(frame.Printer().ExportToPdf(wallPdf, error), qPrintable(error));
    QPdfDocument wall;
    QCOMPARE(wall.load(wallPdf), QPdfDocument::Error::None);
    QCOMPARE(wall.pageCount(), 13);
    QVERIFY(wall.pagePointSize(12).height() > wall.pagePointSize(12).width());
    CMainFrame next;
    QCOMPARE(next.Printer().Choices().layout, tessolar::PrintLayout::kWall);
    QCOMPARE(next.Printer().Choices().fit, tessolar::WallPictureFit::kWhole);
  }

  void aDoubleClickedDayGetsItsEntryAndADroppedPictureLandsOnItsDay() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(Shows(frame, "2027"));
    frame.Controller().ShowMonth(9);  // October, scrolled to its last week below
    QVERIFY(ShowsMonth(frame, "October 2027"));
    AcceptNextDialog();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    const QPoint day =
        frame.View()->mapTo(&frame, CentreOf(frame, "[ondblclick*=caldate0912]").toPoint());
    QTest::mouseMove(frame.windowHandle(), day);
    QTest::mouseClick(frame.windowHandle(), Qt::LeftButton, {}, day);
    QTest::mouseDClick(frame.windowHandle(), Qt::LeftButton, {}, day);
    QVERIFY(Shows(frame, "unknown"));
    const QString picture = TESSOLAR_SOURCE_DIR "/resources/clipart/columbus.png";
    AcceptNextDialog();
    DropFile(frame, "[ondblclick*=caldate0929]", picture);
    const auto& db = frame.Document().Db();
    QVERIFY(QTest::qWaitFor(
        [&] {
          const auto day = db.GetEntriesOfDay(9, 29);
          return !day.empty() && day.back().pictureFile == picture.toStdString();
        },
        15000));
  }

  // A change made in the window outlives the program: the next start asks,
  // and Yes shows the calendar with the change, unsaved.
  void aChangeIsRecoveredByTheNextStartAfterTheProgramDied() {
    QDir state(home_.filePath("state/tessolar"));
    {
      CMainFrame frame;
      frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
      QVERIFY(ShowsMonth(frame, "January 2027"));
      AcceptNextDialog();
      frame.View()->page()->runJavaScript("onBtnOk('caldate0012')");
      QVERIFY(Shows(frame, "unknown"));
    }  // gone without closing, as when killed
    const QStringList left = state.entryList({"recovery-*.cal"});
    QCOMPARE(left.size(), 1);
    // Its process id is now one that no program has.
    QVERIFY(state.rename(left[0], "recovery-999999999.cal"));
    CMainFrame next;
    AcceptNextDialog();
    next.Start(QString());
    QVERIFY(ShowsMonth(next, "January 2027"));
    QVERIFY(Shows(next, "unknown"));
    QVERIFY(next.Document().HasUnsavedChanges());
    QVERIFY(!state.exists("recovery-999999999.cal"));
  }

  // A calendar file dragged onto the window opens; one that is no calendar
  // is said and leaves the calendar in hand.
  // The real program, killed with SIGKILL once it shows the calendar it
  // opened: opening is no change of the person's (a plain calendar gains its
  // computed days when opened), so nothing is left to recover.
  void aProgramKilledRightAfterOpeningLeavesNothingToRecover() {
    const QString calendar = home_.filePath("killed.cal");
    QFile::remove(calendar);
    QVERIFY(QFile::copy(TESSOLAR_SOURCE_DIR "/resources/sample.cal", calendar));
    QDir state(home_.filePath("state/tessolar"));
    // The frames of this test program leave theirs, which the program would offer first.
    for (const QString& left : state.entryList({"recovery-*.cal"})) state.remove(left);
    QProcess program;
    program.setProcessEnvironment(QProcessEnvironment::systemEnvironment());
    program.start(TESSOLAR_PROGRAM, {calendar});
    QVERIFY(program.waitForStarted());
    const QString page = QString::fromStdString(tessolar::PageFolder()) +
                         QString("/tessolar-page-%1.html").arg(program.processId());
    QVERIFY(QTest::qWaitFor(
        [&] {
          QFile file(page);
          return file.open(QIODevice::ReadOnly) && file.readAll().contains("January 2027");
        },
        30000));
    ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
    QVERIFY(program.waitForFinished());
    QVERIFY(state.entryList({"recovery-*.cal"}).isEmpty());
  }

  // Keys alone, as a person without a mouse: the 1st is selected, the
  // arrows reach another day, Enter adds an entry there, Tab reaches an
  // entry, Delete deletes it once asked and Ctrl+Z brings it back; the
  // focus stays on the day throughout.
  void theKeyboardAloneAddsDeletesAndUndoesAndTheFocusStays() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(ShowsMonth(frame, "January 2027"));
    frame.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&frame));
    QWidget* keys = frame.View()->focusProxy();
    const auto selected = [&](const QString& selection) {
      return QTest::qWaitFor([&] { return Evaluate(frame, "selection()").toString() == selection; },
                             10000);
    };
    const auto focusOnDay = [&](const QString& date) {
      return QTest::qWaitFor(
          [&] {
            return Evaluate(frame, "document.activeElement.getAttribute('data-date')").toString() ==
                   date;
          },
          10000);
    };
    QVERIFY(selected("2027-01-01 "));
    QTest::keyClick(keys, Qt::Key_Right);
    QTest::keyClick(keys, Qt::Key_Down);
    QVERIFY(selected("2027-01-09 "));
    const auto& db = frame.Document().Db();
    AcceptNextDialog();
    QTest::keyClick(keys, Qt::Key_Return);
    QVERIFY(QTest::qWaitFor([&] { return db.GetEntriesOfDay(0, 9).size() == 2; }, 15000));
    QVERIFY(focusOnDay("2027-01-09"));
    QTest::keyClick(keys, Qt::Key_Tab);
    const QString grandma = QString::number(db.GetEntriesOfDay(0, 9).at(0).index);
    QVERIFY(selected("2027-01-09 " + grandma));
    // The window's shortcuts, as a desktop gives the window back its
    // activation when a dialog closes.
    const auto activated = [&] {
      frame.activateWindow();
      return QTest::qWaitForWindowActive(&frame);
    };
    QVERIFY(activated());
    AcceptNextDialog();
    QTest::keyClick(keys, Qt::Key_Delete);
    QVERIFY(QTest::qWaitFor([&] { return db.GetEntriesOfDay(0, 9).size() == 1; }, 15000));
    QVERIFY(focusOnDay("2027-01-09"));
    QVERIFY(activated());
    QTest::keyClick(keys, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(QTest::qWaitFor([&] { return db.GetEntriesOfDay(0, 9).size() == 2; }, 15000));
    QVERIFY(focusOnDay("2027-01-09"));
    // Past the month's last day the next month comes, its 1st selected.
    for (int week = 0; week < 4; ++week) QTest::keyClick(keys, Qt::Key_Down);
    QVERIFY(selected("2027-01-30 "));
    QTest::keyClick(keys, Qt::Key_Down);
    QVERIFY(ShowsMonth(frame, "February 2027"));
    QVERIFY(focusOnDay("2027-02-06"));
  }

  void aDroppedCalendarOpensAndADroppedNonCalendarIsSaid() {
    const QString calendar = home_.filePath("dropped.cal");
    QFile::remove(calendar);
    QVERIFY(QFile::copy(TESSOLAR_SOURCE_DIR "/resources/sample.cal", calendar));
    CMainFrame frame;
    frame.Start(QString());
    QVERIFY(Shows(frame, "Tessolar"));
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    DropFile(frame, "body", calendar);
    QVERIFY(ShowsMonth(frame, "January 2027"));
    QCOMPARE(QString::fromStdString(frame.Document().FileName()), calendar);
    const QString junk = home_.filePath("junk.cal");
    QFile file(junk);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        QByteArray("\x7f"
                   "ELF\x02\x01",
                   6));
    file.close();
    // No to saving the calendar in hand first, then the message about the file.
    bool said = false;
    auto* answer = new QTimer(&frame);
    QObject::connect(answer, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        said = box->text().contains("junk.cal");
        box->accept();
      } else if (auto* question = qobject_cast<QDialog*>(modal)) {
        question->reject();
      }
    });
    answer->start(50);
    DropFile(frame, "body", junk);
    QVERIFY(QTest::qWaitFor([&] { return said; }, 15000));
    QCOMPARE(QString::fromStdString(frame.Document().FileName()), calendar);
    QVERIFY(ShowsMonth(frame, "January 2027"));
  }

  void aPictureDroppedOnABigPictureLandsThereAndOtherFilesChangeNothing() {
    CMainFrame frame;
    frame.Start(TESSOLAR_SOURCE_DIR "/resources/sample.cal");
    QVERIFY(Shows(frame, "2027"));
    frame.Controller().ShowBigPictures();
    QVERIFY(QTest::qWaitFor(
        [&] {
          return Evaluate(frame, "!!document.querySelector('[ondblclick*=calbigpic11]')").toBool();
        },
        15000));
    const QString picture = TESSOLAR_SOURCE_DIR "/resources/clipart/flowers54.jpg";
    AcceptNextDialog();
    DropFile(frame, "[ondblclick*=calbigpic11]", picture);
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromStdString(frame.Document().Db().BigPictureAt(11).pictureFile), picture, 15000);
    const QUrl shown = frame.View()->url();
    DropFile(frame, "[ondblclick*=calbigpic10]", TESSOLAR_SOURCE_DIR "/README.md");
    QTest::qWait(500);
    QCOMPARE(frame.View()->url(), shown);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

 private:
  QTemporaryDir home_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
