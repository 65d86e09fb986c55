#include "controls/simple_controls.h"

namespace hifz {
namespace {

// A UTF-8 continuation byte belongs to the character before it.
bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

}  // namespace

void TextBox::typeText(std::string_view typed) {
  std::size_t end = typed.size();
  if (maxLength_ > 0) {
    int characters = 0;
    for (std::size_t i = 0; i < typed.size(); ++i) {
      if (!startsCharacter(typed[i])) continue;
      if (characters == maxLength_) {
        end = i;
        break;
      }
      ++characters;
    }
  }
  setText(std::string(typed.substr(0, end)));
}

}  // namespace hifz
