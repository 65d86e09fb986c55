#include "movie/request_guard.h"

#include <QDebug>

#include "movie/page_scheme.h"

namespace hifz {

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
  const QString scheme = info.requestUrl().scheme();
  info.block(scheme != kPageScheme && scheme != "blob" && scheme != "data");
}

GuardedPage::GuardedPage(QWebEngineProfile* profile, QUrl home, QObject* parent)
    : QWebEnginePage(profile, parent), home_(std::move(home)) {}

// Only the program's own loads: the page may neither reload itself nor go
// anywhere, since a fresh page would stand blank while the program thinks
// it drawn.
bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  return isMainFrame && url == home_ && type == NavigationTypeTyped;
}

QWebEnginePage* GuardedPage::createWindow(WebWindowType) { return nullptr; }

// Script errors would otherwise vanish without a trace.
void GuardedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int line,
                                           const QString& source) {
  if (level == ErrorMessageLevel) qWarning().noquote() << source << line << message;
}

}  // namespace hifz
