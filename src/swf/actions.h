#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace hifz::swf {

// The prefix that turns a getURL into a call to the hosting program.
inline constexpr std::string_view kFsCommandPrefix = "FSCommand:";

// ActionScript 1/2 bytecode for a frame (DoAction) or a button press, built in order.
class ActionList {
 public:
  ActionList& stop();
  ActionList& getUrl(std::string_view url, std::string_view target);
  // What fscommand(command, args) compiles to: a getURL the player hands to its host.
  ActionList& fscommand(std::string_view command, std::string_view args);

  bool empty() const { return records_.empty(); }
  // The action records followed by the closing End action.
  std::vector<uint8_t> bytes() const;

 private:
  std::vector<uint8_t> records_;
};

}  // namespace hifz::swf
