#pragma once

#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/window_system.h"

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

class QtSound final : public Sound {
 public:
  void beep() override;
};

/// The primary screen and top-level widgets, found by their window id.
class QtWindowSystem final : public WindowSystem {
 public:
  float screenWidthTwips() const override;
  float screenHeightTwips() const override;
  float twipsPerPixelX() const override;
  float twipsPerPixelY() const override;
  void setTopMost(WindowHandle window, bool topMost) override;
};

}  // namespace hifz
