#include "shell/wiring.h"

#include "audio/volume_buttons.h"
#include "navigation/menu_return.h"
#include "recitation/click_sound.h"
#include "recitation/recitation.h"
#include "shell/startup.h"

namespace hifz {

void wireForm1(Form1& form) {
  wireStartup(form);
  wireVolumeButtons(form);
  wireClickSound(form);
  wireMenuReturn(form);
  wireRecitation(form);
}

}  // namespace hifz
