#pragma once

#include <QWidget>
#include <map>
#include <span>

#include "controls/control.h"
#include "controls/window_control.h"
#include "view/text_look.h"

class QMouseEvent;

namespace hifz {

struct TextPlace;

/// A borderless top-level window drawn with Qt widgets from a window of the
/// model and its controls, following every change of them, and passing the
/// user's clicks and mouse events back to them (positions in twips, in the
/// space of the control under the pointer). Texts of the controls that `look`
/// names are drawn in its fonts, as large as fits.
class WidgetWindow final : public QWidget, private ControlObserver {
 public:
  WidgetWindow(WindowControl& window, std::span<Control* const> controls, float twipsPerPixel,
               WindowLook look = {});
  ~WidgetWindow() override;
  /// Stops following the model, which may be gone before this window is.
  void detach();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void controlChanged(const Control& control, Property property) override;
  QWidget* makeWidget(Control& control);
  /// Places the widget where the model has its control, and fits its text.
  void place(const Control& control, QWidget& widget);
  QRect modelBox(const Control& control) const;
  QPointF pointIn(const Control& control, const QWidget& widget, const QMouseEvent& event) const;
  static QString shownText(const QWidget& widget);
  static TextPlace textPlace(const QWidget& widget, QSize size);
  void applyWindow(Property property);
  void applyText(Control& control, QWidget& widget);
  void applyColours(Control& control, QWidget& widget);
  int pixels(float twips) const;

  WindowControl& window_;
  float twipsPerPixel_;
  WindowLook look_;
  std::map<const Control*, QWidget*> widgets_;
  std::map<const QObject*, Control*> controlOf_;
};

}  // namespace hifz
