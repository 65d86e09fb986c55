#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

#include "controls/control.h"

namespace hifz {

class PageBridge;

/// Keeps the page's elements in step with a window's controls: one element
/// per control, inside its container's element (the window is the page's
/// root), placed and sized in pixels (15 twips each), shown or hidden with
/// it, showing its caption or text; a countdown's ring runs from each start.
/// Mouse input on an element, or on the window's background, runs the
/// control's events.
class PageMirror final : public ControlObserver {
 public:
  static constexpr float kTwipsPerPixel = 15;

  /// `controls` back to front, containers before what they hold; they must
  /// outlive the mirror. Timers get no element.
  PageMirror(PageBridge& bridge, std::vector<Control*> controls);
  ~PageMirror() override;
  PageMirror(const PageMirror&) = delete;
  PageMirror& operator=(const PageMirror&) = delete;

  /// The element of a control: its name, and "(index)" for a control array.
  static QString elementId(const Control& control);

  void controlChanged(const Control& control, Property property) override;
  /// Makes every element, as the controls are now: at the start, and again
  /// on a page that lost them.
  void rebuild();

 private:
  void place(const Control& control);
  void showText(const Control& control);

  PageBridge& bridge_;
  std::vector<Control*> controls_;
  QHash<QString, Control*> byId_;
  QObject receiver_;
};

}  // namespace hifz
