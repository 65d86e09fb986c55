#include "recitation/click_sound.h"

#include "shell/form1.h"

namespace hifz {

void wireClickSound(Form1& form) {
  form.button("DoingIt").onClick = [&form] {
    form.reloadMovie(form.slot("ding"), form.dataFilePath("ding.gif"));
  };
}

}  // namespace hifz
