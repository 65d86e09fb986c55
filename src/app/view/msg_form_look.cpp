#include "view/msg_form_look.h"

#include "view/arabic_font.h"

namespace hifz {
namespace {

constexpr double kPoints = 9.75;
constexpr double kSmallestPoints = 7;

}  // namespace

QFont msgFormFont() {
  QFont font(kArabicFont);
  font.setPointSizeF(kPoints);
  font.setWeight(QFont::Normal);
  return font;
}

WindowLook msgFormLook() {
  const TextLook text{.family = kArabicFont, .points = kPoints, .minimumPoints = kSmallestPoints};
  WindowLook look;
  for (const char* name : {"TitleMassage", "MyMsg", "Command3", "ClearData", "Command1", "Command6",
                           "Command4", "Command5"})
    look.emplace(name, text);
  // The layout makes the link as wide as the message, which is often narrower
  // than the address; the design gave it the dialog's whole width.
  TextLook link = text;
  link.underline = true;
  link.widensForText = true;
  look.emplace("www", link);
  return look;
}

}  // namespace hifz
