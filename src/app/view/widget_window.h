#pragma once

#include <QWidget>
#include <map>
#include <span>

#include "controls/control.h"
#include "controls/window_control.h"

namespace hifz {

/// A borderless top-level window drawn with Qt widgets from a window of the
/// model and its controls, following every change of them, and passing the
/// user's clicks and mouse events back to them (positions in twips).
class WidgetWindow final : public QWidget, private ControlObserver {
 public:
  WidgetWindow(WindowControl& window, std::span<Control* const> controls, float twipsPerPixel);
  ~WidgetWindow() override;
  /// Stops following the model, which may be gone before this window is.
  void detach();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void controlChanged(const Control& control, Property property) override;
  QWidget* makeWidget(Control& control);
  void place(const Control& control, QWidget& widget);
  void applyWindow(Property property);
  void applyText(Control& control, QWidget& widget);
  void applyColours(Control& control, QWidget& widget);
  int pixels(float twips) const;

  WindowControl& window_;
  float twipsPerPixel_;
  std::map<const Control*, QWidget*> widgets_;
  std::map<const QObject*, Control*> controlOf_;
};

}  // namespace hifz
