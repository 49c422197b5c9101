#include "app/tessolar_view.h"

#include <QApplication>
#include <QChildEvent>
#include <QDesktopServices>
#include <QDropEvent>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "app/tessolar_page.h"
#include "caldata/picture_files.h"
#include "pages/page_conventions.h"

Q_DECLARE_METATYPE(tessolar::ClickToken)

namespace tessolar {
namespace {

// Pages load pictures from files and small inline images; nothing else.
class LocalOnlyInterceptor : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    const QString scheme = info.requestUrl().scheme();
    if (scheme != "file" && scheme != "data") info.block(true);
  }
};

// The token of the day cell or big picture under a point of the page: the
// element there or the nearest of its parents that carries one.
constexpr char kHitTestScript[] = R"(
(function (x, y) {
  var e = document.elementFromPoint(x, y);
  var owner = e && e.closest('[data-token]');
  return owner ? owner.getAttribute('data-token') : '';
})(%1, %2))";

}  // namespace

QStringList DroppedPictures(const QList<QUrl>& urls) {
  QStringList files;
  for (const QUrl& url : urls) {
    if (!url.isLocalFile() || !HasPictureSuffix(url.toLocalFile().toStdString())) return {};
    files << url.toLocalFile();
  }
  return files;
}

QString DroppedCalendar(const QList<QUrl>& urls) {
  if (urls.size() != 1 || !urls[0].isLocalFile()) return {};
  const QString file = urls[0].toLocalFile();
  return file.endsWith(QStringLiteral(".cal"), Qt::CaseInsensitive) ? file : QString();
}

void CTessolarView::childEvent(QChildEvent* event) {
  QWebEngineView::childEvent(event);
  if (event->added() && event->child()->isWidgetType()) event->child()->installEventFilter(this);
}

bool CTessolarView::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
      auto* drag = static_cast<QDropEvent*>(event);
      const QList<QUrl> urls = drag->mimeData()->urls();
      if (!DroppedPictures(urls).isEmpty() || !DroppedCalendar(urls).isEmpty()) {
        drag->acceptProposedAction();
      } else {
        drag->ignore();
      }
      return true;
    }
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QStringList files = DroppedPictures(drop->mimeData()->urls());
      drop->acceptProposedAction();
      if (!controller_) return true;
      if (const QString calendar = DroppedCalendar(drop->mimeData()->urls()); !calendar.isEmpty()) {
        // Out of the engine's event before any dialog runs.
        QTimer::singleShot(0, this, [this, path = calendar.toStdString()] {
          controller_->OpenDroppedCalendar(path);
        });
        return true;
      }
      if (files.isEmpty()) return true;
      const QPointF at = drop->position() / zoomFactor();
      page()->runJavaScript(
          QString(kHitTestScript).arg(at.x()).arg(at.y()), [this, files](const QVariant& token) {
            std::vector<std::string> paths;
            for (const QString& f : files) paths.push_back(f.toStdString());
            const ClickToken target = ReadClickToken(token.toString().toStdString());
            // Out of the engine's callback before any dialog runs.
            QTimer::singleShot(0, this,
                               [this, paths, target] { controller_->DropFiles(paths, target); });
          });
      return true;
    }
    case QEvent::DragLeave: return true;
    default: return QWebEngineView::eventFilter(watched, event);
  }
}

CTessolarView::CTessolarView(QWidget* parent) : QWebEngineView(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
}

void CTessolarView::Attach(ViewController& controller, UserPrompts& prompts) {
  controller_ = &controller;
  prompts_ = &prompts;
  qRegisterMetaType<ClickToken>();
  // An off-the-record profile: the pages leave no cache or cookies behind. It
  // lives as long as the application, so it outlasts the page that uses it.
  auto* profile = new QWebEngineProfile(qApp);
  profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(profile));
  auto* page = new CTessolarPage(profile, controller, this);
  QWebEngineSettings* settings = page->settings();
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  setPage(page);
  connect(
      page, &CTessolarPage::tokenClicked, this,
      [this](const ClickToken& token) {
        controller_->RunToken(token);
        emit tokenHandled();
      },
      Qt::QueuedConnection);
  connect(
      page, &CTessolarPage::openExternally, this,
      [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); },
      Qt::QueuedConnection);
  connect(
      page, &CTessolarPage::pageWriteFailed, this,
      [this](const QString& message) { prompts_->ShowMessage(message.toStdString()); },
      Qt::QueuedConnection);
  connect(page, &QWebEnginePage::renderProcessTerminated, this, &CTessolarView::PageProcessEnded,
          Qt::QueuedConnection);
  // A page just shown takes the keys, so that its days can be moved through
  // at once; the day the keyboard moved to gets the focus.
  connect(page, &QWebEnginePage::loadFinished, this, [this](bool) {
    if (QApplication::activeModalWidget() == nullptr) setFocus();
    if (dayToSelect_.isEmpty()) return;
    this->page()->runJavaScript(QStringLiteral("startKeyboard('%1');").arg(dayToSelect_));
    dayToSelect_.clear();
  });
}

// The engine's page process died (crashed, killed, out of memory): the view
// would stay grey, so the page is loaded again. A process that dies again
// right after is said instead of restarted without end.
void CTessolarView::PageProcessEnded(QWebEnginePage::RenderProcessTerminationStatus status) {
  if (status == QWebEnginePage::NormalTerminationStatus) return;
  constexpr qint64 kSoonAfterMs = 10000;
  if (sinceRestart_.isValid() && sinceRestart_.elapsed() < kSoonAfterMs) {
    sinceRestart_.invalidate();
    prompts_->ShowMessage(
        tr("The page cannot be shown: the browser engine's page process ended twice in a row. "
           "Choose a page from the Page menu to try again.")
            .toStdString());
    return;
  }
  sinceRestart_.start();
  NavigateToPage();
}

void CTessolarView::NavigateToPage() {
  load(QUrl::fromLocalFile(QString::fromStdString(PageFilePath())));
}

void CTessolarView::ReplacePage(const std::string& page) {
  // The text goes in as a script's string literal, which JSON writes safely.
  const QByteArray literal =
      QJsonDocument(QJsonArray{QString::fromStdString(page)}).toJson(QJsonDocument::Compact);
  this->page()->runJavaScript(
      QStringLiteral("replacePage(%1[0]);").arg(QString::fromUtf8(literal)));
}

void CTessolarView::SelectDay(const std::string& date) {
  // Only digits and dashes reach the script.
  dayToSelect_.clear();
  for (const char c : date) {
    if ((c >= '0' && c <= '9') || c == '-') dayToSelect_ += QChar(c);
  }
}

void CTessolarView::WithSelection(std::function<void(const PageSelection&)> then) {
  page()->runJavaScript(
      QStringLiteral("typeof selection === 'function' ? selection() : ''"),
      [this, then = std::move(then)](const QVariant& text) {
        const PageSelection selection = ReadPageSelection(text.toString().toStdString());
        // Out of the engine's callback before any dialog runs.
        QTimer::singleShot(0, this, [then, selection] { then(selection); });
      });
}

uint32_t CTessolarView::ClientWidth() const { return static_cast<uint32_t>(width()); }
uint32_t CTessolarView::ClientHeight() const { return static_cast<uint32_t>(height()); }

}  // namespace tessolar
