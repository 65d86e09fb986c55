#include "shell/wiring.h"

#include "audio/volume_buttons.h"
#include "dialog/feedback_notice.h"
#include "navigation/chapter_selection.h"
#include "navigation/menu_return.h"
#include "navigation/navigation_buttons.h"
#include "navigation/objectives_page.h"
#include "navigation/panel_clicks.h"
#include "navigation/reading_mode_buttons.h"
#include "navigation/today_panel.h"
#include "recitation/click_sound.h"
#include "recitation/grade_strip.h"
#include "recitation/recitation.h"
#include "shell/full_screen.h"
#include "shell/shutdown.h"
#include "shell/startup.h"
#include "shell/window_dragging.h"

namespace hifz {

void wireForm1(Form1& form, MsgFormHolder& msgForm) {
  wireStartup(form);
  wireVolumeButtons(form);
  wireClickSound(form);
  wireMenuReturn(form);
  wireRecitation(form);
  wireChapterSelection(form, msgForm);
  wireReadingModeButtons(form);
  wireNavigationButtons(form);
  wirePanelClicks(form);
  wireObjectivesPage(form);
  wireFeedbackNotice(form, msgForm);
  wireShutdown(form);
  wireWindowDragging(form);
  wireFullScreenToggle(form);
  wireTodayPanel(form, msgForm);
  // Last: the panel and the strip go away before any other press is handled.
  wireTodayPanelDismissal(form);
  wireGradeStripDismissal(form);
}

}  // namespace hifz
