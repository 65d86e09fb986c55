#include "recitation/listen_back.h"

#include <string>

#include "shell/form1.h"

namespace hifz {
namespace {

constexpr std::int64_t kWatchMs = 250;

}  // namespace

ListenBack::ListenBack(Form1& form, const TakeShelf& takes, TurnNote& note)
    : form_(form), takes_(takes), note_(note) {
  form[form1::playing].addObserver(this);
}

ListenBack::~ListenBack() { form_.platform().clock.cancel(watch_); }

void ListenBack::controlChanged(const Control& control, Property property) {
  if (property != Property::Visible) return;
  const bool reading = control.visible();
  if (reading) silence();
  const bool offered = !reading && takes_.last() != nullptr;
  form_[form1::ListenBack].setVisible(offered);
  form_[form1::KeepTake].setVisible(offered);
}

void ListenBack::listen() {
  const Take* take = takes_.last();
  if (take == nullptr) return;
  silence();
  const bool playing = form_.platform().takePlayer.play(
      take->samples, take->sampleRate, [this, path = take->moviePath] { reciterAfterTake(path); });
  if (!playing) note_.show("تعذّر إسماعك");
}

void ListenBack::reciterAfterTake(const std::string& moviePath) {
  MovieSlot& display = form_[form1::flash1];
  form_.reloadMovie(display, moviePath);
  display.play();
  watchTheVerse();
}

// The verse heard, the chapter's menu page comes back, as after a reading.
void ListenBack::watchTheVerse() {
  watch_ = form_.platform().clock.callAfter(kWatchMs, [this] {
    watch_ = 0;
    MovieSlot& display = form_[form1::flash1];
    if (display.isPlaying()) {
      watchTheVerse();
      return;
    }
    form_.reloadMovie(display, form_.chapterFilePath(form_.state().MenuMovie));
  });
}

void ListenBack::silence() {
  form_.platform().takePlayer.stop();
  form_.platform().clock.cancel(watch_);
  watch_ = 0;
}

void ListenBack::keep() {
  const Take* take = takes_.last();
  if (take == nullptr) return;
  const KeptTake kept = form_.platform().takeFiles.keep(*take);
  if (kept.kept) {
    note_.show("حُفظ تسجيلك");
    return;
  }
  note_.show("تعذّر حفظ تسجيلك");
  form_.platform().diagnostics.report("the take could not be kept: " + kept.pathOrWhy);
}

}  // namespace hifz
