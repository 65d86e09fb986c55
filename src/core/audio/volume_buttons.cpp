#include "audio/volume_buttons.h"

#include "audio/volume_m.h"
#include "controls/number_text.h"
#include "shell/form1.h"

namespace hifz {
namespace {

constexpr double kTopLevel = 7;
constexpr double kValuePerLevel = 9362;

double numberIn(const std::string& text) { return textNumber(text).value_or(0); }

void sendVolume(Form1& form) {
  MainWindowState& state = form.state();
  state.VolumeValue = static_cast<std::int32_t>(numberIn(form[form1::vText].text()));
  SetMixerControlValue(form.platform().mixer, state.MixerHandle, state.SpeakerControl,
                       state.VolumeValue);
}

// Without a mixer there is no volume to step.
bool noMixer(const Form1& form) { return form.state().MixerOpenResult != kMixerNoError; }

void volumeUp(Form1& form) {
  if (noMixer(form)) return;
  Label& level = form[form1::volup];
  const double current = numberIn(level.caption());
  if (current == kTopLevel) return;
  form.run(form1::DoingIt);
  level.setCaption(numberText(current + 1));
  PicturePanel& marker = form[form1::volstate];
  marker.setLeft(marker.left() + marker.width());
  TextBox& value = form[form1::vText];
  value.setText(numberText(numberIn(value.text()) + kValuePerLevel));
  sendVolume(form);
}

void volumeDown(Form1& form) {
  if (noMixer(form)) return;
  Label& level = form[form1::volup];
  const double current = numberIn(level.caption());
  if (current == 0) return;
  form.run(form1::DoingIt);
  level.setCaption(numberText(current - 1));
  TextBox& value = form[form1::vText];
  value.setText(numberText(numberIn(value.text()) - kValuePerLevel));
  PicturePanel& marker = form[form1::volstate];
  marker.setLeft(marker.left() - marker.width());
  sendVolume(form);
}

}  // namespace

void wireVolumeButtons(Form1& form) {
  form[form1::VUP].onClick = [&form] { volumeUp(form); };
  form[form1::Vdown].onClick = [&form] { volumeDown(form); };
}

}  // namespace hifz
