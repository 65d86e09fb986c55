#pragma once

#include <array>
#include <span>
#include <string_view>

#include "flash/movie_slot.h"
#include "shell/form1_today_inventory.h"
#include "shell/inventory_list.h"

namespace hifz {

class Form1;

// clang-format off
// Every control of the main window as the designer created it, one a line;
// rows of the same container go from back to front (a later row lies in front):
//   CONTROL(name, kind, container, text, left, top, width, height[, visible, toolTip, value, colour])
//   ARRAY(name, kind), then each element: ELEMENT(name, index, kind, container, text, ...)
// `kind` is the control's class; the fields after the container are ControlSpec's.
// A line here is all a new control needs: its row and its handle `form1::name`.
#define HIFZ_FORM1_CONTROLS(CONTROL, ARRAY, ELEMENT) \
  /* Hot spots and labels drawn over the background picture. */ \
  CONTROL(Image3, Image, Form1, "", 9885, 1605, 1650, 450, true, "قراءة الآية مجزأة إلى أنفاس") \
  CONTROL(Image1, Image, Form1, "", 9885, 2160, 1695, 480, true, "قراءة السورة كاملة مجزأة") \
  CONTROL(Image16, Image, Form1, "", 9885, 2790, 1650, 405, true, "قراءة الكلمات الصعبة") \
  CONTROL(Image4, Image, Form1, "", 9885, 3345, 1635, 465, true, "قراءة السورة كاملة") \
  CONTROL(Othmani, Image, Form1, "", 9885, 3900, 1560, 420) \
  CONTROL(NoOthmani, Image, Form1, "", 9795, 3840, 1830, 570) \
  CONTROL(Image2, Image, Form1, "", 9900, 4515, 1635, 435, true, "قراءة مقطع من السورة") \
  CONTROL(Label4, Label, Form1, "0", 10980, 5115, 495, 360, true, "قراءة آخر مقطع مرة أخرى") \
  CONTROL(Label5, Label, Form1, "0", 9900, 5100, 495, 420, true, "قراءة آخر مقطع مرة أخرى") \
  CONTROL(playing, Image, Form1, "", 10365, 7455, 720, 720, kHidden, "إيقاف القراءة") \
  CONTROL(Image7, Image, Form1, "", 15, 8505, 1125, 435, true, "موقع البرنامج") \
  CONTROL(Image12, Image, Form1, "", 1455, 8475, 855, 450) \
  CONTROL(Image20, Image, Form1, "", 2565, 8475, 915, 375) \
  CONTROL(Image22, Image, Form1, "", 3765, 8505, 915, 375) \
  CONTROL(Image17, Image, Form1, "", 4950, 8520, 975, 375) \
  CONTROL(Image19, Image, Form1, "", 6255, 8520, 840, 360) \
  CONTROL(Image6, Image, Form1, "", 8535, 8595, 315, 300) \
  CONTROL(Image8, Image, Form1, "", 9000, 9435, 1050, 975) \
  CONTROL(Image9, Image, Form1, "", 10215, 9435, 1050, 975) \
  \
  /* Panels and the main display, from back to front. */ \
  CONTROL(flash1, MovieSlot, Form1, "", 600, 675, 8415, 7770) \
  /* Covers the verse during the learner's turn, when the learner asks it to. */ \
  CONTROL(VerseCover, PicturePanel, Form1, "", 600, 675, 8415, 7770, kHidden) \
  \
  CONTROL(Picture8, PicturePanel, Form1, "", 75, 105, 8445, 7785) \
  CONTROL(StartFlash, MovieSlot, Picture8, "", 285, 180, 7680, 3510) \
  CONTROL(verses1, MovieSlot, Picture8, "", 195, 4260, 285, 3360) \
  CONTROL(verses2, MovieSlot, Picture8, "", 540, 4185, 390, 3510) \
  CONTROL(verses3, MovieSlot, Picture8, "", 750, 4155, 360, 3435) \
  CONTROL(verses4, MovieSlot, Picture8, "", 1875, 4140, 390, 3510) \
  CONTROL(Picture12, PicturePanel, Picture8, "", 45, 4065, 8280, 1905, true, {}, 1) \
  CONTROL(ExitMe, MovieSlot, Picture12, "", 15, 1395, 8100, 390) \
  CONTROL(TopMenu, MovieSlot, Picture12, "", 30, 45, 8100, 1290) \
  \
  CONTROL(Picture5, PicturePanel, Form1, "", 10200, 5760, 1020, 975) \
  CONTROL(RecordingMark, Label, Form1, "●", 11250, 6000, 600, 495, kHidden, "يُسجَّل دورك") \
  \
  CONTROL(Picture11, PicturePanel, Form1, "", 9645, 11250, 2325, 3885) \
  CONTROL(Image10, Image, Picture11, "", 225, 6645, 1860, 1230) \
  \
  CONTROL(Picture10, PicturePanel, Form1, "", -5670, 13605, 8445, 7785, kHidden) \
  CONTROL(Label12, Label, Picture10, "Label12", 555, 195, 7380, 5355) \
  CONTROL(Image21, Image, Picture10, "", 75, 7110, 1245, 675) \
  \
  CONTROL(Picture4, PicturePanel, Form1, "", -600, 11085, 3855, 2790, kHidden) \
  CONTROL(Check3, CheckBox, Picture4, "تكرار المقطع", 120, 240, 630, 480, kHidden) \
  CONTROL(Command3, CommandButton, Picture4, "Command3", 3240, 240, 495, 495, kHidden) \
  CONTROL(Image23, Image, Picture4, "", 2250, 1800, 1365, 375) \
  CONTROL(Image24, Image, Picture4, "", 270, 1815, 1365, 375) \
  CONTROL(Check5, CheckBox, Picture4, "تدرّج", 810, 240, 630, 480, kHidden) \
  CONTROL(Image26, Image, Picture4, "", 1245, 2280, 1365, 375, true, "كل آية وحدها ثم مع ما قبلها") \
  \
  CONTROL(Picture3, PicturePanel, Form1, "", -720, 9870, 3855, 1590, kHidden) \
  \
  CONTROL(Picture9, PicturePanel, Form1, "", 5475, 4455, 2190, 3990, kHidden) \
  CONTROL(Repeat, TextBox, Picture9, "1", 825, 390, 525, 315, true, {}, 2) \
  CONTROL(Label8, Label, Picture9, "", 240, 390, 510, 330) \
  CONTROL(Label9, Label, Picture9, "", 1395, 420, 480, 270) \
  CONTROL(Check4, CheckBox, Picture9, "Check4", 210, 900, 210, 240, kHidden) \
  CONTROL(Image25, Image, Picture9, "", 360, 1350, 480, 480) \
  ARRAY(Image5, Image) \
  ELEMENT(Image5, 0, Image, Picture9, "", 1065, 1335, 300, 300) \
  ELEMENT(Image5, 1, Image, Picture9, "", 1365, 1350, 300, 300) \
  ELEMENT(Image5, 2, Image, Picture9, "", 1695, 1320, 300, 300) \
  ELEMENT(Image5, 3, Image, Picture9, "", 1065, 1635, 300, 300) \
  ELEMENT(Image5, 4, Image, Picture9, "", 1380, 1635, 300, 300) \
  ELEMENT(Image5, 5, Image, Picture9, "", 1695, 1620, 300, 300) \
  ELEMENT(Image5, 6, Image, Picture9, "", 1080, 1950, 300, 300) \
  ELEMENT(Image5, 7, Image, Picture9, "", 1380, 1935, 300, 300) \
  ELEMENT(Image5, 8, Image, Picture9, "", 1680, 1935, 300, 300) \
  CONTROL(Label7, Label, Picture9, "1", 360, 1860, 450, 375) \
  CONTROL(Image18, Image, Picture9, "", 630, 3450, 915, 360) \
  CONTROL(Picture6, PicturePanel, Picture9, "", 270, 2895, 1650, 390) \
  CONTROL(Vdown, CommandButton, Picture6, "", 0, 0, 345, 360, true, "خفض الصوت") \
  CONTROL(VUP, CommandButton, Picture6, "", 1275, 15, 345, 360, true, "رفع الصوت") \
  CONTROL(Picture7, PicturePanel, Picture6, "", 345, 45, 870, 270) \
  CONTROL(volstate, PicturePanel, Picture7, "", 0, -45, 105, 345) \
  CONTROL(vText, TextBox, Picture6, "0", 60, 405, 1170, 345) \
  CONTROL(volup, Label, Picture6, "0", 1275, 390, 345, 360) \
  \
  /* The learner's turn options, beside the options panel and shown with it. */ \
  CONTROL(TurnOptions, PicturePanel, Form1, "", 3195, 6345, 2250, 2100, kHidden) \
  CONTROL(HideVerseOption, Label, TurnOptions, "", 90, 90, 2070, 420) \
  CONTROL(RecordTurnOption, Label, TurnOptions, "", 90, 570, 2070, 420) \
  CONTROL(EndOnSilenceOption, Label, TurnOptions, "", 90, 1050, 2070, 420) \
  CONTROL(TurnOptionsNote, Label, TurnOptions, "", 90, 1530, 2070, 480) \
  \
  CONTROL(Picture13, PicturePanel, Form1, "", 3555, 13125, 8520, 7845, kHidden) \
  \
  /* The grade strip, offered when a verse or a range has been read to its end. */ \
  CONTROL(GradeStrip, PicturePanel, Form1, "", 9780, 5985, 1920, 2580, kHidden) \
  CONTROL(GradeAgain, Image, GradeStrip, "", 120, 600, 1680, 420) \
  CONTROL(GradeHard, Image, GradeStrip, "", 120, 1080, 1680, 420) \
  CONTROL(GradeGood, Image, GradeStrip, "", 120, 1560, 1680, 420) \
  CONTROL(GradeEasy, Image, GradeStrip, "", 120, 2040, 1680, 420) \
  \
  HIFZ_FORM1_TODAY_CONTROLS(CONTROL, ARRAY, ELEMENT) \
  \
  /* After a recorded turn: hear it beside the reciter, keep it; a word on the turn. */ \
  CONTROL(ListenBack, Label, Form1, "اسمعني", 9780, 8610, 1020, 360, kHidden, "تسجيلك ثم الآية") \
  CONTROL(KeepTake, Label, Form1, "احفظ", 10890, 8610, 1020, 360, kHidden, "يحفظ آخر تسجيل لك") \
  CONTROL(TurnNote, Label, Form1, "", 9780, 6780, 2100, 420, kHidden) \
  \
  /* The working panel, right of the running window: variables and procedures. */ \
  CONTROL(Picture2, PicturePanel, Form1, "", 12165, 555, 3990, 7320, kHidden) \
  CONTROL(Picture1, PicturePanel, Picture2, "", 75, 4395, 1815, 2775) \
  CONTROL(List1, ListBox, Picture1, "", -15, 480, 1620, 2175) \
  CONTROL(Range, CommandButton, Picture1, "Range", 0, 60, 1620, 405) \
  CONTROL(Frame1, Frame, Picture2, "Frame1", 150, 420, 1755, 4245) \
  CONTROL(Label1, Label, Frame1, "Label1", 75, 240, 645, 285) \
  CONTROL(Breath, Label, Frame1, "0", 75, 525, 645, 285) \
  CONTROL(Label2, Label, Frame1, "Label2", 75, 810, 645, 285) \
  CONTROL(Label3, Label, Frame1, "Label3", 75, 1095, 645, 285) \
  CONTROL(kind, Label, Frame1, "Kind", 75, 1380, 645, 285) \
  CONTROL(StopIt, CommandButton, Frame1, "On", 120, 1995, 1380, 315) \
  CONTROL(Command1, CommandButton, Frame1, "All", 120, 2310, 1380, 315) \
  CONTROL(Check1, CheckBox, Frame1, "AutoStart", 120, 2625, 1380, 315, true, {}, 1) \
  CONTROL(Check2, CheckBox, Frame1, "Range", 120, 2970, 1380, 315) \
  CONTROL(Label6, Label, Frame1, "1", 570, 3315, 525, 255) \
  CONTROL(Remember, CommandButton, Frame1, "Remember", 120, 3570, 700, 315) \
  CONTROL(Recall, CommandButton, Frame1, "Recall", 840, 3570, 700, 315) \
  CONTROL(RecallRange, CommandButton, Frame1, "RecallRange", 120, 3885, 700, 315) \
  CONTROL(LastRange, CommandButton, Frame1, "LastRange", 840, 3885, 700, 315) \
  CONTROL(HideVerse, CheckBox, Frame1, "HideVerse", 120, 4200, 700, 315) \
  CONTROL(RecordTurn, CheckBox, Frame1, "RecordTurn", 840, 4200, 700, 315) \
  CONTROL(EndOnSilence, CheckBox, Frame1, "EndOnSilence", 120, 4515, 700, 315) \
  CONTROL(TurnBegins, CommandButton, Frame1, "TurnBegins", 840, 4515, 700, 315) \
  CONTROL(TurnEnds, CommandButton, Frame1, "TurnEnds", 120, 4830, 700, 315) \
  CONTROL(Menu, CommandButton, Picture2, "Menu", 1890, 135, 1620, 450) \
  CONTROL(Read, CommandButton, Picture2, "Read", 1905, 615, 1620, 450) \
  CONTROL(File1, FileListBox, Picture2, "", 1920, 1140, 1605, 1845) \
  CONTROL(Timer1, Timer, Picture2, "", 0, 0, 0, 0, true, {}, 500) \
  CONTROL(Timer2, Timer, Picture2, "", 0, 0, 0, 0, true, {}, 0) \
  CONTROL(GradeTimer, Timer, Picture2, "", 0, 0, 0, 0, true, {}, 0) \
  CONTROL(Text1, TextBox, Picture2, "500", 285, 3735, 1395, 420) \
  CONTROL(fadein, CommandButton, Picture2, "FadeIn", 1905, 3945, 1620, 450) \
  CONTROL(L4, Label, Picture2, "Label10", 2400, 3045, 630, 480) \
  CONTROL(Label10, Label, Picture2, "Label10", 2205, 4725, 1125, 330) \
  CONTROL(Label13, Label, Picture2, "Label13", 2220, 4965, 1110, 525) \
  CONTROL(Label14, Label, Picture2, "Label14", 2100, 5280, 630, 345) \
  CONTROL(DoingIt, CommandButton, Picture2, "DoingIt", 2715, 5655, 690, 420, kHidden) \
  CONTROL(ding, MovieSlot, Picture2, "", 2115, 5655, 555, 390, kHidden) \
  CONTROL(Command2, CommandButton, Picture2, "Command2", 2100, 6195, 1155, 465) \
  CONTROL(reset, CommandButton, Picture2, "Reset", 2100, 6675, 1440, 465)
// clang-format on

template <>
struct InventoryOf<Form1> {
  static constexpr std::array rows = {
      ControlSpec{"Form1", ControlKind::Window, "", -1, "Form1", 0, 0, 13200, 14370},
      HIFZ_FORM1_CONTROLS(HIFZ_INVENTORY_ROW, HIFZ_INVENTORY_SKIP, HIFZ_INVENTORY_ELEMENT_ROW)};
};
/// Every control of the main window, the window itself first.
constexpr std::span<const ControlSpec> form1Inventory() { return InventoryOf<Form1>::rows; }

/// The handles of the main window's controls: `form[form1::StopIt]`,
/// `form[form1::Image5[3]]`.
namespace form1 {
using Window = Form1;
HIFZ_FORM1_CONTROLS(HIFZ_CONTROL_HANDLE, HIFZ_ARRAY_HANDLE, HIFZ_INVENTORY_SKIP)
}  // namespace form1

/// How each of the main window's movie slots treats its movies.
SlotSettings form1SlotSettings(std::string_view slotName);

}  // namespace hifz
