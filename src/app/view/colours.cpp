#include "view/colours.h"

#include <QApplication>
#include <QPalette>

namespace hifz {
namespace {

// The system colour indexes the program uses, and the palette roles nearest them.
QPalette::ColorRole roleOf(std::uint32_t index) {
  switch (index) {
    case 0:
      return QPalette::Mid;  // scroll bar
    case 5:
      return QPalette::Base;  // window background
    case 8:
      return QPalette::Text;  // window text
    case 13:
      return QPalette::Highlight;  // selected item
    case 14:
      return QPalette::HighlightedText;  // selected text
    case 15:
      return QPalette::Button;  // button face
    case 18:
      return QPalette::ButtonText;  // button text
    default:
      return QPalette::Window;
  }
}

}  // namespace

QColor toQColor(Colour colour) {
  if (colour & 0x80000000u) return QApplication::palette().color(roleOf(colour & 0xFFu));
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace hifz
