#include "dialog/msg_form_inventory.h"

#include <array>

namespace hifz {
namespace {

using K = ControlKind;

// clang-format off
constexpr std::array kMsgForm = {
  ControlSpec{"MsgForm", K::Window, "", "MsgForm", 0, 0, 4230, 5925, false},

  // The title strip, which is also the handle for dragging the dialog.
  ControlSpec{"TitlePic", K::PicturePanel, "MsgForm", "", 0, 0, 4230, 345, true, {}, -1, 0, systemColour(13)},
  ControlSpec{"TitleMassage", K::Label, "TitlePic", "عنوان التنبيه", 60, 15, 4065, 240, true, {}, -1, 0, kWhite},

  ControlSpec{"MyMsg", K::Label, "MsgForm", "قريبًا إن شاء الله على", 1245, 420, 1755, 240},
  // The website address comes with the product; the dialog fills it in when made.
  ControlSpec{"www", K::Label, "MsgForm", "", 15, 1020, 4155, 315},
  // Which row of buttons to show: 1, 2 or 3.
  ControlSpec{"MyBotton", K::Label, "MsgForm", "Label2", 555, 3390, 915, 390},
  // Runs the layout; it lies right of the dialog's width.
  ControlSpec{"Command2", K::CommandButton, "MsgForm", "Command2", 4440, 2700, 1215, 495},

  ControlSpec{"MyR1", K::PicturePanel, "MsgForm", "", 600, 3930, 1695, 390, true, {}, -1, 0, systemColour(0)},
  ControlSpec{"Command3", K::CommandButton, "MyR1", "موافق", 75, 0, 1575, 375},

  ControlSpec{"MyR2", K::PicturePanel, "MsgForm", "", 585, 4335, 1695, 420, true, {}, -1, 0, systemColour(0)},
  ControlSpec{"ClearData", K::CommandButton, "MyR2", "موافق", 840, 0, 795, 375},
  ControlSpec{"Command1", K::CommandButton, "MyR2", "إلغاء", 60, 0, 795, 375},

  ControlSpec{"MyR3", K::PicturePanel, "MsgForm", "", 585, 4755, 2505, 765},
  ControlSpec{"Command6", K::CommandButton, "MyR3", "نعم", 1620, 0, 795, 375},
  ControlSpec{"Command4", K::CommandButton, "MyR3", "لا", 840, 0, 795, 375},
  ControlSpec{"Command5", K::CommandButton, "MyR3", "إلغاء", 60, 0, 795, 375},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> msgFormInventory() { return kMsgForm; }

}  // namespace hifz
