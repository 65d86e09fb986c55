#include "recitation/click_sound.h"

#include "shell/form1.h"

namespace hifz {

void wireClickSound(Form1& form) {
  form[form1::DoingIt].onClick = [&form] {
    form.reloadMovie(form[form1::ding], form.dataFilePath("ding.gif"));
  };
}

}  // namespace hifz
