#include "recitation/turn_options.h"

#include <string>

#include "shell/form1.h"

namespace hifz {
namespace {

struct TurnOption {
  ControlHandle<Form1, Label> label;
  ControlHandle<Form1, CheckBox> flag;
  const char* words;
};

constexpr TurnOption kTurnOptions[] = {
    {form1::HideVerseOption, form1::HideVerse, "أخفِ الآية في دوري"},
    {form1::RecordTurnOption, form1::RecordTurn, "سجّل دوري"},
    {form1::EndOnSilenceOption, form1::EndOnSilence, "انتهِ عند سكوتي"},
};

void showOption(Form1& form, const TurnOption& option) {
  const std::string box = form[option.flag].value() == 1 ? "☑ " : "☐ ";
  form[option.label].setCaption(box + option.words);
}

}  // namespace

void wireTurnOptions(Form1& form) {
  for (const TurnOption& option : kTurnOptions) {
    showOption(form, option);
    form[option.flag].onClick = [&form, &option] { showOption(form, option); };
    form[option.label].onClick = [&form, &option] {
      CheckBox& flag = form[option.flag];
      flag.setValue(1 - flag.value());
      // What the note said of a microphone that failed is old news now.
      form[form1::TurnOptionsNote].setCaption("");
      form.run(form1::DoingIt);
      form.run(form1::Remember);
    };
  }
}

}  // namespace hifz
