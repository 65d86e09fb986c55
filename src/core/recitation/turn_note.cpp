#include "recitation/turn_note.h"

#include "shell/form1.h"

namespace hifz {
namespace {

constexpr std::int64_t kShownMs = 2500;

}  // namespace

TurnNote::~TurnNote() { form_.platform().clock.cancel(pending_); }

void TurnNote::show(const std::string& words) {
  Clock& clock = form_.platform().clock;
  clock.cancel(pending_);
  Label& note = form_[form1::TurnNote];
  note.setCaption(words);
  note.setVisible(true);
  pending_ = clock.callAfter(kShownMs, [this] { form_[form1::TurnNote].setVisible(false); });
}

}  // namespace hifz
