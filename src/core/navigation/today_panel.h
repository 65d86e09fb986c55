#pragma once

namespace hifz {

class Form1;
class MsgFormHolder;

/// "Today": the button (`TodayButton`) with the number of passages due, kept
/// up to date at start and after each grade; the panel it opens
/// (`TodayPanel`) with today's three lists (the new portion, recent review,
/// older review) and the picture of progress (each chapter's share learned,
/// the minutes practised each of the last 30 days); an entry's click, which
/// opens the passage's chapter and reads the passage the way it was last
/// read; its export and import of the progress to and from a file the
/// learner chooses, each told in a notice; and the panel's close. Goes after
/// the start-up's and the grade strip's wiring.
void wireTodayPanel(Form1& form, MsgFormHolder& msgForm);

/// Hides the panel at the first press anywhere but on it or its button. Goes
/// after every handler already wired, as the grade strip's dismissal does.
void wireTodayPanelDismissal(Form1& form);

}  // namespace hifz
