#include "navigation/reading_mode_buttons.h"

#include <string>
#include <string_view>

#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// The breaths panel and the range panel share one place; while either is open
// the reading modes wait for it.
bool neitherPanel(const Form1& form) {
  return !form[form1::Picture3].visible() && !form[form1::Picture4].visible();
}

void showFirstMenuPage(Form1& form) {
  form.reloadMovie(form[form1::flash1], form.chapterFilePath("menu.gif"));
}

void verseInBreaths(Form1& form) {
  form.run(form1::reset);
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form[form1::Picture3].setVisible(true);
}

// Every verse movie, of verses 1 to 47 and of those past them ("zz048-001.gif").
constexpr std::string_view kEveryVerseMovie = "?-???.gif;??-???.gif;?????-???.gif";

void wholeChapterInParts(Form1& form) {
  form.run(form1::reset);
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form[form1::kind].setCaption("all");
  FileListBox& files = form[form1::File1];
  listVerseMovies(form, std::string(kEveryVerseMovie));
  files.setListIndex(0);
  form.run(form1::StopIt);
}

// A chapter whose whole-chapter movie would be too large has none; it is read
// verse by verse, once, instead.
void wholeChapter(Form1& form) {
  form.run(form1::reset);
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form[form1::kind].setCaption("all");
  FileListBox& files = form[form1::File1];
  files.setPattern(std::string(kWholeChapterMovies));
  if (files.listCount() > 0) {
    form.run(form1::Command1);
    return;
  }
  listVerseMovies(form, std::string(kEveryVerseMovie));
  files.setListIndex(0);
  form.run(form1::StopIt);
}

void difficultWords(Form1& form) {
  form.run(form1::reset);
  const bool wasPlaying = form[form1::flash1].isPlaying();
  if (!neitherPanel(form)) return;
  form.run(form1::reset);
  if (wasPlaying) form.run(form1::StopIt);
  form[form1::Picture8].setVisible(false);
  form.reloadMovie(form[form1::flash1], form.chapterFilePath("words.gif"));
}

void othmaniPage(Form1& form) {
  form.run(form1::reset);
  form[form1::flash1].setMovie(form.chapterFilePath("Othmani.gif"));
}

void chosenVerses(Form1& form) {
  form.run(form1::reset);
  const bool wasPlaying = form[form1::flash1].isPlaying();
  showFirstMenuPage(form);
  if (!neitherPanel(form)) return;
  if (wasPlaying) form.run(form1::StopIt);
  form[form1::Picture4].setVisible(true);
}

}  // namespace

void wireReadingModeButtons(Form1& form) {
  form[form1::Image3].onClick = [&form] { verseInBreaths(form); };
  form[form1::Image1].onClick = [&form] { wholeChapterInParts(form); };
  form[form1::Image16].onClick = [&form] { difficultWords(form); };
  form[form1::Image4].onClick = [&form] { wholeChapter(form); };
  form[form1::Othmani].onClick = [&form] { othmaniPage(form); };
  form[form1::Image2].onClick = [&form] { chosenVerses(form); };
}

}  // namespace hifz
