#include "recitation/turn_listener.h"

#include <algorithm>
#include <utility>

#include "navigation/content_catalog.h"
#include "recitation/verse_code.h"
#include "shell/form1.h"

namespace hifz {
namespace {

// A take keeps a little of the quiet on each side of the voice, so that its
// first and last sounds are whole.
constexpr std::int64_t kMarginSamples = kMicrophoneRate / 20;
// Room for the sound server's last block after the turn's own length.
constexpr std::int64_t kSlackMs = 1000;
constexpr std::int64_t kSamplesPerMs = kMicrophoneRate / 1000;

bool isOn(const Form1& form, ControlHandle<Form1, CheckBox> option) {
  return form[option].value() == 1;
}

}  // namespace

TurnListener::TurnListener(Form1& form, TurnNote& note) : form_(form), note_(note) {
  form[form1::playing].addObserver(this);
}

void TurnListener::controlChanged(const Control& control, Property property) {
  if (property == Property::Visible && control.visible()) shelf_.clear();
}

void TurnListener::turnBegins() {
  stopListening();
  if (!isOn(form_, form1::RecordTurn) && !isOn(form_, form1::EndOnSilence)) return;
  const ChapterRow* chapter = currentChapter(form_);
  verse_ = {chapter ? chapter->number : 0, verseOfMovie(form_.state().VerseFile)};
  moviePath_ = form_.chapterFilePath(form_.state().VerseFile);
  began_ = form_.platform().wallClock.now();
  mostSamples_ = static_cast<std::size_t>((form_.countdown().length() + kSlackMs) * kSamplesPerMs);
  samples_.clear();
  voice_.emplace(kMicrophoneRate);
  const std::optional<std::string> why = form_.platform().microphone.start(
      [this](std::span<const std::int16_t> samples) { heard(samples); },
      [this](const std::string& reason) { failed(reason); });
  if (why) {
    voice_.reset();
    failed(*why);
    return;
  }
  listening_ = true;
  form_[form1::RecordingMark].setVisible(isOn(form_, form1::RecordTurn));
}

void TurnListener::turnEnds() {
  if (!listening_) return;
  // The pause timer is still armed only when the turn ran its whole time.
  const bool ranItsTime = form_[form1::Timer2].running();
  stopListening();
  if (ranItsTime && isOn(form_, form1::EndOnSilence) && !voice_->spoke()) note_.show("لم أسمعك");
  keepTake();
}

void TurnListener::heard(std::span<const std::int16_t> samples) {
  if (!listening_) return;
  const std::size_t room = mostSamples_ - samples_.size();
  const std::span<const std::int16_t> kept = samples.first(std::min(room, samples.size()));
  samples_.insert(samples_.end(), kept.begin(), kept.end());
  voice_->hear(kept);
  if (isOn(form_, form1::EndOnSilence) && voice_->stoppedSpeaking()) {
    // The learner is done: the turn ends as when its time is up.
    form_[form1::Timer2].setInterval(0);
    form_.run(form1::TurnEnds);
    form_.run(form1::Read);
  }
}

void TurnListener::failed(const std::string& why) {
  stopListening();
  samples_.clear();
  voice_.reset();
  form_[form1::RecordTurn].setValue(0);
  form_[form1::EndOnSilence].setValue(0);
  form_[form1::TurnOptionsNote].setCaption("لا يُسمع الميكروفون، فلا تسجيل");
  form_.platform().diagnostics.report("the learner's turn cannot be heard (" + why +
                                      "): recording is turned off");
  form_.run(form1::Remember);
}

void TurnListener::stopListening() {
  if (!listening_) return;
  listening_ = false;
  form_.platform().microphone.stop();
  form_[form1::RecordingMark].setVisible(false);
}

void TurnListener::keepTake() {
  if (!isOn(form_, form1::RecordTurn) || !voice_ || !voice_->spoke()) return;
  const auto all = static_cast<std::int64_t>(samples_.size());
  const std::int64_t first = std::max<std::int64_t>(0, voice_->voiceStart() - kMarginSamples);
  const std::int64_t last = std::min(all, voice_->voiceEnd() + kMarginSamples);
  Take take{verse_,
            moviePath_,
            {samples_.begin() + first, samples_.begin() + last},
            kMicrophoneRate,
            began_};
  shelf_.keep(std::move(take));
}

}  // namespace hifz
