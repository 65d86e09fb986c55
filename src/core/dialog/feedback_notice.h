#pragma once

namespace hifz {

class Form1;
class MsgFormHolder;

/// A click on the website picture `Image7` invites feedback through the website;
/// the main window stays usable meanwhile.
void wireFeedbackNotice(Form1& form, MsgFormHolder& msgForm);

}  // namespace hifz
