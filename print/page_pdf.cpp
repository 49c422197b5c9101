#include "print/page_pdf.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <functional>
#include <memory>

namespace tessolar {
namespace {

// Generous: the engine's first start on a slow, busy machine takes seconds.
constexpr int kLoadTimeoutMs = 60000;
constexpr int kPrintTimeoutMs = 120000;
constexpr int kPicturePollMs = 50;

// The context of the messages below; tessolar-cli, which loads no
// translation, shows them in English.
struct PagePdf {
  Q_DECLARE_TR_FUNCTIONS(PagePdf)
};

// Runs `loop` until something quits it or `timeoutMs` pass; false on timeout.
bool RunWithTimeout(QEventLoop& loop, int timeoutMs) {
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
  timer.start(timeoutMs);
  return loop.exec() == 0;
}

// Whether every picture of the page has arrived (or failed for good); asked
// in a world of its own, so the page's scripts cannot answer for it. An
// answer after the timeout finds the loop gone and changes nothing.
bool PicturesComplete(QWebEnginePage& page, int timeoutMs) {
  QEventLoop loop;
  const auto complete = std::make_shared<bool>(false);
  page.runJavaScript(
      "Array.prototype.every.call(document.images, function (i) { return i.complete; })",
      QWebEngineScript::ApplicationWorld,
      [complete, waiting = QPointer<QEventLoop>(&loop)](const QVariant& result) {
        *complete = result.toBool();
        if (waiting) waiting->quit();
      });
  return RunWithTimeout(loop, timeoutMs) && *complete;
}

bool WaitForPictures(QWebEnginePage& page, QDeadlineTimer deadline) {
  while (!PicturesComplete(page, static_cast<int>(deadline.remainingTime()))) {
    if (deadline.hasExpired()) return false;
    QEventLoop pause;
    QTimer::singleShot(kPicturePollMs, &pause, &QEventLoop::quit);
    pause.exec();
  }
  return true;
}

// Loads `pageFile` into `page` and waits for its pictures; false with a
// one-line `error` when it does not load within the timeout.
bool LoadPageFile(QWebEnginePage& page, const QString& pageFile, QString& error) {
  QEventLoop loop;
  bool loaded = false;
  QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool success) {
    loaded = success;
    loop.quit();
  });
  const QDeadlineTimer deadline(kLoadTimeoutMs);
  page.load(QUrl::fromLocalFile(QFileInfo(pageFile).absoluteFilePath()));
  const bool finished = RunWithTimeout(loop, kLoadTimeoutMs);
  if (finished && !loaded) {
    error = PagePdf::tr("could not load the page %1").arg(pageFile);
    return false;
  }
  if (!finished || !WaitForPictures(page, deadline)) {
    error = PagePdf::tr("the page %1 did not load within %2 s")
                .arg(pageFile, QString::number(kLoadTimeoutMs / 1000));
    return false;
  }
  return true;
}

}  // namespace

bool PrintPageToPdfData(QWebEnginePage& page, const QPageLayout& layout, QByteArray& pdf,
                        QString& error) {
  QEventLoop loop;
  const auto result = std::make_shared<QByteArray>();
  page.printToPdf(
      [result, waiting = QPointer<QEventLoop>(&loop)](const QByteArray& data) {
        *result = data;
        if (waiting) waiting->quit();
      },
      layout);
  if (!RunWithTimeout(loop, kPrintTimeoutMs)) {
    error = PagePdf::tr("printing took longer than %1 s").arg(kPrintTimeoutMs / 1000);
    return false;
  }
  if (result->isEmpty()) {
    error = PagePdf::tr("the page could not be printed");
    return false;
  }
  pdf = *result;
  return true;
}

bool WritePrintedPdf(const std::function<bool(QByteArray& pdf, QString& error)>& print,
                     const QString& pdfPath, QString& error) {
  QByteArray pdf;
  if (!print(pdf, error)) {
    error = QStringLiteral("%1 (%2)").arg(error, pdfPath);
    return false;
  }
  // Replaced in one step, so a failed print leaves an older PDF whole, and
  // created with the user's usual file permissions.
  QSaveFile file(pdfPath);
  if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
    error = PagePdf::tr("could not write %1: %2").arg(pdfPath, file.errorString());
    return false;
  }
  return true;
}

bool PrintPageFileToPdfData(const QString& pageFile, const QPageLayout& layout, QByteArray& pdf,
                            QString& error) {
  QWebEngineProfile profile;  // off the record: the run leaves nothing on disk
  QWebEnginePage page(&profile);
  return LoadPageFile(page, pageFile, error) && PrintPageToPdfData(page, layout, pdf, error);
}

bool PrintPageFileToPdf(const QString& pageFile, const QString& pdfPath, const QPageLayout& layout,
                        QString& error) {
  QWebEngineProfile profile;
  QWebEnginePage page(&profile);
  return LoadPageFile(page, pageFile, error) &&
         WritePrintedPdf(
             [&](QByteArray& pdf, QString& printError) {
               return PrintPageToPdfData(page, layout, pdf, printError);
             },
             pdfPath, error);
}

}  // namespace tessolar
