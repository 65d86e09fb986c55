#pragma once

namespace hifz {

class Form1;

/// `flash1`'s FSCommand handler: a verse click narrows `File1` to the verse's
/// movies and either sets a bound of the range being chosen or starts reading
/// the verse; a page key shows another page of the chapter menu.
void wireVerseSelection(Form1& form);

}  // namespace hifz
