#include "navigation/reading_mode_buttons.h"

#include "recitation/reading_rules.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// The breaths panel and the range panel share one place; while either is open
// the reading modes wait for it.
bool neitherPanel(const Form1& form) {
  return !form.panel("Picture3").visible() && !form.panel("Picture4").visible();
}

void showFirstMenuPage(Form1& form) {
  form.reloadMovie(form.slot("flash1"), form.chapterFilePath("menu.gif"));
}

void verseInBreaths(Form1& form) {
  form.run("reset");
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form.panel("Picture3").setVisible(true);
}

void wholeChapterInParts(Form1& form) {
  form.run("reset");
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form.label("kind").setCaption("all");
  FileListBox& files = form.fileList("File1");
  listVerseMovies(form, "?-???.gif;??-???.gif");
  files.setListIndex(0);
  form.run("StopIt");
}

void wholeChapter(Form1& form) {
  form.run("reset");
  if (!neitherPanel(form)) return;
  showFirstMenuPage(form);
  form.label("kind").setCaption("all");
  form.run("Command1");
}

void difficultWords(Form1& form) {
  form.run("reset");
  const bool wasPlaying = form.slot("flash1").isPlaying();
  if (!neitherPanel(form)) return;
  form.run("reset");
  if (wasPlaying) form.run("StopIt");
  form.panel("Picture8").setVisible(false);
  form.reloadMovie(form.slot("flash1"), form.chapterFilePath("words.gif"));
}

void othmaniPage(Form1& form) {
  form.run("reset");
  form.slot("flash1").setMovie(form.chapterFilePath("Othmani.gif"));
}

void chosenVerses(Form1& form) {
  form.run("reset");
  const bool wasPlaying = form.slot("flash1").isPlaying();
  showFirstMenuPage(form);
  if (!neitherPanel(form)) return;
  if (wasPlaying) form.run("StopIt");
  form.panel("Picture4").setVisible(true);
}

}  // namespace

void wireReadingModeButtons(Form1& form) {
  form.image("Image3").onClick = [&form] { verseInBreaths(form); };
  form.image("Image1").onClick = [&form] { wholeChapterInParts(form); };
  form.image("Image16").onClick = [&form] { difficultWords(form); };
  form.image("Image4").onClick = [&form] { wholeChapter(form); };
  form.image("Othmani").onClick = [&form] { othmaniPage(form); };
  form.image("Image2").onClick = [&form] { chosenVerses(form); };
}

}  // namespace hifz
