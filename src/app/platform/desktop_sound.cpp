#include "platform/desktop_sound.h"

#include <QApplication>

namespace hifz {

void DesktopSound::beep() {
  if (bell_.ring() || tone_.play()) return;
  QApplication::beep();
}

}  // namespace hifz
