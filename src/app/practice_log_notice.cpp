#include "practice_log_notice.h"

#include "dialog/notice.h"

namespace hifz {

void tellAboutPracticeLog(MsgFormHolder& msgForm, LogTrouble trouble) {
  if (trouble == LogTrouble::SetAside) {
    showNotice(msgForm, {"تنبيه", "كان سجل تدريبك تالفًا أو من إصدار أحدث، فنُحّي جانبًا.",
                         "بدأ سجل جديد، ولم يُحذف شيء.", false});
  } else {
    showNotice(msgForm, {"تنبيه", "تعذّر حفظ سجل تدريبك.",
                         "يعمل البرنامج كما هو، لكن لا يُحفظ ما تقرؤه.", false});
  }
}

}  // namespace hifz
