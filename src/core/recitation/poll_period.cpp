#include "recitation/poll_period.h"

#include "controls/number_text.h"
#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {

void PollPeriod::writePause(Form1& form, double milliseconds) {
  if (!kept_) kept_ = timerPeriod(form);
  form[form1::Text1].setText(numberText(milliseconds));
}

std::int64_t PollPeriod::of(const Form1& form) const { return kept_.value_or(timerPeriod(form)); }

}  // namespace hifz
