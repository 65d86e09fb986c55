#pragma once

#include <QWidget>

#include "controls/control.h"
#include "controls/window_control.h"

namespace hifz {

class PageView;

/// The program's borderless top-level window. It holds the page that draws
/// the main window's controls, and follows the model's window: place, size,
/// state, whether it takes input. Closing it runs the model's unload procedure.
class MainWindow final : public QWidget, private ControlObserver {
 public:
  MainWindow(WindowControl& window, PageView& page, float twipsPerPixel);
  ~MainWindow() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void controlChanged(const Control& control, Property property) override;
  void applyGeometry();
  void applyState();
  int pixels(float twips) const;

  WindowControl& window_;
  PageView& page_;
  float twipsPerPixel_;
};

}  // namespace hifz
