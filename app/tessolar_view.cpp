#include "app/tessolar_view.h"

#include <QDesktopServices>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "app/tessolar_page.h"
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

}  // namespace

CTessolarView::CTessolarView(QWidget* parent) : QWebEngineView(parent) {
  setContextMenuPolicy(Qt::NoContextMenu);
}

void CTessolarView::Attach(ViewController& controller, UserPrompts& prompts) {
  controller_ = &controller;
  prompts_ = &prompts;
  qRegisterMetaType<ClickToken>();
  // An off-the-record profile: the pages leave no cache or cookies behind.
  auto* profile = new QWebEngineProfile(this);
  profile->setUrlRequestInterceptor(new LocalOnlyInterceptor(profile));
  auto* page = new CTessolarPage(profile, controller, this);
  QWebEngineSettings* settings = page->settings();
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  setPage(page);
  connect(page, &CTessolarPage::tokenClicked, this, [this](const ClickToken& token) {
        if (controller_->RunToken(token)) NavigateToPage();
        emit tokenHandled();
      }, Qt::QueuedConnection);
  connect(page, &CTessolarPage::openExternally, this, [](const QString& path) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
      }, Qt::QueuedConnection);
  connect(page, &CTessolarPage::pageWriteFailed, this, [this](const QString& message) {
        prompts_->ShowMessage(message.toStdString());
      }, Qt::QueuedConnection);
}

void CTessolarView::NavigateToPage() {
  load(QUrl::fromLocalFile(QString::fromStdString(PageFilePath())));
}

uint32_t CTessolarView::ClientWidth() const { return static_cast<uint32_t>(width()); }
uint32_t CTessolarView::ClientHeight() const { return static_cast<uint32_t>(height()); }

}  // namespace tessolar
