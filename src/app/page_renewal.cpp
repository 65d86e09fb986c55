#include "page_renewal.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdio>
#include <utility>

#include "movie/page_bridge.h"
#include "movie/page_view.h"
#include "movie/process_memory.h"

namespace hifz {
namespace {

// Once the new page says it has drawn, the view is compared with the picture
// of the old one this often, and uncovered when they match, or at the
// latest after the last look (a movie that moves never matches).
constexpr int kLookEveryMs = 50;
constexpr int kLastLookMs = 1500;
// A new page that has not answered by then is shown as it is: a cover left
// up would look like a hung program.
constexpr int kLongestCoverMs = 8000;
constexpr int kLongestCheckMs = 5000;

template <typename Number>
void readBound(const char* name, Number& bound) {
  bool ok = false;
  const double value = qEnvironmentVariable(name).toDouble(&ok);
  if (ok && value >= 0) bound = static_cast<Number>(value);
}

}  // namespace

PageRenewal::Bounds PageRenewal::boundsFromEnvironment() {
  Bounds bounds;
  readBound("HIFZ_RENEW_PAGE_MB", bounds.growthMegabytes);
  readBound("HIFZ_RENEW_PAGE_IDLE", bounds.idleSeconds);
  return bounds;
}

PageRenewal::PageRenewal(PageView& page, Bounds bounds, Window window)
    : page_(page), bounds_(bounds), window_(std::move(window)) {
  sinceInput_.start();
  qApp->installEventFilter(this);
  connect(&checks_, &QTimer::timeout, this, &PageRenewal::check);
  connect(&looks_, &QTimer::timeout, this, &PageRenewal::lookAgain);
  checks_.start(std::clamp(bounds_.idleSeconds * 1000, 1000, kLongestCheckMs));
  PageBridge& bridge = page_.bridge();
  connect(&bridge, &PageBridge::drawn, this, [this] {
    drawn_ = true;
    uncoverOnceShown();
  });
  connect(&bridge, &PageBridge::frameReached, this, &PageRenewal::uncoverOnceShown);
  connect(&bridge, &PageBridge::timelineStopped, this, &PageRenewal::uncoverOnceShown);
  // A page drawn again after its process was lost starts its growth afresh.
  connect(&page_, &PageView::renderProcessLost, this, [this] { startMegabytes_.reset(); });
}

PageRenewal::~PageRenewal() { qApp->removeEventFilter(this); }

bool PageRenewal::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::Wheel:
      sinceInput_.start();
      break;
    default:
      break;
  }
  return false;
}

void PageRenewal::check() {
  if (cover_) return;
  const auto megabytes = proportionalMegabytes(page_.page()->renderProcessPid());
  if (!megabytes) return;
  if (!startMegabytes_) {
    startMegabytes_ = megabytes;
    return;
  }
  const double grown = *megabytes - *startMegabytes_;
  if (bounds_.growthMegabytes > 0 && grown < bounds_.growthMegabytes) return;
  if (sinceInput_.elapsed() < qint64(bounds_.idleSeconds) * 1000 || !window_.quiet()) return;
  grownMegabytes_ = grown;
  renew();
}

void PageRenewal::renew() {
  renewing_.start();
  cover_ = new QLabel(page_.parentWidget());
  const QPixmap picture = page_.grab();
  oldPicture_ = picture.toImage();
  cover_->setPixmap(picture);
  cover_->setGeometry(page_.geometry());
  cover_->show();
  cover_->raise();
  drawn_ = false;
  page_.replacePage();
  window_.redraw();
  page_.bridge().askWhenDrawn();
  QTimer::singleShot(kLongestCoverMs, cover_, [this] {
    std::fprintf(stderr, "hifz: the new page was not ready within %d ms; shown as it is\n",
                 kLongestCoverMs);
    uncover();
  });
}

// Signals from the bridge come after the slots have taken them in.
void PageRenewal::uncoverOnceShown() {
  if (!cover_ || !drawn_ || !window_.caughtUp() || looks_.isActive()) return;
  sinceDrawn_.start();
  looks_.start(kLookEveryMs);
}

void PageRenewal::lookAgain() {
  if (!cover_ || page_.grab().toImage() == oldPicture_ || sinceDrawn_.elapsed() >= kLastLookMs) {
    looks_.stop();
    uncover();
  }
}

void PageRenewal::uncover() {
  if (!cover_) return;
  delete cover_;
  oldPicture_ = {};
  startMegabytes_.reset();
  std::fprintf(stderr, "hifz: the page had grown by %.0f MB; a new one took its place in %lld ms\n",
               grownMegabytes_, static_cast<long long>(renewing_.elapsed()));
}

}  // namespace hifz
