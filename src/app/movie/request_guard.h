#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

namespace hifz {

/// Lets the page reach its own scheme only (besides blob: and data: addresses
/// it makes itself); a movie can open no network connection.
class RequestGuard final : public QWebEngineUrlRequestInterceptor {
  Q_OBJECT

 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};

/// A page that stays on the address it was given: only the program loads it
/// (QWebEnginePage::load); it follows no link, neither reloads nor leaves by
/// its own script, opens no window and shows no error page.
class GuardedPage final : public QWebEnginePage {
  Q_OBJECT

 public:
  GuardedPage(QWebEngineProfile* profile, QUrl home, QObject* parent = nullptr);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                int line, const QString& source) override;

 private:
  QUrl home_;
};

}  // namespace hifz
