#pragma once

namespace hifz {

class Form1;

/// The objectives button `Image17` opens the chosen chapter's objectives page
/// with the text of its "TFS.txt"; the page's close button `Image21` closes it.
/// Nothing opens on the menu screen or before a chapter is chosen; a text that
/// cannot be read leaves the page empty, without a message.
void wireObjectivesPage(Form1& form);

}  // namespace hifz
