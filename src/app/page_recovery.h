#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>

namespace hifz {

class PageView;

/// Brings the window back after the process that drew its page ended: the page
/// is loaded afresh and `redraw` puts everything on it again. A second loss
/// within a minute calls `giveUp` instead, rather than loop.
class PageRecovery final : public QObject {
 public:
  static constexpr qint64 kTooSoonMs = 60'000;

  PageRecovery(PageView& page, std::function<void()> redraw, std::function<void()> giveUp);

 private:
  void pageLost(const QString& how);

  PageView& page_;
  std::function<void()> redraw_;
  std::function<void()> giveUp_;
  QElapsedTimer sinceLastLoss_;
};

}  // namespace hifz
