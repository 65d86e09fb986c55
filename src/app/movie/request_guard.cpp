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

bool GuardedPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool isMainFrame) {
  return isMainFrame && url == home_;
}

QWebEnginePage* GuardedPage::createWindow(WebWindowType) { return nullptr; }

// Script errors would otherwise vanish without a trace.
void GuardedPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString& message, int line,
                                           const QString& source) {
  if (level == ErrorMessageLevel) qWarning().noquote() << source << line << message;
}

}  // namespace hifz
