#include "movie/page_view.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QWebChannel>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

#include "movie/page_bridge.h"
#include "movie/page_scheme.h"
#include "movie/quick_backend.h"
#include "movie/request_guard.h"

namespace hifz {

void preparePageView() {
  registerPageScheme();
  // The program keeps no files; Qt would keep compiled shaders.
  QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--js-flags")) {
    flags += flags.isEmpty() ? "" : " ";
    flags += "--js-flags=--wasm-lazy-compilation";
  }
  // WebRTC's own traffic passes the request guard by: without a proxy it gets
  // no UDP at all.
  if (!flags.contains("--force-webrtc-ip-handling-policy")) {
    flags += flags.isEmpty() ? "" : " ";
    flags += "--force-webrtc-ip-handling-policy=disable_non_proxied_udp";
  }
  qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

PageView::PageView(const QDir& rufflePackage, QWidget* parent)
    : QWebEngineView(parent),
      // A profile without a storage name is off the record: no files written.
      profile_(new QWebEngineProfile(this)),
      files_(new PageSchemeHandler(rufflePackage, profile_)),
      bridge_(new PageBridge(this)) {
  // Before the view's first Qt Quick window, which reads the backend.
  chooseQuickBackend();
  profile_->setHttpCacheType(QWebEngineProfile::NoCache);
  profile_->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
  profile_->setSpellCheckEnabled(false);
  profile_->setUrlRequestInterceptor(new RequestGuard(profile_));
  profile_->installUrlSchemeHandler(kPageScheme, files_);

  QWebEngineSettings& settings = *profile_->settings();
  // Movies play their sound as soon as they load, with no click first.
  settings.setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
  settings.setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
  settings.setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings.setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
  settings.setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings.setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
  settings.setAttribute(QWebEngineSettings::ShowScrollBars, false);
  settings.setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
  settings.setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
  settings.setAttribute(QWebEngineSettings::WebRTCPublicInterfacesOnly, true);

  setContextMenuPolicy(Qt::NoContextMenu);
  makePage();
}

void PageView::makePage() {
  const QUrl home = pageUrl("page/index.html");
  page_ = new GuardedPage(profile_, home, this);
  auto* channel = new QWebChannel(page_);
  channel->registerObject(QStringLiteral("bridge"), bridge_);
  page_->setWebChannel(channel);
  setPage(page_);
  connect(page_, &QWebEnginePage::renderProcessTerminated, this,
          // The window's page lives as long as the program: however its
          // process ended, even in good order, the page is gone.
          [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
            bridge_->pageLost();
            const char* how = status == QWebEnginePage::CrashedTerminationStatus  ? "crashed"
                              : status == QWebEnginePage::KilledTerminationStatus ? "was killed"
                              : status == QWebEnginePage::NormalTerminationStatus
                                  ? "ended"
                                  : "ended abnormally";
            emit renderProcessLost(QStringLiteral("%1, exit code %2").arg(how).arg(exitCode));
          });
  page_->load(home);
}

void PageView::reloadPage() { page_->load(pageUrl("page/index.html")); }

// A new page in a process of its own: loading the old page again would keep
// its process, and the memory it holds.
void PageView::replacePage() {
  bridge_->pageLost();
  GuardedPage* old = page_;
  disconnect(old, nullptr, this, nullptr);
  makePage();
  delete old;
}

// The page must go before its profile, and both before the view.
PageView::~PageView() {
  delete page_;
  delete profile_;
}

}  // namespace hifz
