#pragma once

#include <QString>

#include "content/chapter_plan.h"
#include "content/movie_kit.h"

namespace hifz::content {

// The page a verse is shown on in the main display: the chapter's name above
// a cream panel that holds the words, and a caption below saying which verse.

/// Puts the page's fixed parts (panel, chapter name) at depths 1 to 3.
void showVersePageFrame(swf::MovieBuilder& movie, const ChapterPlan& plan);

/// Depths of the parts that change from verse to verse.
inline constexpr uint16_t kVerseWordsDepth = 4;
inline constexpr uint16_t kVerseCaptionDepth = 5;

/// The words of a verse, or of one of its breaths, as large as the panel allows.
Picture verseWords(const QString& words);
/// The size they are drawn at: 44 to 20 pixels, or down to 10 for the few
/// verses that need it.
QFont verseWordsFont(const QString& words);
/// Whether they fit the panel whole at that size.
bool verseFitsWhole(const QString& words);
/// "الآية ٥ من ١١", with the breath when the verse is read in two.
Picture verseCaption(const ChapterPlan& plan, int verse, int breath, int breaths);

/// The chapter's name as the title of a page: "سورة الناس".
QString chapterTitle(const ChapterPlan& plan);

}  // namespace hifz::content
