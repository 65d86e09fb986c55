#pragma once

#include <QRect>
#include <QTemporaryDir>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "flash/movie_slot.h"
#include "movie/page_mirror.h"
#include "movie/page_view.h"
#include "movie/web_movie_slot.h"
#include "platform/disk_file_system.h"

namespace hifz::testing {

/// The page the tests share, shown in a window of 800 x 600 pixels and ready
/// for commands. Starting WebEngine and Ruffle is the slow part, so it happens
/// once per test program: startSharedPage() makes it (false when it does not
/// start), stopSharedPage() deletes it.
bool startSharedPage();
void stopSharedPage();
PageView& sharedPage();

/// Runs the event loop until `condition` holds or `timeoutMs` passed; tells which.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
/// Runs the event loop for `ms` milliseconds.
void runFor(int ms);
/// Whether the JavaScript `expression` is true on the shared page.
bool pageSays(const std::string& expression);
/// Whether the shared page has an element that matches the CSS `selector`.
bool pageHas(const std::string& selector);
/// The page element of `id`, as a CSS selector.
std::string elementSelector(const std::string& id);

/// A movie slot on the shared page, in an element of its own at `pixels`.
/// Going away, it takes its element with it.
class PageSlot {
 public:
  PageSlot(const std::string& name, SlotSettings settings, QRect pixels = QRect(0, 0, 320, 240));
  WebMovieSlot& operator*() { return *slot_; }
  WebMovieSlot* operator->() { return slot_.get(); }

 private:
  DiskFileSystem files_;
  std::unique_ptr<WebMovieSlot> slot_;
  std::unique_ptr<PageMirror> mirror_;
};

/// Movie files in a temporary folder, named by the program's paths.
class MovieFolder {
 public:
  /// Writes `bytes` to a file called `name`; returns its path.
  std::string add(const std::string& name, const std::vector<std::uint8_t>& bytes);
  std::string pathOf(const std::string& name) const;

 private:
  QTemporaryDir dir_;
};

}  // namespace hifz::testing
