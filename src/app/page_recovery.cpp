#include "page_recovery.h"

#include <cstdio>
#include <utility>

#include "movie/page_view.h"

namespace hifz {

PageRecovery::PageRecovery(PageView& page, std::function<void()> redraw,
                           std::function<void()> giveUp)
    : page_(page), redraw_(std::move(redraw)), giveUp_(std::move(giveUp)) {
  connect(&page_, &PageView::renderProcessLost, this, &PageRecovery::pageLost);
}

void PageRecovery::pageLost(const QString& how) {
  const bool again = sinceLastLoss_.isValid() && sinceLastLoss_.elapsed() < kTooSoonMs;
  std::fprintf(stderr, "hifz: the process drawing the window %s; %s\n", qPrintable(how),
               again ? "it did so twice within a minute, giving up" : "drawing the window again");
  if (again) {
    giveUp_();
    return;
  }
  sinceLastLoss_.start();
  redraw_();
  page_.reloadPage();
}

}  // namespace hifz
