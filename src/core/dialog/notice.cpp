#include "dialog/notice.h"

#include "controls/number_text.h"
#include "dialog/msg_form_holder.h"
#include "shell/form1.h"

namespace hifz {

void showNotice(MsgFormHolder& msgForm, const Notice& notice) {
  if (notice.blocksMainWindow) msgForm.mainWindow().window().setEnabled(false);
  msgForm.touch()[msg_form::TitleMassage].setCaption(notice.title);
  // The lines are separated by a carriage return alone, as the dialog has always had them.
  Label& message = msgForm.touch()[msg_form::MyMsg];
  message.setCaption(notice.firstLine + "\r");
  message.setCaption(message.caption() + notice.secondLine);
  msgForm.touch()[msg_form::MyBotton].setCaption(numberText(1));
  msgForm.touch()[msg_form::Command2].setValue(true);
  msgForm.touch().window().setVisible(true);
}

}  // namespace hifz
