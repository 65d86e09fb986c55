#include "swf/actions.h"

#include <stdexcept>
#include <string>

#include "swf/bytes.h"

namespace hifz::swf {
namespace {

constexpr uint8_t kActionEnd = 0x00;
constexpr uint8_t kActionStop = 0x07;
constexpr uint8_t kActionGetUrl = 0x83;

void checkString(std::string_view value) {
  if (value.find('\0') != std::string_view::npos) {
    throw std::invalid_argument("action strings cannot contain NUL characters");
  }
}

}  // namespace

ActionList& ActionList::stop() {
  records_.push_back(kActionStop);
  return *this;
}

ActionList& ActionList::getUrl(std::string_view url, std::string_view target) {
  checkString(url);
  checkString(target);
  const size_t length = url.size() + 1 + target.size() + 1;
  if (length > UINT16_MAX) throw std::invalid_argument("getURL strings are too long");
  ByteWriter out;
  out.u8(kActionGetUrl);
  out.u16(static_cast<uint16_t>(length));
  out.string(url);
  out.string(target);
  records_.insert(records_.end(), out.data().begin(), out.data().end());
  return *this;
}

ActionList& ActionList::fscommand(std::string_view command, std::string_view args) {
  return getUrl(std::string(kFsCommandPrefix) + std::string(command), args);
}

std::vector<uint8_t> ActionList::bytes() const {
  std::vector<uint8_t> out = records_;
  out.push_back(kActionEnd);
  return out;
}

}  // namespace hifz::swf
