#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <optional>

class QLabel;

namespace hifz {

class PageView;

/// Gives the window a fresh page once the process drawing it has grown past
/// a bound. Ruffle keeps part of every movie it played (each player's sound
/// mixer, with the movie's sounds, and its sound context) for as long as the
/// page lives; a learner who keeps the program open all day would run out of
/// memory. Only a new page lets that go.
///
/// It happens only while the learner is idle and nothing plays, and unseen: a
/// picture of the window covers the page while the new one is put back as it
/// was (`redraw`) and its movies are loaded and drawn, until the view shows
/// that same picture.
class PageRenewal final : public QObject {
 public:
  struct Bounds {
    /// Growth of the drawing process since its page was new.
    double growthMegabytes = 200;
    /// Time since the learner's last key or click.
    int idleSeconds = 60;
  };

  /// The bounds, with any that HIFZ_RENEW_PAGE_MB and HIFZ_RENEW_PAGE_IDLE
  /// set instead (for tests: 0 and 1 renew at every chance).
  static Bounds boundsFromEnvironment();

  /// What the renewal asks of the window on the page.
  struct Window {
    /// Nothing plays, no reading goes on, and every movie shows a picture
    /// that giving it to a new player brings back.
    std::function<bool()> quiet;
    /// Puts the window back on the new page.
    std::function<void()> redraw;
    /// Every movie has drawn the frame it showed on the old page, or a later one.
    std::function<bool()> caughtUp;
  };

  PageRenewal(PageView& page, Bounds bounds, Window window);
  ~PageRenewal() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void check();
  void renew();
  void uncoverOnceShown();
  void lookAgain();
  void uncover();

  PageView& page_;
  Bounds bounds_;
  Window window_;
  QTimer checks_;
  QTimer looks_;
  QElapsedTimer sinceDrawn_;
  QImage oldPicture_;
  QElapsedTimer sinceInput_;
  QElapsedTimer renewing_;
  std::optional<double> startMegabytes_;
  double grownMegabytes_ = 0;
  QPointer<QLabel> cover_;
  bool drawn_ = false;
};

}  // namespace hifz
