#pragma once

#include <memory>
#include <string>

#include "dialog/msg_form.h"
#include "platform/text_measure.h"

namespace hifz {

class Form1;

/// The message dialog as the program refers to it: made from its design on
/// first touch, then reused until it unloads; the next touch makes it afresh.
class MsgFormHolder {
 public:
  /// `website` is the product's website address, which the dialog's link shows and opens.
  MsgFormHolder(Form1& mainWindow, const TextMeasure& measure, std::string website);
  MsgFormHolder(const MsgFormHolder&) = delete;
  MsgFormHolder& operator=(const MsgFormHolder&) = delete;

  /// The dialog; the first touch makes it, opens its window and makes that top-most.
  MsgForm& touch();
  /// The dialog while it exists, else null.
  MsgForm* current() const { return current_.get(); }
  /// Closes the dialog's window and drops the dialog.
  void unload();
  Form1& mainWindow() const { return mainWindow_; }

 private:
  Form1& mainWindow_;
  const TextMeasure& measure_;
  std::string website_;
  std::unique_ptr<MsgForm> current_;
  // The handler that unloads a dialog is still running in it, so the dialog is
  // kept until the next one is made.
  std::unique_ptr<MsgForm> unloaded_;
};

}  // namespace hifz
