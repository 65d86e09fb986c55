#include "recitation_fixture.h"

namespace hifz::testing {

void RecitationTest::SetUp() {
  program.load();
  state().CurrentChapter = "1-1\\An Nas\\";
  chapterFolder_ = form().chapterFilePath("");
  program.files.addFolder(chapterFolder_);
  form()[form1::File1].setPath(chapterFolder_);
  flash1().addObserver(this);
  form()[form1::File1].addObserver(this);
}

void RecitationTest::TearDown() {
  flash1().removeObserver(this);
  form()[form1::File1].removeObserver(this);
}

void RecitationTest::addMovies(std::initializer_list<std::string> names, MovieLength length) {
  for (const std::string& name : names) {
    program.files.addFile(chapterFolder_ + name);
    lengths_[name] = length;
  }
  // The folder is read when the list is told its pattern; read it again.
  FileListBox& files = form()[form1::File1];
  const std::string pattern = files.pattern();
  files.setPattern(pattern);
}

void RecitationTest::countMenuRuns() {
  CommandButton& menu = form()[form1::Menu];
  menu.onClick = [this, original = menu.onClick] {
    ++menuRuns;
    original();
  };
}

void RecitationTest::controlChanged(const Control& control, Property property) {
  if (property == Property::Pattern) {
    patterns.push_back(form()[form1::File1].pattern());
    return;
  }
  if (&control != &flash1() || property != Property::Movie) return;
  const std::string& path = flash1().movie();
  const std::string name = path.substr(path.find_last_of('\\') + 1);
  loads.emplace_back(program.clock.now(), name);
  if (pendingEnd_) program.clock.cancel(*pendingEnd_);
  pendingEnd_.reset();
  const auto length = lengths_.find(name);
  if (length == lengths_.end()) return;
  pendingEnd_ =
      program.clock.callAfter(length->second.lengthMs, [this, frame = length->second.lastFrame] {
        flash1().playing = false;
        flash1().frame = frame;
        pendingEnd_.reset();
      });
}

}  // namespace hifz::testing
