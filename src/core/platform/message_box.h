#pragma once

#include <string>

namespace hifz {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

/// The system's own message box, for the program's English messages.
class MessageBox {
 public:
  virtual ~MessageBox() = default;
  /// Shows `text` and waits for the answer; an empty caption means the program's title.
  virtual MessageAnswer show(const std::string& text, const std::string& caption,
                             MessageButtons buttons) = 0;
};

/// Answers every message at once: OK, or No to a question.
class NullMessageBox final : public MessageBox {
 public:
  MessageAnswer show(const std::string&, const std::string&, MessageButtons buttons) override {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
};

}  // namespace hifz
