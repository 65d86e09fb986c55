#include "shell/form1_inventory.h"

#include <array>

namespace hifz {
namespace {

using K = ControlKind;
constexpr bool kHidden = false;

// clang-format off
constexpr std::array kForm1 = {
  ControlSpec{"Form1", K::Window, "", "Form1", 0, 0, 13200, 14370},

  // Hot spots and labels drawn over the background picture.
  ControlSpec{"Image3", K::Image, "Form1", "", 9885, 1605, 1650, 450, true, "قراءة الآية مجزأة إلى أنفاس"},
  ControlSpec{"Image1", K::Image, "Form1", "", 9885, 2160, 1695, 480, true, "قراءة السورة كاملة مجزأة"},
  ControlSpec{"Image16", K::Image, "Form1", "", 9885, 2790, 1650, 405, true, "قراءة الكلمات الصعبة"},
  ControlSpec{"Image4", K::Image, "Form1", "", 9885, 3345, 1635, 465, true, "قراءة السورة كاملة"},
  ControlSpec{"Othmani", K::Image, "Form1", "", 9885, 3900, 1560, 420},
  ControlSpec{"NoOthmani", K::Image, "Form1", "", 9795, 3840, 1830, 570},
  ControlSpec{"Image2", K::Image, "Form1", "", 9900, 4515, 1635, 435, true, "قراءة مقطع من السورة"},
  ControlSpec{"Label4", K::Label, "Form1", "0", 10980, 5115, 495, 360},
  ControlSpec{"Label5", K::Label, "Form1", "0", 9900, 5100, 495, 420},
  ControlSpec{"playing", K::Image, "Form1", "", 10365, 7455, 720, 720, kHidden, "إيقاف القراءة"},
  ControlSpec{"Image7", K::Image, "Form1", "", 15, 8505, 1125, 435, true, "موقع البرنامج"},
  ControlSpec{"Image12", K::Image, "Form1", "", 1455, 8475, 855, 450},
  ControlSpec{"Image20", K::Image, "Form1", "", 2565, 8475, 915, 375},
  ControlSpec{"Image22", K::Image, "Form1", "", 3765, 8505, 915, 375},
  ControlSpec{"Image17", K::Image, "Form1", "", 4950, 8520, 975, 375},
  ControlSpec{"Image19", K::Image, "Form1", "", 6255, 8520, 840, 360},
  ControlSpec{"Image6", K::Image, "Form1", "", 8535, 8595, 315, 300},
  ControlSpec{"Image8", K::Image, "Form1", "", 9000, 9435, 1050, 975},
  ControlSpec{"Image9", K::Image, "Form1", "", 10215, 9435, 1050, 975},

  // Panels and the main display, from back to front.
  ControlSpec{"flash1", K::MovieSlot, "Form1", "", 600, 675, 8415, 7770},

  ControlSpec{"Picture8", K::PicturePanel, "Form1", "", 75, 105, 8445, 7785},
  ControlSpec{"StartFlash", K::MovieSlot, "Picture8", "", 285, 180, 7680, 3510},
  ControlSpec{"verses1", K::MovieSlot, "Picture8", "", 195, 4260, 285, 3360},
  ControlSpec{"verses2", K::MovieSlot, "Picture8", "", 540, 4185, 390, 3510},
  ControlSpec{"verses3", K::MovieSlot, "Picture8", "", 750, 4155, 360, 3435},
  ControlSpec{"verses4", K::MovieSlot, "Picture8", "", 1875, 4140, 390, 3510},
  ControlSpec{"Picture12", K::PicturePanel, "Picture8", "", 45, 4065, 8280, 1905, true, {}, -1, 1},
  ControlSpec{"ExitMe", K::MovieSlot, "Picture12", "", 15, 1395, 8100, 390},
  ControlSpec{"TopMenu", K::MovieSlot, "Picture12", "", 30, 45, 8100, 1290},

  ControlSpec{"Picture5", K::PicturePanel, "Form1", "", 10200, 5760, 1020, 975},

  ControlSpec{"Picture11", K::PicturePanel, "Form1", "", 9645, 11250, 2325, 3885},
  ControlSpec{"Image10", K::Image, "Picture11", "", 225, 6645, 1860, 1230},

  ControlSpec{"Picture10", K::PicturePanel, "Form1", "", -5670, 13605, 8445, 7785, kHidden},
  ControlSpec{"Label12", K::Label, "Picture10", "Label12", 555, 195, 7380, 5355},
  ControlSpec{"Image21", K::Image, "Picture10", "", 75, 7110, 1245, 675},

  ControlSpec{"Picture4", K::PicturePanel, "Form1", "", -600, 11085, 3855, 2415, kHidden},
  ControlSpec{"Check3", K::CheckBox, "Picture4", "تكرار المقطع", 120, 240, 630, 480, kHidden},
  ControlSpec{"Command3", K::CommandButton, "Picture4", "Command3", 3240, 240, 495, 495, kHidden},
  ControlSpec{"Image23", K::Image, "Picture4", "", 2250, 1800, 1365, 375},
  ControlSpec{"Image24", K::Image, "Picture4", "", 270, 1815, 1365, 375},

  ControlSpec{"Picture3", K::PicturePanel, "Form1", "", -720, 9870, 3855, 1590, kHidden},

  ControlSpec{"Picture9", K::PicturePanel, "Form1", "", 5475, 4455, 2190, 3990, kHidden},
  ControlSpec{"Repeat", K::TextBox, "Picture9", "1", 825, 390, 525, 315, true, {}, -1, 1},
  ControlSpec{"Label8", K::Label, "Picture9", "", 240, 390, 510, 330},
  ControlSpec{"Label9", K::Label, "Picture9", "", 1395, 420, 480, 270},
  ControlSpec{"Check4", K::CheckBox, "Picture9", "Check4", 210, 900, 210, 240, kHidden},
  ControlSpec{"Image25", K::Image, "Picture9", "", 360, 1350, 480, 480},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1065, 1335, 300, 300, true, {}, 0},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1365, 1350, 300, 300, true, {}, 1},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1695, 1320, 300, 300, true, {}, 2},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1065, 1635, 300, 300, true, {}, 3},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1380, 1635, 300, 300, true, {}, 4},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1695, 1620, 300, 300, true, {}, 5},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1080, 1950, 300, 300, true, {}, 6},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1380, 1935, 300, 300, true, {}, 7},
  ControlSpec{"Image5", K::Image, "Picture9", "", 1680, 1935, 300, 300, true, {}, 8},
  ControlSpec{"Label7", K::Label, "Picture9", "1", 360, 1860, 450, 375},
  ControlSpec{"Image18", K::Image, "Picture9", "", 630, 3450, 915, 360},
  ControlSpec{"Picture6", K::PicturePanel, "Picture9", "", 270, 2895, 1650, 390},
  ControlSpec{"Vdown", K::CommandButton, "Picture6", "", 0, 0, 345, 360, true, "خفض الصوت"},
  ControlSpec{"VUP", K::CommandButton, "Picture6", "", 1275, 15, 345, 360, true, "رفع الصوت"},
  ControlSpec{"Picture7", K::PicturePanel, "Picture6", "", 345, 45, 870, 270},
  ControlSpec{"volstate", K::PicturePanel, "Picture7", "", 0, -45, 105, 345},
  ControlSpec{"vText", K::TextBox, "Picture6", "0", 60, 405, 1170, 345},
  ControlSpec{"volup", K::Label, "Picture6", "0", 1275, 390, 345, 360},

  ControlSpec{"Picture13", K::PicturePanel, "Form1", "", 3555, 13125, 8520, 7845, kHidden},

  // The working panel, right of the running window: variables and procedures.
  ControlSpec{"Picture2", K::PicturePanel, "Form1", "", 12165, 555, 3990, 7320, kHidden},
  ControlSpec{"Picture1", K::PicturePanel, "Picture2", "", 75, 4395, 1815, 2775},
  ControlSpec{"List1", K::ListBox, "Picture1", "", -15, 480, 1620, 2175},
  ControlSpec{"Range", K::CommandButton, "Picture1", "Range", 0, 60, 1620, 405},
  ControlSpec{"Frame1", K::Frame, "Picture2", "Frame1", 150, 420, 1755, 4245},
  ControlSpec{"Label1", K::Label, "Frame1", "Label1", 75, 240, 645, 285},
  ControlSpec{"Breath", K::Label, "Frame1", "0", 75, 525, 645, 285},
  ControlSpec{"Label2", K::Label, "Frame1", "Label2", 75, 810, 645, 285},
  ControlSpec{"Label3", K::Label, "Frame1", "Label3", 75, 1095, 645, 285},
  ControlSpec{"kind", K::Label, "Frame1", "Kind", 75, 1380, 645, 285},
  ControlSpec{"StopIt", K::CommandButton, "Frame1", "On", 120, 1995, 1380, 315},
  ControlSpec{"Command1", K::CommandButton, "Frame1", "All", 120, 2310, 1380, 315},
  ControlSpec{"Check1", K::CheckBox, "Frame1", "AutoStart", 120, 2625, 1380, 315, true, {}, -1, 1},
  ControlSpec{"Check2", K::CheckBox, "Frame1", "Range", 120, 2970, 1380, 315},
  ControlSpec{"Label6", K::Label, "Frame1", "1", 570, 3315, 525, 255},
  ControlSpec{"Menu", K::CommandButton, "Picture2", "Menu", 1890, 135, 1620, 450},
  ControlSpec{"Read", K::CommandButton, "Picture2", "Read", 1905, 615, 1620, 450},
  ControlSpec{"File1", K::FileListBox, "Picture2", "", 1920, 1140, 1605, 1845},
  ControlSpec{"Timer1", K::Timer, "Picture2", "", 0, 0, 0, 0, true, {}, -1, 500},
  ControlSpec{"Timer2", K::Timer, "Picture2", "", 0, 0, 0, 0, true, {}, -1, 0},
  ControlSpec{"Text1", K::TextBox, "Picture2", "500", 285, 3735, 1395, 420},
  ControlSpec{"fadein", K::CommandButton, "Picture2", "FadeIn", 1905, 3945, 1620, 450},
  ControlSpec{"L4", K::Label, "Picture2", "Label10", 2400, 3045, 630, 480},
  ControlSpec{"Label10", K::Label, "Picture2", "Label10", 2205, 4725, 1125, 330},
  ControlSpec{"Label13", K::Label, "Picture2", "Label13", 2220, 4965, 1110, 525},
  ControlSpec{"Label14", K::Label, "Picture2", "Label14", 2100, 5280, 630, 345},
  ControlSpec{"DoingIt", K::CommandButton, "Picture2", "DoingIt", 2715, 5655, 690, 420, kHidden},
  ControlSpec{"ding", K::MovieSlot, "Picture2", "", 2115, 5655, 555, 390, kHidden},
  ControlSpec{"Command2", K::CommandButton, "Picture2", "Command2", 2100, 6195, 1155, 465},
  ControlSpec{"reset", K::CommandButton, "Picture2", "Reset", 2100, 6675, 1440, 465},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> form1Inventory() { return kForm1; }

SlotSettings form1SlotSettings(std::string_view slotName) {
  SlotSettings settings;
  if (slotName == "flash1") settings.playsOnce = true;
  if (slotName == "StartFlash") settings.startsByItself = false;
  if (slotName.starts_with("verses")) settings.scale = ScaleMode::NoScale;
  settings.windowed = slotName == "flash1" || slotName == "ding";
  return settings;
}

}  // namespace hifz
