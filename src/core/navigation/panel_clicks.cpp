#include "navigation/panel_clicks.h"

#include "shell/form1.h"

namespace hifz {

void wirePanelClicks(Form1& form) {
  form.panel("Picture3").onClick = [&form] {
    form.timer("Timer1").setInterval(0);
    form.run("fadein");
    form.panel("Picture3").setVisible(false);
  };
  form.image("Image10").onClick = [&form] { form.panel("Picture13").setVisible(true); };
  form.panel("Picture13").onClick = [&form] { form.panel("Picture13").setVisible(false); };
  form.image("Image6").onClick = [&form] { form.panel("Picture2").setVisible(true); };
}

}  // namespace hifz
