#pragma once

namespace hifz {

class Form1;
class MsgFormHolder;
struct ChapterRow;

/// The top menu's group choice, which brings that group's chapter list into
/// view, and the chapter lists' chapter choice, which makes the chapter current,
/// shows its menu and opens the chapter screen. A chapter that cannot be opened
/// raises the missing-chapter notice with the main window blocked.
void wireChapterSelection(Form1& form, MsgFormHolder& msgForm);

/// Opens `chapter` as its list does: it becomes current, its menu shows and
/// its last range is ready. Throws when the content has no folder for it.
void openChapter(Form1& form, const ChapterRow& chapter);

}  // namespace hifz
