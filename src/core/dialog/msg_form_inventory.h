#pragma once

#include <array>

#include "shell/inventory_list.h"

namespace hifz {

class MsgForm;

// Every control of the message dialog as the designer created it, one a line,
// as the main window lists its own (see shell/form1_inventory.h).
// clang-format off
#define HIFZ_MSG_FORM_CONTROLS(CONTROL, ARRAY, ELEMENT) \
  /* The title strip, which is also the handle for dragging the dialog. */ \
  CONTROL(TitlePic, PicturePanel, MsgForm, "", 0, 0, 4230, 345, true, {}, 0, systemColour(13)) \
  CONTROL(TitleMassage, Label, TitlePic, "عنوان التنبيه", 60, 15, 4065, 240, true, {}, 0, kWhite) \
  \
  CONTROL(MyMsg, Label, MsgForm, "قريبًا إن شاء الله على", 1245, 420, 1755, 240) \
  /* The website address comes with the product; the dialog fills it in when made. */ \
  CONTROL(www, Label, MsgForm, "", 15, 1020, 4155, 315) \
  /* Which row of buttons to show: 1, 2 or 3. */ \
  CONTROL(MyBotton, Label, MsgForm, "Label2", 555, 3390, 915, 390) \
  /* Runs the layout; it lies right of the dialog's width. */ \
  CONTROL(Command2, CommandButton, MsgForm, "Command2", 4440, 2700, 1215, 495) \
  \
  CONTROL(MyR1, PicturePanel, MsgForm, "", 600, 3930, 1695, 390, true, {}, 0, systemColour(0)) \
  CONTROL(Command3, CommandButton, MyR1, "موافق", 75, 0, 1575, 375) \
  \
  CONTROL(MyR2, PicturePanel, MsgForm, "", 585, 4335, 1695, 420, true, {}, 0, systemColour(0)) \
  CONTROL(ClearData, CommandButton, MyR2, "موافق", 840, 0, 795, 375) \
  CONTROL(Command1, CommandButton, MyR2, "إلغاء", 60, 0, 795, 375) \
  \
  CONTROL(MyR3, PicturePanel, MsgForm, "", 585, 4755, 2505, 765) \
  CONTROL(Command6, CommandButton, MyR3, "نعم", 1620, 0, 795, 375) \
  CONTROL(Command4, CommandButton, MyR3, "لا", 840, 0, 795, 375) \
  CONTROL(Command5, CommandButton, MyR3, "إلغاء", 60, 0, 795, 375)
// clang-format on

template <>
struct InventoryOf<MsgForm> {
  static constexpr std::array rows = {
      ControlSpec{"MsgForm", ControlKind::Window, "", -1, "MsgForm", 0, 0, 4230, 5925, kHidden},
      HIFZ_MSG_FORM_CONTROLS(HIFZ_INVENTORY_ROW, HIFZ_INVENTORY_SKIP, HIFZ_INVENTORY_ELEMENT_ROW)};
};

/// The handles of the message dialog's controls: `dialog[msg_form::MyMsg]`.
namespace msg_form {
using Window = MsgForm;
HIFZ_MSG_FORM_CONTROLS(HIFZ_CONTROL_HANDLE, HIFZ_ARRAY_HANDLE, HIFZ_INVENTORY_SKIP)
}  // namespace msg_form

}  // namespace hifz
