#include "dialog/msg_form_holder.h"

#include "dialog/msg_form_events.h"
#include "shell/form1.h"
#include "shell/top_most.h"

namespace hifz {

MsgFormHolder::MsgFormHolder(Form1& mainWindow, const TextMeasure& measure, std::string website)
    : mainWindow_(mainWindow), measure_(measure), website_(std::move(website)) {}

MsgForm& MsgFormHolder::touch() {
  if (!current_) {
    unloaded_.reset();
    current_ = std::make_unique<MsgForm>(measure_, website_);
    wireMsgForm(*current_, *this);
    WindowSystem& windows = mainWindow_.platform().windows;
    WindowControl& window = current_->window();
    window.setHandle(windows.openWindow(window, current_->controls()));
    TopMostOn(windows, window.handle());
  }
  return *current_;
}

void MsgFormHolder::unload() {
  if (!current_) return;
  mainWindow_.platform().windows.closeWindow(current_->window().handle());
  unloaded_ = std::move(current_);
}

}  // namespace hifz
