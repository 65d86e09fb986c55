#include "navigation/panel_clicks.h"

#include "shell/form1.h"

namespace hifz {

void wirePanelClicks(Form1& form) {
  form[form1::Picture3].onClick = [&form] {
    form[form1::Timer1].setInterval(0);
    form.run(form1::fadein);
    form[form1::Picture3].setVisible(false);
  };
  form[form1::Image10].onClick = [&form] { form[form1::Picture13].setVisible(true); };
  form[form1::Picture13].onClick = [&form] { form[form1::Picture13].setVisible(false); };
  form[form1::Image6].onClick = [&form] { form[form1::Picture2].setVisible(true); };
}

}  // namespace hifz
