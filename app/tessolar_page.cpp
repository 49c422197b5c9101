#include "app/tessolar_page.h"

#include "app/translations.h"

namespace tessolar {

CTessolarPage::CTessolarPage(QWebEngineProfile* profile, ViewController& controller,
                             QObject* parent)
    : QWebEnginePage(profile, parent), controller_(controller) {}

bool CTessolarPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  if (!isMainFrame) return false;
  // Called from inside the engine: no dialog may run here, so the token and
  // any message go out through queued signals.
  const NavigationCheck check =
      controller_.BeforeNavigate(url.toString(QUrl::FullyEncoded).toStdString());
  if (!check.message.Empty()) emit pageWriteFailed(Translated(check.message));
  if (!check.openExternally.empty()) {
    emit openExternally(QString::fromStdString(check.openExternally));
  }
  if (check.token.kind != TokenKind::kNone) emit tokenClicked(check.token);
  return check.accept;
}

QWebEnginePage* CTessolarPage::createWindow(WebWindowType) { return nullptr; }

}  // namespace tessolar
