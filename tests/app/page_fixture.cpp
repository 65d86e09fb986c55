#include "page_fixture.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWebEnginePage>
#include <optional>
#include <stdexcept>
#include <utility>

#include "movie/page_bridge.h"
#include "movie/ruffle_package.h"

namespace hifz::testing {

namespace {
PageView* page = nullptr;
}  // namespace

bool startSharedPage() {
  const auto ruffle = findRufflePackage();
  if (!ruffle) return false;
  page = new PageView(*ruffle);
  page->resize(800, 600);
  page->show();
  return waitUntil([] { return page->bridge().isReady(); }, 30000);
}

void stopSharedPage() { delete std::exchange(page, nullptr); }

PageView& sharedPage() { return *page; }

// The event loop runs freely in between checks, so events are handled as
// soon as they come (QTest's own wait sleeps between rounds).
bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() > timeoutMs) return false;
    QEventLoop loop;
    QTimer::singleShot(2, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

bool pageSays(const std::string& expression) {
  std::optional<bool> answer;
  sharedPage().page()->runJavaScript(
      QString::fromStdString(expression),
      [&answer](const QVariant& result) { answer = result.toBool(); });
  waitUntil([&answer] { return answer.has_value(); });
  return answer.value_or(false);
}

bool pageHas(const std::string& selector) {
  return pageSays("document.querySelector('" + selector + "') !== null");
}

std::string elementSelector(const std::string& id) { return "[data-id=\"" + id + "\"]"; }

PageSlot::PageSlot(const std::string& name, SlotSettings settings, QRect pixels)
    : slot_(std::make_unique<WebMovieSlot>(name, settings, sharedPage(), files_)) {
  constexpr float kTwips = PageMirror::kTwipsPerPixel;
  slot_->setLeft(static_cast<float>(pixels.x()) * kTwips);
  slot_->setTop(static_cast<float>(pixels.y()) * kTwips);
  slot_->setWidth(static_cast<float>(pixels.width()) * kTwips);
  slot_->setHeight(static_cast<float>(pixels.height()) * kTwips);
  mirror_ = std::make_unique<PageMirror>(sharedPage().bridge(), std::vector<Control*>{slot_.get()});
}

std::string MovieFolder::add(const std::string& name, const std::vector<std::uint8_t>& bytes) {
  QFile file(dir_.filePath(QString::fromStdString(name)));
  if (!file.open(QIODevice::WriteOnly) || file.write(reinterpret_cast<const char*>(bytes.data()),
                                                     qint64(bytes.size())) != qint64(bytes.size()))
    throw std::runtime_error("cannot write " + name);
  return pathOf(name);
}

std::string MovieFolder::pathOf(const std::string& name) const {
  return dir_.filePath(QString::fromStdString(name)).toStdString();
}

}  // namespace hifz::testing
