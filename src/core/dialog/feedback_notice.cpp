#include "dialog/feedback_notice.h"

#include "dialog/notice.h"
#include "shell/form1.h"

namespace hifz {

void wireFeedbackNotice(Form1& form, MsgFormHolder& msgForm) {
  form[form1::Image7].onClick = [&msgForm] {
    showNotice(msgForm, {.title = "موقع البرنامج",
                         .firstLine = "لملاحظاتكم وآرائكم",
                         .secondLine = " موقع البرنامج",
                         .blocksMainWindow = false});
  };
}

}  // namespace hifz
