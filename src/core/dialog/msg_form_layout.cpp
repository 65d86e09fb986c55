#include "dialog/msg_form_layout.h"

#include <array>
#include <optional>

#include "controls/number_text.h"
#include "dialog/msg_form.h"

namespace hifz {
namespace {

constexpr float kWidestMessageInDesignWidth = 4155;
constexpr float kSideMargin = 200;
constexpr float kLinkBelowMessage = 415;
constexpr float kRoomForTitleAndButtons = 630;
constexpr float kRowsBelowLink = 200;
constexpr float kBelowMainCentre = 2000;
constexpr float kLeftOfMainCentre = 700;
// The layout reads a value from the title strip that is always 0 in practice.
constexpr float kTitleStripOffset = 0;

}  // namespace

// Each step reads the sizes as the steps before left them; the order matters.
void layOutMsgForm(MsgForm& dialog, const Control& mainWindow) {
  WindowControl& window = dialog.window();
  Label& message = dialog[msg_form::MyMsg];
  Label& link = dialog[msg_form::www];
  Label& title = dialog[msg_form::TitleMassage];
  const PicturePanel& strip = dialog[msg_form::TitlePic];
  const std::array<PicturePanel*, 3> rows = {&dialog[msg_form::MyR1], &dialog[msg_form::MyR2],
                                             &dialog[msg_form::MyR3]};

  message.setLeft(100);
  if (message.width() > kWidestMessageInDesignWidth) window.setWidth(message.width() + kSideMargin);
  link.setTop(message.height() + kTitleStripOffset + kLinkBelowMessage);
  title.setWidth(message.width());
  link.setWidth(message.width());
  title.setWidth(link.width());
  // Row 1's height is allowed for whichever row is shown.
  window.setHeight(message.height() + strip.height() + rows[0]->height() + kRoomForTitleAndButtons);
  message.setLeft(window.width() / 2 - message.width() / 2);
  link.setLeft(message.left());
  title.setLeft(message.left());

  for (PicturePanel* row : rows) row->setVisible(false);
  for (PicturePanel* row : rows) {
    row->setLeft(window.width() / 2 - row->width() / 2);
    row->setTop(message.height() + strip.height() + link.height() + kRowsBelowLink);
  }
  for (int n = 1; n <= 3; ++n) {
    const std::optional<double> selector = textNumber(dialog[msg_form::MyBotton].caption());
    if (selector && *selector == n) rows[n - 1]->setVisible(true);
  }

  window.setTop(mainWindow.height() / 2 + mainWindow.top() - window.height() / 2 +
                kBelowMainCentre);
  window.setLeft(mainWindow.width() / 2 + mainWindow.left() - window.width() / 2 -
                 kLeftOfMainCentre);
}

}  // namespace hifz
