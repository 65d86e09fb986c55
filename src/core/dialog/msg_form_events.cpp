#include "dialog/msg_form_events.h"

#include <cmath>
#include <cstdint>

#include "dialog/msg_form.h"
#include "dialog/msg_form_holder.h"
#include "dialog/msg_form_layout.h"
#include "shell/form1.h"
#include "shell/top_most.h"

namespace hifz {
namespace {

constexpr int kLeftButtonAlone = 1;

void wireClosingButtons(MsgForm& dialog, MsgFormHolder& holder) {
  Form1& main = holder.mainWindow();
  dialog[msg_form::Command3].onClick = [&holder, &main] {
    holder.unload();
    main.window().setEnabled(true);
    main.window().setVisible(true);
    main.platform().windows.activate(main.window().handle());
  };
  for (const auto cancel : {msg_form::Command1, msg_form::Command5}) {
    dialog[cancel].onClick = [&holder, &main] {
      holder.unload();
      main.window().setEnabled(true);
    };
  }
}

void wireLink(MsgForm& dialog, MsgFormHolder& holder) {
  Form1& main = holder.mainWindow();
  Label& link = dialog[msg_form::www];
  link.onMouseDown = [&link](const MouseEvent&) { link.setForeColor(kRed); };
  link.onMouseMove = [&link](const MouseEvent&) { link.setForeColor(kBlue); };
  // The click comes after the release, so the main window takes input again
  // before the website opens.
  link.onMouseUp = [&link, &main](const MouseEvent&) {
    link.setForeColor(kBlue);
    main.window().setEnabled(true);
  };
  link.onClick = [&dialog, &holder, &main] {
    TopMostOff(main.platform().windows, dialog.window().handle());
    main.platform().shell.open(dialog[msg_form::www].caption());
    holder.unload();
  };
  auto away = [&link](const MouseEvent&) { link.setForeColor(kBlack); };
  dialog.window().onMouseMove = away;
  dialog[msg_form::MyMsg].onMouseMove = away;
}

void wireTitleDragging(MsgForm& dialog) {
  const ControlHandle<MsgForm, Control> handles[] = {msg_form::TitlePic, msg_form::TitleMassage};
  for (const auto handle : handles) {
    Control& strip = dialog[handle];
    strip.onMouseDown = [&dialog](const MouseEvent& event) {
      dialog.state().TitleDragX = static_cast<std::int32_t>(std::nearbyint(event.x));
      dialog.state().TitleDragY = static_cast<std::int32_t>(std::nearbyint(event.y));
    };
    // The strip moves with the dialog, so the pointer keeps its grip and the
    // stored origin stays right.
    strip.onMouseMove = [&dialog](const MouseEvent& event) {
      if (event.button != kLeftButtonAlone) return;
      WindowControl& window = dialog.window();
      window.setLeft(window.left() - (static_cast<float>(dialog.state().TitleDragX) - event.x));
      window.setTop(window.top() - (static_cast<float>(dialog.state().TitleDragY) - event.y));
    };
  }
}

}  // namespace

void wireMsgForm(MsgForm& dialog, MsgFormHolder& holder) {
  dialog[msg_form::Command2].onClick = [&dialog, &holder] {
    layOutMsgForm(dialog, holder.mainWindow().window());
  };
  wireClosingButtons(dialog, holder);
  wireLink(dialog, holder);
  wireTitleDragging(dialog);
}

}  // namespace hifz
