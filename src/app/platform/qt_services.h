#pragma once

#include <QFont>
#include <map>
#include <memory>

#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/text_measure.h"
#include "platform/window_system.h"
#include "view/text_look.h"

namespace hifz {

/// The system message box, modal, with the program's title when no caption is given.
class QtMessageBox final : public MessageBox {
 public:
  MessageAnswer show(const std::string& text, const std::string& caption,
                     MessageButtons buttons) override;
};

/// Opens addresses with the desktop's default handler.
class QtShell final : public Shell {
 public:
  void open(const std::string& address) override;
};

/// Measures text in the font the program's dialogs use.
class QtTextMeasure final : public TextMeasure {
 public:
  explicit QtTextMeasure(QFont font) : font_(std::move(font)) {}
  TextSize measure(std::string_view text) const override;

 private:
  QFont font_;
};

/// The primary screen and top-level widgets, found by their window id. Model
/// windows opened here are drawn with Qt widgets, in the look given for the
/// window's name.
class QtWindowSystem final : public WindowSystem {
 public:
  explicit QtWindowSystem(std::map<std::string, WindowLook> looks = {});
  ~QtWindowSystem() override;
  float screenWidthTwips() const override;
  float screenHeightTwips() const override;
  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;
  void setTopMost(WindowHandle window, bool topMost) override;
  WindowHandle openWindow(WindowControl& window, std::span<Control* const> controls) override;
  void closeWindow(WindowHandle window) override;
  void activate(WindowHandle window) override;
  void endProgram() override;

 private:
  std::map<std::string, WindowLook> looks_;
  std::map<WindowHandle, std::unique_ptr<QWidget>> opened_;
};

}  // namespace hifz
