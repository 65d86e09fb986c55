#include "shell/form1.h"

#include <algorithm>

namespace hifz {

Form1::Form1(Platform platform, MovieSlotFactory slots, std::string applicationFolder)
    : platform_(platform),
      applicationFolder_(std::move(applicationFolder)),
      controls_(window_, form1Inventory(),
                [this, &slots](const ControlSpec& spec) -> std::unique_ptr<Control> {
                  const std::string name(spec.name);
                  switch (spec.kind) {
                    case ControlKind::FileListBox:
                      return std::make_unique<FileListBox>(name, platform_.files);
                    case ControlKind::Timer:
                      return std::make_unique<Timer>(name, platform_.clock);
                    case ControlKind::MovieSlot:
                      return slots(name, form1SlotSettings(name));
                    default:
                      return nullptr;
                  }
                }),
      countdown_("Countdown", platform_.clock),
      drawn_(controls_.all()) {
  const PicturePanel& reciting = (*this)[form1::Picture5];
  countdown_.setContainer(reciting.container());
  countdown_.setLeft(reciting.left());
  countdown_.setTop(reciting.top());
  countdown_.setWidth(reciting.width());
  countdown_.setHeight(reciting.height());
  drawn_.insert(std::next(std::ranges::find(drawn_, &reciting)), &countdown_);
}

std::string Form1::blankMoviePath() const {
  const bool endsInSeparator =
      applicationFolder_.ends_with('\\') || applicationFolder_.ends_with('/');
  return applicationFolder_ + (endsInSeparator ? "" : "\\") + "2 blank.gif";
}

std::string Form1::dataFilePath(std::string_view fileName) const {
  return applicationFolder_ + state_.DataFolder + std::string(fileName);
}

std::string Form1::chapterFilePath(std::string_view fileName) const {
  return applicationFolder_ + state_.DataFolder + state_.CurrentChapter + std::string(fileName);
}

void Form1::reloadMovie(MovieSlot& slot, const std::string& path) const {
  slot.setMovie(blankMoviePath());
  slot.setMovie(path);
}

}  // namespace hifz
